#include "kcl/classes/component.h"

#include <algorithm>
#include <unordered_map>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/reader.h"
#include "kcl/classes/writer.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

// An owner of many components finds them by name (upper-cased) in an index
// beside it, made when first asked for and kept in step as components come, go
// and are renamed: a form read from a file asks for each new name.
using TNameIndex = std::unordered_map<std::string, TComponent*>;
constexpr size_t IndexedFrom = 64;

std::unordered_map<const TComponent*, TNameIndex>& NameIndexes() {
  static auto* indexes = new std::unordered_map<const TComponent*, TNameIndex>;
  return *indexes;
}

TNameIndex* NameIndexOf(const TComponent* owner) {
  if (NameIndexes().empty()) return nullptr;
  const auto found = NameIndexes().find(owner);
  return found == NameIndexes().end() ? nullptr : &found->second;
}

void DropNameIndex(const TComponent* owner) {
  if (!NameIndexes().empty()) NameIndexes().erase(owner);
}

const TTypeInfo* ComponentNameType() {
  static const TTypeInfo* info = MakeStringType(tkLString, "TComponentName");
  return info;
}

TFindGlobalComponent& GlobalFinder() {
  static TFindGlobalComponent finder;
  return finder;
}

}  // namespace

KCL_CLASS_INFO(TComponent) {
  cls.property("Name", &TComponent::Name, &TComponent::SetName, ComponentNameType()).Stored(false);
  cls.property("Tag", &TComponent::Tag, &TComponent::SetTag).Default(0);
}

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  // Objects deleted directly rather than through Free() still leave cleanly.
  if (!FDestructionStarted) TComponent::BeforeDestruction();
  DropNameIndex(this);
}

void TComponent::BeforeDestruction() {
  if (FDestructionStarted) return;
  FDestructionStarted = true;
  Destroying();
  while (!FFreeNotifies.empty()) {
    TComponent* other = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    other->Notification(this, opRemove);
  }
  DestroyComponents();
  if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::Destroying() {
  if (FComponentState.Contains(csDestroying)) return;
  FComponentState.Include(csDestroying);
  for (TComponent* c : FComponents) c->Destroying();
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* last = FComponents.back();
    Remove(last);
    last->Free();
  }
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount()) throw EListError(Format(msg::ListIndexError, {index}));
  return FComponents[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const {
  if (!FOwner) return -1;
  auto it = std::find(FOwner->FComponents.begin(), FOwner->FComponents.end(), this);
  return static_cast<int>(it - FOwner->FComponents.begin());
}

void TComponent::SetComponentIndex(int index) {
  if (!FOwner) return;
  auto& list = FOwner->FComponents;
  const int current = ComponentIndex();
  index = std::clamp(index, 0, static_cast<int>(list.size()) - 1);
  if (current == index) return;
  list.erase(list.begin() + current);
  list.insert(list.begin() + index, this);
}


TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  TNameIndex* index = NameIndexOf(this);
  if (!index && FComponents.size() < IndexedFrom) {
    for (TComponent* c : FComponents)
      if (SameText(c->FName, name)) return c;
    return nullptr;
  }
  if (!index) {
    index = &NameIndexes()[this];
    for (TComponent* c : FComponents)
      if (!c->FName.empty()) index->emplace(UpperCase(c->FName), c);
  }
  const auto found = index->find(UpperCase(name));
  return found == index->end() ? nullptr : found->second;
}

void TComponent::SetName(const std::string& newName) {
  if (FName == newName) return;
  if (!newName.empty() && !IsValidIdent(newName)) throw EComponentError(Format(msg::InvalidName, {newName}));
  if (FOwner)
    FOwner->ValidateRename(this, FName, newName);
  else
    ValidateRename(nullptr, FName, newName);
  SetReference(false);
  const std::string oldName = FName;
  ChangeName(newName);
  SetReference(true);
  if (TNameIndex* index = FOwner ? NameIndexOf(FOwner) : nullptr) {
    if (const auto old = index->find(UpperCase(oldName)); old != index->end() && old->second == this) index->erase(old);
    if (!FName.empty()) index->emplace(UpperCase(FName), this);
  }
}

void TComponent::ValidateRename(TComponent* component, const std::string& curName, const std::string& newName) {
  if (component && !SameText(curName, newName) && FindComponent(newName))
    throw EComponentError(Format(msg::DuplicateName, {newName}));
  if (IsDesigning() && FOwner) FOwner->ValidateRename(component, curName, newName);
}

