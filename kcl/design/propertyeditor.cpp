#include "kcl/design/propertyeditor.h"

#include <algorithm>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/persistent.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

void CheckIndex(int index, int count) {
  if (index < 0 || index >= count) throw EListError(Format(msg::ListIndexError, {index}));
}

}  // namespace

KCL_CLASS_INFO(TPropertyEditor) {}

TPropertyEditor::TPropertyEditor(TFormDesigner* designer, int propCount) : FDesigner(designer) {
  if (propCount < 1) throw EListError(Format(msg::ListIndexError, {propCount}));
  FProps.resize(static_cast<size_t>(propCount));
}

TPropertyEditor::~TPropertyEditor() = default;

bool TPropertyEditor::AllEqual() { return PropCount() == 1; }

void TPropertyEditor::Edit() {}

TPropertyAttributes TPropertyEditor::GetAttributes() { return AttributeBit(paRevertable); }

TPersistent* TPropertyEditor::GetComponent(int index) const {
  CheckIndex(index, PropCount());
  return FProps[static_cast<size_t>(index)].Instance;
}

int TPropertyEditor::GetEditLimit() { return 255; }

std::string TPropertyEditor::GetName() { return GetPropInfo() ? GetPropInfo()->Name : std::string(); }

void TPropertyEditor::GetProperties(const TGetPropEditProc&) {}

std::string TPropertyEditor::GetValue() { return "(Unknown)"; }

void TPropertyEditor::GetValues(const TGetStrProc&) {}

// An editor that cannot convert text takes back only what it shows.
void TPropertyEditor::SetValue(const std::string& value) {
  if (value != GetValue()) throw EPropertyError(msg::InvalidPropertyValue);
}

void TPropertyEditor::Revert() {
  if (!FDesigner) return;
  for (const TInstProp& entry : FProps) FDesigner->Revert(entry.Instance, entry.Prop);
}

bool TPropertyEditor::ValueAvailable() const {
  return std::all_of(FProps.begin(), FProps.end(), [](const TInstProp& e) { return e.Instance && e.Prop; });
}

std::string TPropertyEditor::GetPrivateDirectory() const {
  return FDesigner ? FDesigner->GetPrivateDirectory() : std::string();
}

PPropInfo TPropertyEditor::GetPropInfoAt(int index) const {
  CheckIndex(index, PropCount());
  return FProps[static_cast<size_t>(index)].Prop;
}

void TPropertyEditor::SetPropEntry(int index, TPersistent* instance, PPropInfo prop) {
  CheckIndex(index, PropCount());
  FProps[static_cast<size_t>(index)] = {instance, prop};
}

const TPropertyEditor::TInstProp& TPropertyEditor::Entry(int index) const {
  CheckIndex(index, PropCount());
  const TInstProp& entry = FProps[static_cast<size_t>(index)];
  if (!entry.Instance || !entry.Prop) throw EPropertyError(msg::InvalidPropertyValue);
  return entry;
}

template <class Value>
void TPropertyEditor::SetEach(const std::function<Value(int)>& get, const std::function<void(int, const Value&)>& set,
                              const std::function<Value(const Value&)>& change) {
  std::vector<Value> before;  // of the instances set
  try {
    for (int i = 0; i < PropCount(); ++i) {
      Value value = get(i);
      set(i, change(value));
      before.push_back(std::move(value));
    }
  } catch (...) {
    for (int i = 0; i < static_cast<int>(before.size()); ++i) {
      try {
        set(i, before[static_cast<size_t>(i)]);
      } catch (...) {
        // The first error is the one to report.
      }
    }
    throw;
  }
  Modified();
}

int64_t TPropertyEditor::GetOrdValue() const { return GetOrdValueAt(0); }

int64_t TPropertyEditor::GetOrdValueAt(int index) const {
  const TInstProp& e = Entry(index);
  return GetOrdProp(e.Instance, e.Prop);
}

void TPropertyEditor::SetOrdValue(int64_t value) {
  ChangeOrdValues([value](int64_t) { return value; });
}

void TPropertyEditor::ChangeOrdValues(const std::function<int64_t(int64_t)>& change) {
  SetEach<int64_t>([this](int i) { return GetOrdValueAt(i); },
                   [this](int i, const int64_t& v) { SetOrdProp(Entry(i).Instance, Entry(i).Prop, v); },
                   [&change](const int64_t& v) { return change(v); });
}

std::string TPropertyEditor::GetStrValue() const { return GetStrValueAt(0); }

std::string TPropertyEditor::GetStrValueAt(int index) const {
  const TInstProp& e = Entry(index);
  return GetStrProp(e.Instance, e.Prop);
}

void TPropertyEditor::SetStrValue(const std::string& value) {
  SetEach<std::string>([this](int i) { return GetStrValueAt(i); },
                       [this](int i, const std::string& v) { SetStrProp(Entry(i).Instance, Entry(i).Prop, v); },
                       [&value](const std::string&) { return value; });
}

long double TPropertyEditor::GetFloatValue() const { return GetFloatValueAt(0); }

long double TPropertyEditor::GetFloatValueAt(int index) const {
  const TInstProp& e = Entry(index);
  return GetFloatProp(e.Instance, e.Prop);
}

void TPropertyEditor::SetFloatValue(long double value) {
  SetEach<long double>([this](int i) { return GetFloatValueAt(i); },
                       [this](int i, const long double& v) { SetFloatProp(Entry(i).Instance, Entry(i).Prop, v); },
                       [value](const long double&) { return value; });
}

TObject* TPropertyEditor::GetObjectValue() const { return GetObjectValueAt(0); }

TObject* TPropertyEditor::GetObjectValueAt(int index) const {
  const TInstProp& e = Entry(index);
  return GetObjectProp(e.Instance, e.Prop);
}

void TPropertyEditor::SetObjectValue(TObject* value) {
  SetEach<TObject*>([this](int i) { return GetObjectValueAt(i); },
                    [this](int i, TObject* const& v) { SetObjectProp(Entry(i).Instance, Entry(i).Prop, v); },
                    [value](TObject* const&) { return value; });
}

TMethod TPropertyEditor::GetMethodValue() const { return GetMethodValueAt(0); }

TMethod TPropertyEditor::GetMethodValueAt(int index) const {
  const TInstProp& e = Entry(index);
  return GetMethodProp(e.Instance, e.Prop);
}

void TPropertyEditor::SetMethodValue(const TMethod& value) {
  SetEach<TMethod>([this](int i) { return GetMethodValueAt(i); },
                   [this](int i, const TMethod& v) { SetMethodProp(Entry(i).Instance, Entry(i).Prop, v); },
                   [&value](const TMethod&) { return value; });
}

void TPropertyEditor::Modified() {
  if (FDesigner) FDesigner->Modified();
}

}  // namespace kcl
