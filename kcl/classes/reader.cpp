#include "kcl/classes/reader.h"

#include <algorithm>

#include "kcl/classes/collection.h"
#include "kcl/classes/component.h"
#include "kcl/classes/extended.h"
#include "kcl/classes/intconsts.h"
#include "kcl/classes/keptproperties.h"
#include "kcl/classes/placeholder.h"
#include "kcl/classes/valuebytes.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/scopeguard.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

bool IsOrdinalKind(TTypeKind kind) {
  return kind == tkInteger || kind == tkChar || kind == tkEnumeration || kind == tkSet;
}

// Nesting of lists, collections and components beyond this is taken as a damaged
// stream rather than followed until the stack runs out.
constexpr int MaxNesting = 512;

constexpr char Signature[4] = {'T', 'P', 'F', '0'};

class DepthGuard {
public:
  explicit DepthGuard(int& depth) : FDepth(depth) {
    if (++FDepth > MaxNesting) {
      --FDepth;
      throw EReadError(msg::InvalidImage);
    }
  }
  ~DepthGuard() { --FDepth; }
  DepthGuard(const DepthGuard&) = delete;
  DepthGuard& operator=(const DepthGuard&) = delete;

private:
  int& FDepth;
};

}  // namespace

TReader::TReader(TStream& stream) : TFiler(stream) {}

TReader::~TReader() = default;

// --- values

uint8_t TReader::PeekByte() {
  uint8_t b = 0;
  FStream.ReadBuffer(&b, 1);
  FStream.Seek(-1, soFromCurrent);
  return b;
}

TValueType TReader::ReadValue() {
  uint8_t b = 0;
  FStream.ReadBuffer(&b, 1);
  if (b > vaLastKnown) throw EReadError(Format(msg::UnknownValueType, {ValueTypeName(b), FPropName}));
  return static_cast<TValueType>(b);
}

std::optional<TValueMeaning> TReader::ReadLaterValue() {
  if (NextValue() <= vaLastDelphi3) return std::nullopt;
  const std::string bytes = ReadRawValue();
  std::optional<TValueMeaning> meaning = ValueMeaning(bytes);
  if (!meaning) throw EReadError(msg::InvalidImage);
  return meaning;
}

void TReader::LaterValueError(uint8_t type, const char* wanted) {
  throw EReadError(Format(msg::ValueTypeMismatch, {ValueTypeName(type), wanted}));
}

// Peeks without judging the byte: a component record's "TPF0" may follow a list.
TValueType TReader::NextValue() { return static_cast<TValueType>(PeekByte()); }

void TReader::CheckValue(TValueType expected) {
  if (ReadValue() != expected) {
    RejectValue();
  }
}

bool TReader::EndOfList() { return NextValue() == vaNull; }

void TReader::PropValueError() { throw EReadError(msg::InvalidPropertyValue); }

void TReader::RejectValue() {
  FStream.Seek(-1, soFromCurrent);
  SkipValue();
  PropValueError();
}

std::string TReader::ReadBytes(int64_t count) {
  // A length beyond what is left is a damaged stream, not a reason to allocate.
  if (count < 0 || count > FStream.Size() - FStream.Position()) throw EReadError(msg::ReadError);
  std::string bytes(static_cast<size_t>(count), '\0');
  FStream.ReadBuffer(bytes.data(), count);
  return bytes;
}

uint32_t TReader::ReadLength() {
  uint8_t b[4];
  FStream.ReadBuffer(b, 4);
  return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) | (static_cast<uint32_t>(b[2]) << 16) |
         (static_cast<uint32_t>(b[3]) << 24);
}

std::string TReader::ReadStr() {
  uint8_t length = 0;
  FStream.ReadBuffer(&length, 1);
  return ReadBytes(length);
}

int32_t TReader::ReadInteger() {
  const TValueType type = NextValue();
  if (const auto later = ReadLaterValue()) {
    const auto* number = std::get_if<long double>(&*later);
    if (type != vaInt64 || !number || *number < INT32_MIN || *number > INT32_MAX) LaterValueError(type, "an integer");
    return static_cast<int32_t>(*number);
  }
  switch (ReadValue()) {
    case vaInt8: {
      int8_t v = 0;
      FStream.ReadBuffer(&v, 1);
      return v;
    }
    case vaInt16: {
      uint8_t b[2];
      FStream.ReadBuffer(b, 2);
      return static_cast<int16_t>(b[0] | (b[1] << 8));
    }
    case vaInt32: return static_cast<int32_t>(ReadLength());
    default:
      RejectValue();
  }
}