void TComponent::InsertComponent(TComponent* component) {
  if (component->FOwner) component->FOwner->RemoveComponent(component);
  ValidateRename(component, {}, component->FName);
  Insert(component);
  component->SetReference(true);
  if (IsDesigning()) component->SetDesigning(true);
  Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  Notification(component, opRemove);
  component->SetReference(false);
  Remove(component);
}

void TComponent::Insert(TComponent* component) {
  FComponents.push_back(component);
  component->FOwner = this;
  if (TNameIndex* index = NameIndexOf(this); index && !component->FName.empty())
    index->emplace(UpperCase(component->FName), component);
}

void TComponent::Remove(TComponent* component) {
  auto it = std::find(FComponents.begin(), FComponents.end(), component);
  if (it != FComponents.end()) FComponents.erase(it);
  component->FOwner = nullptr;
  // Another component may bear the same name: the index is made again when asked for.
  DropNameIndex(this);
}

void TComponent::SetReference(bool enable) {
  if (!FOwner || FName.empty()) return;
  if (const TFieldEntry* field = FOwner->ClassType()->FindField(FName)) field->Assign(FOwner, enable ? this : nullptr);
}

void TComponent::SetDesigning(bool value) {
  SetStateFlag(csDesigning, value);
  for (TComponent* c : FComponents) c->SetDesigning(value);
}

void TComponent::SetStateFlag(TComponentStateFlag flag, bool on) {
  if (on)
    FComponentState.Include(flag);
  else
    FComponentState.Exclude(flag);
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (FOwner && component->FOwner == FOwner) return;  // siblings hear of each other anyway
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) != FFreeNotifies.end()) return;
  FFreeNotifies.push_back(component);
  component->FreeNotification(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  auto it = std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component);
  if (it == FFreeNotifies.end()) return;
  FFreeNotifies.erase(it);
  component->RemoveFreeNotification(this);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component) RemoveFreeNotification(component);
  // By index: a component may leave the list while its siblings hear of it.
  for (size_t i = 0; i < FComponents.size(); ++i) FComponents[i]->Notification(component, operation);
}

void TComponent::DefineProperties(TFiler& filer) {
  const auto info = static_cast<uint32_t>(FDesignInfo);
  const auto* ancestor = dynamic_cast<const TComponent*>(filer.Ancestor());
  const auto ancestorInfo = ancestor ? static_cast<uint32_t>(ancestor->FDesignInfo) : 0u;
  const auto setWord = [this](int shift, int32_t value) {
    const uint32_t mask = 0xFFFFu << shift;
    FDesignInfo = static_cast<int32_t>((static_cast<uint32_t>(FDesignInfo) & ~mask) |
                                       ((static_cast<uint32_t>(value) & 0xFFFFu) << shift));
  };
  filer.DefineProperty(
      "Left", [setWord](TReader& r) { setWord(0, r.ReadInteger()); },
      [info](TWriter& w) { w.WriteInteger(static_cast<int32_t>(info & 0xFFFF)); }, (info & 0xFFFF) != (ancestorInfo & 0xFFFF));
  filer.DefineProperty(
      "Top", [setWord](TReader& r) { setWord(16, r.ReadInteger()); },
      [info](TWriter& w) { w.WriteInteger(static_cast<int32_t>(info >> 16)); }, (info >> 16) != (ancestorInfo >> 16));
}

std::string TComponent::UnresolvedReference(const std::string& propName) const {
  for (const auto& [prop, name] : FUnresolvedReferences)
    if (prop == propName) return name;
  return "";
}

void TComponent::SetUnresolvedReference(const std::string& propName, const std::string& name) {
  std::erase_if(FUnresolvedReferences, [&](const auto& entry) { return entry.first == propName; });
  if (!name.empty()) FUnresolvedReferences.emplace_back(propName, name);
}

void TComponent::ReadState(TReader& reader) { reader.ReadData(this); }

void TComponent::WriteState(TWriter& writer) { writer.WriteComponentData(this); }

void TComponent::Loaded() { FComponentState.Exclude(csLoading); }

void TComponent::GetChildren(const TGetChildProc&, TComponent*) {}

void SetFindGlobalComponent(TFindGlobalComponent finder) { GlobalFinder() = std::move(finder); }

TComponent* FindGlobalComponent(std::string_view name) { return GlobalFinder() ? GlobalFinder()(name) : nullptr; }

}  // namespace kcl
