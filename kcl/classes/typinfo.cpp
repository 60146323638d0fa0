#include "kcl/classes/typinfo.h"

#include <algorithm>
#include <deque>
#include <mutex>
#include <unordered_map>

#include "kcl/classes/object.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

// Type tables made at run time live as long as the program.
std::deque<TTypeInfo>& TypeTables() {
  static std::deque<TTypeInfo> tables;
  return tables;
}

std::mutex& TypeTablesLock() {
  static std::mutex lock;
  return lock;
}

const TTypeInfo* NewType(TTypeInfo info) {
  std::lock_guard guard(TypeTablesLock());
  return &TypeTables().emplace_back(std::move(info));
}

}  // namespace

const TTypeInfo* TTypeData::ParentInfo() const {
  return ClassType && ClassType->ClassParent() ? ClassType->ClassParent()->ClassTypeInfo() : nullptr;
}

int TTypeData::PropCount() const { return ClassType ? static_cast<int>(ClassType->AllProps().size()) : 0; }

const TTypeData* GetTypeData(const TTypeInfo* typeInfo) { return typeInfo ? &typeInfo->Data : nullptr; }

std::string GetEnumName(const TTypeInfo* typeInfo, int value) {
  if (!typeInfo) return {};
  if (typeInfo->Kind == tkEnumeration) {
    const auto& names = typeInfo->Data.NameList;
    return value >= 0 && value < static_cast<int>(names.size()) ? names[value] : std::string();
  }
  return IntToStr(value);
}

int GetEnumValue(const TTypeInfo* typeInfo, std::string_view name) {
  if (!typeInfo || typeInfo->Kind != tkEnumeration) return -1;
  const auto& names = typeInfo->Data.NameList;
  for (size_t i = 0; i < names.size(); ++i)
    if (SameText(names[i], name)) return static_cast<int>(i);
  return -1;
}

const TTypeInfo* MakeOrdinalType(TTypeKind kind, std::string name, TOrdType ord, int32_t min, int32_t max) {
  TTypeInfo t{kind, std::move(name), {}};
  t.Data.OrdType = ord;
  t.Data.MinValue = min;
  t.Data.MaxValue = max;
  return NewType(std::move(t));
}

const TTypeInfo* MakeEnumType(std::string name, std::vector<std::string> names) {
  TTypeInfo t{tkEnumeration, std::move(name), {}};
  t.Data.OrdType = names.size() <= 256 ? otUByte : otUWord;
  t.Data.MinValue = 0;
  t.Data.MaxValue = static_cast<int32_t>(names.size()) - 1;
  t.Data.NameList = std::move(names);
  return NewType(std::move(t));
}

const TTypeInfo* MakeEnumTypeFromList(std::string name, std::string_view commaSeparated) {
  std::vector<std::string> names;
  size_t start = 0;
  while (start <= commaSeparated.size()) {
    size_t comma = commaSeparated.find(',', start);
    if (comma == std::string_view::npos) comma = commaSeparated.size();
    std::string item = Trim(commaSeparated.substr(start, comma - start));
    // "alNone = 0" style initialisers are not part of the name.
    if (size_t eq = item.find('='); eq != std::string::npos) item = Trim(item.substr(0, eq));
    if (!item.empty()) names.push_back(std::move(item));
    start = comma + 1;
  }
  return MakeEnumType(std::move(name), std::move(names));
}

const TTypeInfo* MakeSetType(std::string name, const TTypeInfo* elementType) {
  TTypeInfo t{tkSet, std::move(name), {}};
  t.Data.OrdType = otSLong;
  t.Data.CompType = elementType;
  return NewType(std::move(t));
}

const TTypeInfo* MakeFloatType(std::string name, TFloatType floatType) {
  TTypeInfo t{tkFloat, std::move(name), {}};
  t.Data.FloatType = floatType;
  return NewType(std::move(t));
}