bool TReader::ReadBoolean() {
  switch (ReadValue()) {
    case vaTrue: return true;
    case vaFalse: return false;
    default:
      RejectValue();
  }
}

std::string TReader::ReadString() {
  const TValueType laterType = NextValue();
  if (const auto later = ReadLaterValue()) {
    const auto* text = std::get_if<std::string>(&*later);
    if (!text) LaterValueError(laterType, "a string");
    return *text;
  }
  const TValueType type = ReadValue();
  if (type == vaString) return ReadStr();
  if (type == vaLString) return ReadBytes(ReadLength());
  RejectValue();
}

char TReader::ReadChar() {
  const std::string s = ReadString();
  if (s.size() != 1) PropValueError();
  return s[0];
}

long double TReader::ReadFloat() {
  const TValueType type = NextValue();
  if (const auto later = ReadLaterValue()) {
    const auto* number = std::get_if<long double>(&*later);
    if (!number) LaterValueError(type, "a number");
    return *number;
  }
  if (NextValue() != vaExtended) return ReadInteger();
  ReadValue();
  TExtendedBytes bytes{};
  FStream.ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  return ExtendedToLongDouble(bytes);
}

std::string TReader::ReadIdent() {
  switch (ReadValue()) {
    case vaIdent: return ReadStr();
    case vaFalse: return "False";
    case vaTrue: return "True";
    case vaNil: return "nil";
    default:
      RejectValue();
  }
}

void TReader::SkipValue() {
  DepthGuard guard(FDepth);
  switch (ReadValue()) {
    case vaNull: case vaFalse: case vaTrue: case vaNil: break;
    case vaList:
      while (!EndOfList()) SkipValue();
      ReadListEnd();
      break;
    case vaInt8: ReadBytes(1); break;
    case vaInt16: ReadBytes(2); break;
    case vaInt32: ReadBytes(4); break;
    case vaExtended: ReadBytes(10); break;
    case vaString: case vaIdent: ReadStr(); break;
    case vaLString: case vaBinary: case vaUTF8String: ReadBytes(ReadLength()); break;
    case vaWString: ReadBytes(2 * static_cast<int64_t>(ReadLength())); break;
    case vaSingle: ReadBytes(4); break;
    case vaCurrency: case vaDate: case vaInt64: case vaDouble: ReadBytes(8); break;
    case vaSet:
      while (!ReadStr().empty()) {
      }
      break;
    case vaCollection:
      while (!EndOfList()) {
        if (const TValueType t = NextValue(); t == vaInt8 || t == vaInt16 || t == vaInt32) ReadInteger();
        ReadListBegin();
        while (!EndOfList()) {
          ReadStr();
          SkipValue();
        }
        ReadListEnd();
      }
      ReadListEnd();
      break;
  }
}

// --- properties

int64_t TReader::ReadSet(const TTypeInfo* setType) {
  if (ReadValue() != vaSet) {
    RejectValue();
  }
  const TTypeInfo* element = GetTypeData(setType)->CompType;
  uint32_t bits = 0;
  for (std::string name = ReadStr(); !name.empty(); name = ReadStr()) {
    const int ordinal = GetEnumValue(element, name);
    if (ordinal < 0 || ordinal > 31) {
      while (!ReadStr().empty()) {
      }
      PropValueError();
    }
    bits |= 1u << ordinal;
  }
  return bits;
}

void TReader::PropertyError() {
  SkipValue();
  throw EReadError(Format(msg::UnknownProperty, {FPropName}));
}

