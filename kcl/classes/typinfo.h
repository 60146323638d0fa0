#pragma once
// Run-time type information: the type, property and class tables that streaming,
// the object inspector and the property editors read. Classes describe themselves
// declaratively (see classbuilder.h); nothing here knows any concrete class.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

namespace kcl {

class TObject;
class TPersistent;
class TComponent;
class TClassInfo;
class TCollection;
using TClass = const TClassInfo*;

enum TTypeKind {
  tkUnknown, tkInteger, tkChar, tkEnumeration, tkFloat, tkString, tkSet, tkClass,
  tkMethod, tkWChar, tkLString, tkWString, tkVariant, tkArray, tkRecord, tkInterface
};
using TTypeKinds = uint32_t;
constexpr TTypeKinds KindBit(TTypeKind k) { return 1u << k; }
constexpr TTypeKinds tkAny = 0xFFFFu;
constexpr TTypeKinds tkMethods = KindBit(tkMethod);
constexpr TTypeKinds tkProperties = tkAny & ~KindBit(tkUnknown) & ~KindBit(tkMethod);

enum TOrdType { otSByte, otUByte, otSWord, otUWord, otSLong };
enum TFloatType { ftSingle, ftDouble, ftExtended, ftComp, ftCurr };
enum TMethodKind { mkProcedure, mkFunction };

// Parameter flags of a method type: bit 0 var, bit 1 const, bit 2 array of.
enum : uint8_t { pfVar = 1, pfConst = 2, pfArray = 4 };

struct TParamRecord {
  uint8_t Flags = 0;
  std::string ParamName;
  std::string TypeName;
};

struct TTypeInfo;

struct TTypeData {
  // integer, char, enumeration
  TOrdType OrdType = otSLong;
  int32_t MinValue = 0;
  int32_t MaxValue = 0;
  std::vector<std::string> NameList;  // enumeration names in ordinal order
  // set
  const TTypeInfo* CompType = nullptr;
  // float
  TFloatType FloatType = ftExtended;
  // short string
  uint8_t MaxLength = 255;
  // class
  TClass ClassType = nullptr;
  const TTypeInfo* ParentInfo() const;
  int PropCount() const;
  // method
  TMethodKind MethodKind = mkProcedure;
  std::vector<TParamRecord> Params;
  std::string ResultType;
};

struct TTypeInfo {
  TTypeKind Kind = tkUnknown;
  std::string Name;
  TTypeData Data;
};

const TTypeData* GetTypeData(const TTypeInfo* typeInfo);
// The name of an enumeration value; "" outside the range.
std::string GetEnumName(const TTypeInfo* typeInfo, int value);
// The ordinal of a name (without regard to case), -1 when none.
int GetEnumValue(const TTypeInfo* typeInfo, std::string_view name);

// Builders for type tables; each returns a table that lives for the program's run.
const TTypeInfo* MakeOrdinalType(TTypeKind kind, std::string name, TOrdType ord, int32_t min, int32_t max);
const TTypeInfo* MakeEnumType(std::string name, std::vector<std::string> names);
// An enumeration from the text of its identifiers: "alNone, alTop, alBottom".
const TTypeInfo* MakeEnumTypeFromList(std::string name, std::string_view commaSeparated);
const TTypeInfo* MakeSetType(std::string name, const TTypeInfo* elementType);
const TTypeInfo* MakeFloatType(std::string name, TFloatType floatType);
const TTypeInfo* MakeStringType(TTypeKind kind, std::string name);
const TTypeInfo* MakeMethodType(std::string name, TMethodKind kind, std::vector<TParamRecord> params,
                                std::string resultType = {});


// A published method: its name, and a callable that the event of the matching
// signature recovers (std::function<void(TObject* self, Args...)>).
struct TMethodEntry {
  std::string Name;
  std::shared_ptr<const void> Thunk;
  const std::type_info* Signature = nullptr;
};

// A method pointer as the streaming system and the designer see it: the code is a
// published method's entry (or an entry the designer makes for itself), data its object.
struct TMethod {
  const TMethodEntry* Code = nullptr;
  TObject* Data = nullptr;
  bool operator==(const TMethod&) const = default;
};

// Sentinel for ordinal properties without a default: always written.
constexpr int64_t NoDefault = INT64_MIN;

struct TPropInfo {
  std::string Name;
  const TTypeInfo* PropType = nullptr;
  int64_t Default = NoDefault;  // ordinal properties only
  int NameIndex = 0;            // declaration order within the class hierarchy
  TClass Owner = nullptr;       // the class that published (or republished) it

  std::function<int64_t(const TObject*)> GetOrd;
  std::function<void(TObject*, int64_t)> SetOrd;
  std::function<std::string(const TObject*)> GetStr;
  std::function<void(TObject*, const std::string&)> SetStr;
  std::function<long double(const TObject*)> GetFloat;
  std::function<void(TObject*, long double)> SetFloat;
  std::function<TObject*(const TObject*)> GetObj;
  std::function<void(TObject*, TObject*)> SetObj;
  std::function<TMethod(const TObject*)> GetMeth;
  std::function<void(TObject*, const TMethod&)> SetMeth;
  std::function<bool(const TObject*)> Stored;  // empty: always stored