const TTypeInfo* MakeStringType(TTypeKind kind, std::string name) { return NewType({kind, std::move(name), {}}); }

const TTypeInfo* MakeMethodType(std::string name, TMethodKind kind, std::vector<TParamRecord> params,
                                std::string resultType) {
  TTypeInfo t{tkMethod, std::move(name), {}};
  t.Data.MethodKind = kind;
  t.Data.Params = std::move(params);
  t.Data.ResultType = std::move(resultType);
  return NewType(std::move(t));
}

// --- class information

TClassInfo::TClassInfo(std::string name, TClass parent) : FName(std::move(name)), FParent(parent) {
  FTypeInfo.Kind = tkClass;
  FTypeInfo.Name = FName;
  FTypeInfo.Data.ClassType = this;
}

bool TClassInfo::InheritsFrom(TClass ancestor) const {
  for (TClass c = this; c; c = c->FParent)
    if (c == ancestor) return true;
  return false;
}

bool TClassInfo::InheritsFrom(std::string_view ancestorName) const {
  for (TClass c = this; c; c = c->FParent)
    if (SameText(c->FName, ancestorName)) return true;
  return false;
}

TPropInfo& TClassInfo::AddProp(std::unique_ptr<TPropInfo> prop) {
  PPropInfo inherited = FParent ? FParent->FindProp(prop->Name) : nullptr;
  prop->NameIndex = inherited ? inherited->NameIndex
                              : static_cast<int>((FParent ? FParent->AllProps().size() : 0) + FProps.size());
  FProps.push_back(std::move(prop));
  FAllPropsBuilt = false;
  return *FProps.back();
}

const TPropList& TClassInfo::AllProps() const {
  if (!FAllPropsBuilt) {
    TPropList all = FParent ? FParent->AllProps() : TPropList{};
    for (const auto& p : FProps) {
      auto same = std::find_if(all.begin(), all.end(), [&](PPropInfo q) { return SameText(q->Name, p->Name); });
      if (same != all.end())
        *same = p.get();
      else
        all.push_back(p.get());
    }
    FAllProps = std::move(all);
    FAllPropsBuilt = true;
  }
  return FAllProps;
}

PPropInfo TClassInfo::FindProp(std::string_view name) const {
  for (PPropInfo p : AllProps())
    if (SameText(p->Name, name)) return p;
  return nullptr;
}

TPropInfo& TClassInfo::AddUnpublished(std::unique_ptr<TPropInfo> prop) {
  FUnpublished.push_back(std::move(prop));
  return *FUnpublished.back();
}

PPropInfo TClassInfo::FindUnpublished(std::string_view name) const {
  for (TClass c = this; c; c = c->FParent)
    for (const auto& p : c->FUnpublished)
      if (SameText(p->Name, name)) return p.get();
  return nullptr;
}

const TMethodEntry* TClassInfo::FindMethod(std::string_view name) const {
  for (TClass c = this; c; c = c->FParent)
    for (const auto& m : c->FMethods)
      if (SameText(m->Name, name)) return m.get();
  return nullptr;
}

std::string TClassInfo::MethodName(const TMethodEntry* code) const {
  for (TClass c = this; c; c = c->FParent)
    for (const auto& m : c->FMethods)
      if (m.get() == code) return m->Name;
  return {};
}

const TFieldEntry* TClassInfo::FindField(std::string_view name) const {
  for (TClass c = this; c; c = c->FParent)
    for (const auto& f : c->FFields)
      if (SameText(f.Name, name)) return &f;
  return nullptr;
}

TClass TClassInfo::CreateRuntimeClass(std::string name, TClass parent) {
  static std::deque<TClassInfo> runtimeClasses;
  static std::mutex lock;
  std::lock_guard guard(lock);
  TClassInfo& cls = runtimeClasses.emplace_back(std::move(name), parent);
  cls.FFactory = parent ? parent->FFactory : nullptr;
  return &cls;
}

// --- property access

