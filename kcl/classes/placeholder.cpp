#include "kcl/classes/placeholder.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <utility>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/keptproperties.h"
#include "kcl/classes/reader.h"
#include "kcl/classes/streams.h"
#include "kcl/classes/valuebytes.h"
#include "kcl/classes/writer.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

// Writing asks every component for such placeholders: none live, none are sought.
int& LivePlaceholders() {
  static int count = 0;
  return count;
}

TPlaceholderMaker& Maker() {
  static TPlaceholderMaker maker;
  return maker;
}

// One run-time class per name and kind, for the program's run.
TClass PlaceholderClass(const std::string& className, TClass base) {
  static std::map<std::pair<std::string, TClass>, TClass> classes;
  static std::mutex lock;
  std::lock_guard guard(lock);
  TClass& cls = classes[{className, base}];
  if (!cls) cls = TClassInfo::CreateRuntimeClass(className, base);
  return cls;
}

std::string IntegerBytes(int32_t value) {
  TMemoryStream stream;
  TWriter writer(stream);
  writer.WriteInteger(value);
  return std::string(stream.View());
}

}  // namespace

// --- the record

std::optional<int32_t> TPlaceholder::Integer(std::string_view name) const {
  for (const TRawProperty& property : FProperties) {
    if (property.Name != name) continue;
    const auto meaning = ValueMeaning(property.Value);
    const auto type = meaning ? static_cast<uint8_t>(property.Value[0]) : uint8_t{vaNull};
    if (type != vaInt8 && type != vaInt16 && type != vaInt32) return std::nullopt;
    return static_cast<int32_t>(std::get<long double>(*meaning));
  }
  return std::nullopt;
}

void TPlaceholder::SetInteger(std::string_view name, int32_t value) {
  if (Integer(name) == value) return;  // the bytes as read stay
  for (TRawProperty& property : FProperties)
    if (property.Name == name) {
      property.Value = IntegerBytes(value);
      return;
    }
  FProperties.push_back({std::string(name), IntegerBytes(value)});
}

bool TPlaceholder::OwnsChildren(const TComponent& self) { return (KeptPrefixFlags(&self) & ffInline) != 0; }

void TPlaceholder::ReadRecord(TReader& reader, TComponent& self) {
  while (!reader.EndOfList()) {
    auto [name, value] = reader.ReadRawProperty();
    FProperties.push_back({std::move(name), std::move(value)});
  }
  reader.ReadListEnd();
  reader.ReadChildren(&self, [this, &self](TComponent* child) {
    FChildren.push_back(child);
    child->FreeNotification(&self);
  });
}

void TPlaceholder::WriteRecord(TWriter& writer, TComponent& self) const {
  writer.WriteComponentRecord(&self, [this, &writer] {
    for (const TRawProperty& property : FProperties) writer.WriteRawProperty(property.Name, property.Value);
  });
}

// --- the non-visual placeholder

KCL_CLASS_INFO(TPlaceholderComponent) {}

TPlaceholderComponent::TPlaceholderComponent(TComponent* owner) : TComponent(owner) { ++LivePlaceholders(); }

TPlaceholderComponent::~TPlaceholderComponent() { --LivePlaceholders(); }

void TPlaceholderComponent::ReadState(TReader& reader) {
  ReadRecord(reader, *this);
  const auto word = [](std::optional<int32_t> value) { return static_cast<uint32_t>(value.value_or(0)) & 0xFFFFu; };
  SetDesignInfo(static_cast<int32_t>(word(Integer("Left")) | (word(Integer("Top")) << 16)));
  FReadDesignInfo = DesignInfo();
}

void TPlaceholderComponent::WriteState(TWriter& writer) {
  // A placeholder the designer moved is written at its new place.
  const auto info = static_cast<uint32_t>(DesignInfo());
  const auto read = static_cast<uint32_t>(FReadDesignInfo);
  if ((info & 0xFFFFu) != (read & 0xFFFFu)) SetInteger("Left", static_cast<int32_t>(info & 0xFFFFu));
  if ((info >> 16) != (read >> 16)) SetInteger("Top", static_cast<int32_t>(info >> 16));
  FReadDesignInfo = DesignInfo();
  WriteRecord(writer, *this);
}

void TPlaceholderComponent::GetChildren(const TGetChildProc& proc, TComponent*) {
  for (TComponent* child : RecordChildren()) proc(child);
}

void TPlaceholderComponent::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  ForgetChild(component);
  if (component == FParent) FParent = nullptr;
}

void TPlaceholderComponent::SetParentComponent(TComponent* parent) {
  FParent = parent != Owner() ? parent : nullptr;
  if (FParent) FreeNotification(FParent);
}

void AddPlaceholderChildren(const TComponent* root, const TComponent* parent, std::vector<TComponent*>& children) {
  if (LivePlaceholders() == 0 || !root) return;
  for (int i = 0; i < root->ComponentCount(); ++i) {
    auto* placeholder = dynamic_cast<TPlaceholderComponent*>(root->Components(i));
    if (!placeholder || placeholder->GetParentComponent() != parent ||
        std::find(children.begin(), children.end(), placeholder) != children.end())
      continue;
    auto at = children.begin();
    if (!placeholder->ReadAfter().empty()) {
      at = std::find_if(children.begin(), children.end(),
                        [&](const TComponent* c) { return SameText(c->Name(), placeholder->ReadAfter()); });
      if (at != children.end()) ++at;
    }
    children.insert(at, placeholder);
  }
}

// --- making placeholders

void SetPlaceholderMaker(TPlaceholderMaker maker) { Maker() = std::move(maker); }

TComponent* CreatePlaceholder(TComponent* owner, const std::string& className, bool visual) {
  TComponent* placeholder = Maker() ? Maker()(owner, visual) : new TPlaceholderComponent(owner);
  placeholder->SetClassType(PlaceholderClass(className, placeholder->NativeClass()));
  return placeholder;
}

}  // namespace kcl