void TReader::ReadPropValue(TPersistent* instance, PPropInfo prop) {
  const TTypeInfo* type = prop->PropType;
  if (!prop->HasSetter() && type->Kind != tkClass) PropertyError();
  switch (type->Kind) {
    case tkInteger: {
      if (NextValue() == vaIdent) {
        const TIntegerConsts* consts = FindIntegerConsts(type);
        const std::string ident = ReadIdent();
        int32_t value = 0;
        if (!consts || !consts->IdentToInt || !consts->IdentToInt(ident, value)) PropValueError();
        SetOrdProp(instance, prop, value);
      } else {
        SetOrdProp(instance, prop, ReadInteger());
      }
      break;
    }
    case tkChar: SetOrdProp(instance, prop, static_cast<uint8_t>(ReadChar())); break;
    case tkEnumeration: {
      const int value = GetEnumValue(type, ReadIdent());
      if (value < 0) PropValueError();
      SetOrdProp(instance, prop, value);
      break;
    }
    case tkSet: SetOrdProp(instance, prop, ReadSet(type)); break;
    case tkFloat: SetFloatProp(instance, prop, ReadFloat()); break;
    case tkString: case tkLString: case tkWString: SetStrProp(instance, prop, ReadString()); break;
    case tkClass:
      switch (NextValue()) {
        case vaNil:
          ReadValue();
          if (prop->SetObj) SetObjectProp(instance, prop, nullptr);
          break;
        case vaCollection: {
          ReadValue();
          auto* collection = dynamic_cast<TCollection*>(GetObjectProp(instance, prop));
          if (!collection) {
            RejectValue();
          }
          ReadCollection(*collection);
          break;
        }
        default: {
          std::string name = ReadIdent();
          if (!prop->SetObj) PropValueError();
          FFixups.push_back({instance, prop, std::move(name)});
        }
      }
      break;
    case tkMethod: {
      if (NextValue() == vaNil) {
        ReadValue();
        SetMethodProp(instance, prop, {});
        break;
      }
      const std::string name = ReadIdent();
      const TMethodEntry* code = FRoot ? FRoot->MethodAddress(name) : nullptr;
      if (!code && OnFindMethod) code = OnFindMethod(*this, name);
      if (!code) PropValueError();
      SetMethodProp(instance, prop, {code, FRoot});
      break;
    }
    default: PropertyError();
  }
}

void TReader::ReadProperties(TPersistent* instance) {
  TPropertiesReadList read;
  std::vector<std::string> order;
  while (!EndOfList()) order.push_back(ReadProperty(instance, read));
  KeepReadOrder(instance, std::move(order));
  std::vector<std::string> paths;
  std::vector<TPersistent*> targets;
  for (const auto& [target, path] : read) {
    paths.push_back(path);
    if (target != instance && std::find(targets.begin(), targets.end(), target) == targets.end())
      targets.push_back(target);
  }
  for (TPersistent* target : targets) {
    std::vector<std::string> names;
    for (const auto& [object, path] : read)
      if (object == target) names.push_back(path.substr(path.rfind('.') + 1));
    target->PropertiesRead(names);
  }
  instance->PropertiesRead(paths);
}

std::string TReader::ReadProperty(TPersistent* instance, TPropertiesReadList& read) {
  const std::string path = ReadStr();
  // Kept as read, to be written back where it stood.
  const auto keep = [&] {
    KeepProperty(instance, {path, ReadRawValue(), std::nullopt});
    return path;
  };
  try {
    FCanHandleExcepts = true;
    TPersistent* target = instance;
    size_t start = 0;
    for (size_t dot = path.find('.'); dot != std::string::npos; dot = path.find('.', start)) {
      FPropName = path.substr(start, dot - start);
      PPropInfo prop = GetPropInfo(target, FPropName);
      TObject* value = prop && prop->PropType->Kind == tkClass && prop->GetObj ? GetObjectProp(target, prop) : nullptr;
      target = dynamic_cast<TPersistent*>(value);
      // A sub-object the class does not have (a later version's Constraints).
      if (!target) return keep();
      start = dot + 1;
    }
    FPropName = path.substr(start);
    if (PPropInfo prop = GetPropInfo(target, FPropName)) {
      const int64_t valueStart = FStream.Position();
      const TValueType next = NextValue();
      try {
        ReadPropValue(target, prop);
      } catch (const EReadError&) {
        // A name this version does not have for the value: kept, to be written back.
        if ((next != vaIdent && next != vaSet) || !IsOrdinalKind(prop->PropType->Kind)) throw;
        FStream.SetPosition(valueStart);
        KeepProperty(instance, {path, ReadRawValue(), GetOrdProp(target, prop)});
        return path;
      }
      if (next > vaLastDelphi3) KeepValueBytes(instance, path, ReadBytesBetween(valueStart, FStream.Position()));
    } else {
      // A defined property cannot be skipped reliably once its reader has started.
      FCanHandleExcepts = false;
      target->DefineProperties(*this);
      FCanHandleExcepts = true;
      if (!FPropName.empty()) return keep();
    }
    read.emplace_back(target, path);
  } catch (const Exception& e) {
    auto* component = dynamic_cast<TComponent*>(instance);
    if (!component) throw;
    const std::string message = Format(msg::PropertyException, {component->Name(), ".", path, e.Message()});
    if (!FCanHandleExcepts || !OnError || !OnError(*this, message)) throw EReadError(message);
  }
  return path;
}

std::pair<std::string, std::string> TReader::ReadRawProperty() {
  FPropName = ReadStr();
  return {FPropName, ReadRawValue()};
}