PPropInfo GetPropInfo(const TObject* instance, std::string_view name) {
  return instance ? GetPropInfo(instance->ClassType(), name) : nullptr;
}

PPropInfo GetPropInfo(TClass cls, std::string_view name) { return cls ? cls->FindProp(name) : nullptr; }

TPropList GetPropInfos(TClass cls) { return cls ? cls->AllProps() : TPropList{}; }

TPropList GetPropList(TClass cls, TTypeKinds kinds) {
  TPropList list;
  for (PPropInfo p : GetPropInfos(cls))
    if (p->PropType && (kinds & KindBit(p->PropType->Kind))) list.push_back(p);
  std::stable_sort(list.begin(), list.end(), [](PPropInfo a, PPropInfo b) { return CompareText(a->Name, b->Name) < 0; });
  return list;
}

int GetPropCount(TClass cls, TTypeKinds kinds) { return static_cast<int>(GetPropList(cls, kinds).size()); }

bool IsStoredProp(const TObject* instance, PPropInfo prop) { return !prop->Stored || prop->Stored(instance); }

namespace {

template <class Accessor>
const Accessor& Need(const Accessor& accessor) {
  if (!accessor) throw EPropertyError(msg::InvalidPropertyValue);
  return accessor;
}

}  // namespace

int64_t GetOrdProp(const TObject* instance, PPropInfo prop) { return Need(prop->GetOrd)(instance); }
void SetOrdProp(TObject* instance, PPropInfo prop, int64_t value) { Need(prop->SetOrd)(instance, value); }
std::string GetStrProp(const TObject* instance, PPropInfo prop) { return Need(prop->GetStr)(instance); }
void SetStrProp(TObject* instance, PPropInfo prop, const std::string& value) { Need(prop->SetStr)(instance, value); }
long double GetFloatProp(const TObject* instance, PPropInfo prop) { return Need(prop->GetFloat)(instance); }
void SetFloatProp(TObject* instance, PPropInfo prop, long double value) { Need(prop->SetFloat)(instance, value); }
TObject* GetObjectProp(const TObject* instance, PPropInfo prop) { return Need(prop->GetObj)(instance); }
void SetObjectProp(TObject* instance, PPropInfo prop, TObject* value) { Need(prop->SetObj)(instance, value); }
TMethod GetMethodProp(const TObject* instance, PPropInfo prop) { return Need(prop->GetMeth)(instance); }
void SetMethodProp(TObject* instance, PPropInfo prop, const TMethod& value) { Need(prop->SetMeth)(instance, value); }

// --- class registry

namespace {

struct Registry {
  std::mutex lock;
  std::unordered_map<std::string, TClass> byName;  // upper-cased class name
};

Registry& ClassRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

void RegisterClass(TClass cls) {
  Registry& r = ClassRegistry();
  std::lock_guard guard(r.lock);
  TClass& entry = r.byName[UpperCase(cls->ClassName())];
  if (entry && entry != cls) throw EFilerError(Format(msg::DuplicateClass, {cls->ClassName()}));
  entry = cls;
}

void RegisterClasses(std::initializer_list<TClass> classes) {
  for (TClass c : classes) RegisterClass(c);
}

void UnRegisterClass(TClass cls) {
  Registry& r = ClassRegistry();
  std::lock_guard guard(r.lock);
  auto it = r.byName.find(UpperCase(cls->ClassName()));
  if (it != r.byName.end() && it->second == cls) r.byName.erase(it);
}

TClass GetClass(std::string_view className) {
  Registry& r = ClassRegistry();
  std::lock_guard guard(r.lock);
  auto it = r.byName.find(UpperCase(className));
  return it == r.byName.end() ? nullptr : it->second;
}

TClass FindClass(std::string_view className) {
  TClass cls = GetClass(className);
  if (!cls) throw EClassNotFound(Format(msg::ClassNotFound, {className}));
  return cls;
}

}  // namespace kcl