  bool HasSetter() const { return SetOrd || SetStr || SetFloat || SetObj || SetMeth; }
};
using PPropInfo = const TPropInfo*;
using TPropList = std::vector<PPropInfo>;

// Published properties of an instance's class (or of a class), by name without
// regard to case; nullptr when none.
PPropInfo GetPropInfo(const TObject* instance, std::string_view name);
PPropInfo GetPropInfo(TClass cls, std::string_view name);
// Declaration order, ancestors first.
TPropList GetPropInfos(TClass cls);
// The properties whose kind is in kinds, sorted by name without regard to case.
TPropList GetPropList(TClass cls, TTypeKinds kinds);
int GetPropCount(TClass cls, TTypeKinds kinds);
bool IsStoredProp(const TObject* instance, PPropInfo prop);

int64_t GetOrdProp(const TObject* instance, PPropInfo prop);
void SetOrdProp(TObject* instance, PPropInfo prop, int64_t value);
std::string GetStrProp(const TObject* instance, PPropInfo prop);
void SetStrProp(TObject* instance, PPropInfo prop, const std::string& value);
long double GetFloatProp(const TObject* instance, PPropInfo prop);
void SetFloatProp(TObject* instance, PPropInfo prop, long double value);
TObject* GetObjectProp(const TObject* instance, PPropInfo prop);
void SetObjectProp(TObject* instance, PPropInfo prop, TObject* value);
TMethod GetMethodProp(const TObject* instance, PPropInfo prop);
void SetMethodProp(TObject* instance, PPropInfo prop, const TMethod& value);

// A published field: a component of the owner bound by name when the component
// gets that name (the way a form's controls reach the form's members).
struct TFieldEntry {
  std::string Name;
  TClass FieldClass = nullptr;
  std::function<void(TObject* owner, TObject* value)> Assign;
};

using TFactory = TObject* (*)(void* arg);

class TClassInfo {
public:
  TClassInfo(std::string name, TClass parent);
  TClassInfo(const TClassInfo&) = delete;
  TClassInfo& operator=(const TClassInfo&) = delete;

  const std::string& ClassName() const { return FName; }
  TClass ClassParent() const { return FParent; }
  bool InheritsFrom(TClass ancestor) const;
  bool InheritsFrom(std::string_view ancestorName) const;
  const TTypeInfo* ClassTypeInfo() const { return &FTypeInfo; }

  // Properties published by this class itself, in declaration order.
  const std::vector<std::unique_ptr<TPropInfo>>& OwnProps() const { return FProps; }
  // Every published property, ancestors first, republished ones in their first place.
  const TPropList& AllProps() const;
  PPropInfo FindProp(std::string_view name) const;
  // A property declared by this class or an ancestor but not published: its
  // descendants publish it by name (the framework's protected properties).
  PPropInfo FindUnpublished(std::string_view name) const;

  const TMethodEntry* FindMethod(std::string_view name) const;
  std::string MethodName(const TMethodEntry* code) const;
  const TFieldEntry* FindField(std::string_view name) const;

  // Creates an instance: arg is the owner (TComponent*) for components, the
  // collection (TCollection*) for collection items, unused otherwise. nullptr when
  // the class cannot be instantiated.
  TObject* NewInstance(void* arg) const { return FFactory ? FFactory(arg) : nullptr; }
  bool CanCreate() const { return FFactory != nullptr; }

  // A class made at run time: a new name, the parent's published properties and
  // the parent's way of creating instances. It lives for the program's run.
  static TClass CreateRuntimeClass(std::string name, TClass parent);

  // Used by the class builder while the class describes itself.
  TPropInfo& AddProp(std::unique_ptr<TPropInfo> prop);
  TPropInfo& AddUnpublished(std::unique_ptr<TPropInfo> prop);
  void AddMethod(std::unique_ptr<TMethodEntry> entry) { FMethods.push_back(std::move(entry)); }
  void AddField(TFieldEntry entry) { FFields.push_back(std::move(entry)); }
  void SetFactory(TFactory factory) { FFactory = factory; }

private:
  std::string FName;
  TClass FParent;
  TTypeInfo FTypeInfo;
  std::vector<std::unique_ptr<TPropInfo>> FProps;
  std::vector<std::unique_ptr<TPropInfo>> FUnpublished;
  std::vector<std::unique_ptr<TMethodEntry>> FMethods;
  std::vector<TFieldEntry> FFields;
  TFactory FFactory = nullptr;
  mutable TPropList FAllProps;
  mutable bool FAllPropsBuilt = false;
};

// The class registry used by streaming to create components by class name.
// Registering the same class again changes nothing; another class of a name
// already taken raises EFilerError "A class named %s already exists".
void RegisterClass(TClass cls);
void RegisterClasses(std::initializer_list<TClass> classes);
void UnRegisterClass(TClass cls);
// nullptr when not registered.
TClass GetClass(std::string_view className);
// Raises EClassNotFound "Class %s not found" when not registered.
TClass FindClass(std::string_view className);

}  // namespace kcl