std::string TReader::ReadRawValue() {
  const int64_t start = FStream.Position();
  SkipValue();
  return ReadBytesBetween(start, FStream.Position());
}

std::string TReader::ReadBytesBetween(int64_t start, int64_t end) {
  FStream.SetPosition(start);
  return ReadBytes(end - start);
}

void TReader::DefineProperty(const std::string& name, const TReaderProc& readData, const TWriterProc&, bool) {
  if (name == FPropName && readData) {
    readData(*this);
    FPropName.clear();
  }
}

void TReader::DefineBinaryProperty(const std::string& name, const TStreamProc& readData, const TStreamProc&, bool) {
  if (name != FPropName || !readData) return;
  if (ReadValue() != vaBinary) {
    RejectValue();
  }
  TMemoryStream data;
  data.WriteString(ReadBytes(ReadLength()));
  data.SetPosition(0);
  readData(data);
  FPropName.clear();
}

void TReader::ReadCollection(TCollection& collection) {
  DepthGuard guard(FDepth);
  collection.BeginUpdate();
  OnScopeExit endUpdate([&] { collection.EndUpdate(); });
  collection.Clear();
  while (!EndOfList()) {
    if (const TValueType t = NextValue(); t == vaInt8 || t == vaInt16 || t == vaInt32) ReadInteger();
    TCollectionItem* item = collection.Add();
    ReadListBegin();
    ReadProperties(item);
    ReadListEnd();
  }
  ReadListEnd();
}

// --- components

void TReader::ReadSignature() {
  char signature[4];
  FStream.ReadBuffer(signature, 4);
  if (!std::equal(signature, signature + 4, Signature)) throw EReadError(msg::InvalidImage);
}

void TReader::ReadPrefix(uint8_t& flags, int32_t& childPos) {
  flags = 0;
  childPos = 0;
  if ((PeekByte() & 0xF0) != 0xF0) return;
  uint8_t prefix = 0;
  FStream.ReadBuffer(&prefix, 1);
  flags = prefix & 0x0F;
  if (flags & ffChildPos) childPos = ReadInteger();
}

TComponent* TReader::CreateComponent(const std::string& className) {
  TClass cls = GetClass(className);
  if (!cls) return CreatePlaceholder(FOwner, className, RecordHasBounds());
  TObject* object = cls->NewInstance(static_cast<void*>(FOwner));
  auto* component = dynamic_cast<TComponent*>(object);
  if (!component) {
    delete object;
    throw EReadError(Format(msg::ClassNotFound, {className}));
  }
  return component;
}

bool TReader::RecordHasBounds() {
  const int64_t start = FStream.Position();
  OnScopeExit back([this, start] { FStream.SetPosition(start); });
  while (!EndOfList()) {
    FPropName = ReadStr();
    if (FPropName == "Width" || FPropName == "Height") return true;
    SkipValue();
  }
  return false;
}

void TReader::ReadData(TComponent* instance) {
  DepthGuard guard(FDepth);
  ReadProperties(instance);
  ReadListEnd();
  ReadChildren(instance, nullptr);
}

void TReader::ReadChildren(TComponent* instance, const TReadComponentsProc& proc) {
  DepthGuard guard(FDepth);
  OnScopeExit restore([this, oldOwner = FOwner, oldParent = FParent] {
    FOwner = oldOwner;
    FParent = oldParent;
  });
  FParent = instance->GetChildParent();
  FOwner = instance->GetChildOwner();
  if (!FOwner) FOwner = FRoot;
  std::string previous;
  while (!EndOfList()) {
    TComponent* child = ReadComponent(nullptr);
    if (auto* placeholder = dynamic_cast<TPlaceholderComponent*>(child)) placeholder->SetReadAfter(previous);
    previous = child->Name();
    if (proc) proc(child);
  }
  ReadListEnd();
}

TComponent* TReader::ReadComponent(TComponent* component) {
  uint8_t flags = 0;
  int32_t childPos = 0;
  ReadPrefix(flags, childPos);
  const std::string className = ReadStr();
  std::string name = ReadStr();
  // An inherited component was made by reading the ancestor form: it is read into.
  // Inside a component of an unknown class there is no ancestor to read into.
  const bool ancestorless = dynamic_cast<TPlaceholder*>(FParent) != nullptr;
  const bool inherited = !component && (flags & ffInherited) && !ancestorless;
  if (inherited) {
    component = FOwner ? FOwner->FindComponent(name) : nullptr;
    if (!component) throw EReadError(Format(msg::AncestorNotFound, {name}));
  }
  const bool created = component == nullptr;
  // What a record inside one holds differs from an ancestor the program does not
  // have: it is kept as read, whatever its class.
  TComponent* result = component                                ? component
                       : ancestorless && (flags & ffInherited) ? CreatePlaceholder(FOwner, className, RecordHasBounds())
                                                               : CreateComponent(className);
  TComponent* parent = FParent;
  const size_t fixupMark = FFixups.size();
  const size_t loadedMark = FLoaded.size();
  OnScopeFailure discard([&] {
    if (!created) return;
    // What was read inside the failed component may go with it.
    FFixups.resize(fixupMark);
    FLoaded.resize(loadedMark);
    result->Free();
  });
  result->SetStateFlag(csLoading, true);
  if (!inherited) {
    result->SetParentComponent(FParent);
    if (OnSetName) OnSetName(*this, result, name);
    result->SetName(name);
  }
  if (created) KeepPrefixFlags(result, flags & (ffInline | (ancestorless ? ffInherited : 0)));
  result->SetStateFlag(csReading, true);
  result->ReadState(*this);
  result->SetStateFlag(csReading, false);
  if ((flags & ffChildPos) && parent) parent->SetChildOrder(result, childPos);
  if (std::find(FLoaded.begin(), FLoaded.end(), result) == FLoaded.end()) FLoaded.push_back(result);
  return result;
}

void TReader::CallLoaded() {
  std::vector<TComponent*> loaded;
  loaded.swap(FLoaded);
  for (TComponent* c : loaded) c->Loaded();
}

TComponent* TReader::FindNestedComponent(const std::string& name) {
  const size_t dot = name.find('.');
  if (dot == std::string::npos) {
    if (TComponent* c = FRoot->FindComponent(name)) return c;
    return SameText(FRoot->Name(), name) ? FRoot : nullptr;
  }
  const std::string first = name.substr(0, dot);
  TComponent* scope = SameText(FRoot->Name(), first) ? FRoot : FindGlobalComponent(first);
  return scope ? scope->FindComponent(name.substr(dot + 1)) : nullptr;
}

void TReader::FixupReferences() {
  std::vector<Fixup> fixups;
  fixups.swap(FFixups);
  for (const Fixup& f : fixups) {
    TComponent* target = FindNestedComponent(f.Name);
    bool set = false;
    if (target) {
      try {
        SetObjectProp(f.Instance, f.Prop, target);
        set = true;
      } catch (const EPropertyError&) {
      }
    }
    // A name not found, or one that belongs to a component of another class, is
    // kept as written.
    if (auto* component = dynamic_cast<TComponent*>(f.Instance); !set && component)
      component->SetUnresolvedReference(f.Prop->Name, f.Name);
  }
}

TComponent* TReader::ReadRootComponent(TComponent* root) {
  ReadSignature();
  uint8_t flags = 0;
  int32_t childPos = 0;
  ReadPrefix(flags, childPos);
  const std::string className = ReadStr();
  const std::string name = ReadStr();
  TComponent* result = root;
  if (!result) {
    FOwner = nullptr;
    result = CreateComponent(className);
  }
  OnScopeFailure keepOrDiscard([&] {
    // What was read stays usable: its references are resolved and it leaves the
    // loading state, but nothing more is read.
    result->SetStateFlag(csReading, false);
    if (root) {
      FixupReferences();
      CallLoaded();
    } else {
      FFixups.clear();
      FLoaded.clear();
      result->Free();
    }
  });
  if (!result->IsDesigning()) {
    // The root takes the stream's name unless another global component has it.
    std::string unique = name;
    for (int i = 1; !unique.empty() && FindGlobalComponent(unique) && FindGlobalComponent(unique) != result; ++i)
      unique = Format("%s_%d", {name, i});
    result->SetName(unique);
  }
  FRoot = result;
  FOwner = result;
  FParent = nullptr;
  FLoaded.push_back(result);
  result->SetStateFlag(csLoading, true);
  result->SetStateFlag(csReading, true);
  result->ReadState(*this);
  result->SetStateFlag(csReading, false);
  FixupReferences();
  CallLoaded();
  return result;
}

void TReader::ReadComponents(TComponent* owner, TComponent* parent, const TReadComponentsProc& proc) {
  FRoot = owner;
  FOwner = owner;
  FParent = parent;
  // What was read is fixed up and loaded even when a later record fails.
  OnScopeExit finish([this] {
    FixupReferences();
    CallLoaded();
  });
  while (!EndOfList()) {
    ReadSignature();
    TComponent* component = ReadComponent(nullptr);
    if (proc) proc(component);
  }
  ReadListEnd();
}

}  // namespace kcl
