#include "kcl/classes/writer.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <optional>

#include "kcl/classes/collection.h"
#include "kcl/classes/component.h"
#include "kcl/classes/extended.h"
#include "kcl/classes/intconsts.h"
#include "kcl/classes/placeholder.h"
#include "kcl/classes/valuebytes.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/scopeguard.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

void PutLength(TStream& stream, uint32_t value) {
  const uint8_t b[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                        static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
  stream.WriteBuffer(b, 4);
}

std::string HandlerName(const TMethod& method) { return method.Code ? method.Code->Name : std::string(); }

// A component reference as written, and the key it compares by: a form's
// reference to itself matches the ancestor form's reference to itself.
struct Reference {
  std::string Name;
  std::string Key;
};

Reference ReferenceOf(TPersistent* instance, PPropInfo prop, TComponent* root) {
  auto* component = dynamic_cast<TComponent*>(GetObjectProp(instance, prop));
  if (!component) {
    const auto* owner = dynamic_cast<const TComponent*>(instance);
    const std::string kept = owner ? owner->UnresolvedReference(prop->Name) : "";
    return {kept, UpperCase(kept)};
  }
  if (component == root) return {component->Name(), "\1"};
  std::string name;
  if (component->Owner() == root)
    name = component->Name();
  else if (component->Owner() && !component->Owner()->Name().empty() && !component->Name().empty())
    name = component->Owner()->Name() + "." + component->Name();
  return {name, UpperCase(name)};
}

std::string CollectionBytes(TCollection& collection, TComponent* root) {
  TMemoryStream stream;
  TWriter writer(stream);
  writer.SetRoot(root);
  writer.WriteCollection(collection);
  return std::string(stream.View());
}

// The binary properties an object defines, by name, with the bytes each writes.
class TBinaryPropertyCapture : public TFiler {
public:
  explicit TBinaryPropertyCapture(TStream& unused) : TFiler(unused) {}
  void DefineProperty(const std::string&, const TReaderProc&, const TWriterProc&, bool) override {}
  void DefineBinaryProperty(const std::string& name, const TStreamProc&, const TStreamProc& writeData,
                            bool hasData) override {
    if (!hasData || !writeData) return;
    TMemoryStream data;
    writeData(data);
    Data[name] = std::string(data.View());
  }
  std::map<std::string, std::string> Data;
};

}  // namespace

std::map<std::string, std::string> TWriter::BinaryPropertiesOf(TPersistent* object) {
  TMemoryStream unused;
  TBinaryPropertyCapture capture(unused);
  object->DefineProperties(capture);
  return std::move(capture.Data);
}

struct TWriter::TAncestorBinary {
  TPersistent* Ancestor;
  std::optional<std::map<std::string, std::string>> Data;

  const std::string* Find(const std::string& name) {
    if (!Data) Data = BinaryPropertiesOf(Ancestor);
    const auto it = Data->find(name);
    return it == Data->end() ? nullptr : &it->second;
  }
};

// --- values

void TWriter::WriteValue(TValueType value) { FStream.WriteBuffer(&value, 1); }

void TWriter::WriteStr(const std::string& value) {
  // Names are short strings; cutting one would write a different form.
  if (value.size() > 255) throw EWriteError(msg::WriteError);
  const uint8_t length = static_cast<uint8_t>(value.size());
  FStream.WriteBuffer(&length, 1);
  FStream.WriteBuffer(value.data(), length);
}

void TWriter::WriteInteger(int32_t value) {
  if (value >= -128 && value <= 127) {
    WriteValue(vaInt8);
    const int8_t v = static_cast<int8_t>(value);
    FStream.WriteBuffer(&v, 1);
  } else if (value >= -32768 && value <= 32767) {
    WriteValue(vaInt16);
    const uint8_t b[2] = {static_cast<uint8_t>(value), static_cast<uint8_t>(static_cast<uint32_t>(value) >> 8)};
    FStream.WriteBuffer(b, 2);
  } else {
    WriteValue(vaInt32);
    PutLength(FStream, static_cast<uint32_t>(value));
  }
}

void TWriter::WriteBoolean(bool value) { WriteValue(value ? vaTrue : vaFalse); }

void TWriter::WriteChar(char value) { WriteString(std::string(1, value)); }

void TWriter::WriteFloat(long double value) {
  WriteValue(vaExtended);
  const TExtendedBytes bytes = LongDoubleToExtended(value);
  FStream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

void TWriter::WriteString(const std::string& value) {
  if (value.size() <= 255) {
    WriteValue(vaString);
    WriteStr(value);
  } else {
    WriteValue(vaLString);
    PutLength(FStream, static_cast<uint32_t>(value.size()));
    FStream.WriteBuffer(value.data(), static_cast<int64_t>(value.size()));
  }
}

void TWriter::WriteIdent(const std::string& ident) {
  if (SameText(ident, "False")) {
    WriteValue(vaFalse);
  } else if (SameText(ident, "True")) {
    WriteValue(vaTrue);
  } else if (SameText(ident, "nil")) {
    WriteValue(vaNil);
  } else {
    WriteValue(vaIdent);
    WriteStr(ident);
  }
}

void TWriter::WriteSet(const TTypeInfo* setType, int64_t value) {
  WriteValue(vaSet);
  const TTypeInfo* element = GetTypeData(setType)->CompType;
  const auto bits = static_cast<uint32_t>(value);
  for (int i = 0; i < 32; ++i)
    if (bits & (1u << i)) WriteStr(GetEnumName(element, i));
  WriteStr({});
}

void TWriter::WriteCollection(TCollection& collection) {
  // Items are whole: a collection that differs from the ancestor's is written out.
  // Each item is an instance of its own, whatever holds the collection.
  OnScopeExit restore([this, ancestor = FAncestor, path = FPropPath] {
    FAncestor = ancestor;
    FPropPath = path;
  });
  FAncestor = nullptr;
  FPropPath.clear();
  WriteValue(vaCollection);
  for (int i = 0; i < collection.Count(); ++i) {
    WriteListBegin();
    WriteProperties(collection.Items(i));
    WriteListEnd();
  }
  WriteListEnd();
}

// --- properties

void TWriter::WritePropName(const std::string& name) {
  FLastWritten = FPropPath + name;
  if (FStarts) FStarts->push_back({FLastWritten, FStream.Position()});
  WriteStr(FLastWritten);
  FValueStart = FStream.Position();
}

const TKeptProperty* TWriter::StandIn(const std::string& path) const {
  const auto* kept = FKeptOwner ? KeptProperties(FKeptOwner) : nullptr;
  if (!kept) return nullptr;
  const auto found = std::ranges::find_if(*kept, [&](const TKeptProperty& p) { return p.Stands && p.Name == path; });
  return found == kept->end() ? nullptr : &*found;
}

bool TWriter::WasRead(const std::string& name) const {
  // Below an inherited form the instance was read from the ancestor's stream too.
  return !FAncestor && FReadOrder && std::find(FReadOrder->begin(), FReadOrder->end(), FPropPath + name) != FReadOrder->end();
}

void TWriter::UseKeptValueBytes(const std::string& path) {
  const std::string* kept = FKeptOwner ? KeptValueBytes(FKeptOwner, path) : nullptr;
  if (!kept) return;
  const int64_t end = FStream.Position();
  std::string written(static_cast<size_t>(end - FValueStart), '\0');
  FStream.SetPosition(FValueStart);
  FStream.ReadBuffer(written.data(), end - FValueStart);
  const auto meaning = ValueMeaning(written);
  if (meaning && meaning == ValueMeaning(*kept)) {
    FStream.SetPosition(FValueStart);
    FStream.SetSize(FValueStart);
    Write(kept->data(), static_cast<int64_t>(kept->size()));
  }
}

void TWriter::DefineProperty(const std::string& name, const TReaderProc&, const TWriterProc& writeData, bool hasData) {
  if (!hasData || !writeData) return;
  WritePropName(name);
  writeData(*this);
}

void TWriter::DefineBinaryProperty(const std::string& name, const TStreamProc&, const TStreamProc& writeData,
                                   bool hasData) {
  if (!writeData) return;
  const std::string* ancestorData = FAncestorBinary ? FAncestorBinary->Find(name) : nullptr;
  // Below an inherited form the data is written when it differs from the
  // ancestor's, an emptied value included.
  if (!hasData && !ancestorData) return;
  TMemoryStream data;
  writeData(data);
  if (ancestorData && data.View() == *ancestorData) return;
  WritePropName(name);
  WriteValue(vaBinary);
  PutLength(FStream, static_cast<uint32_t>(data.Size()));
  FStream.WriteBuffer(data.Memory(), data.Size());
}

void TWriter::WriteProperties(TPersistent* instance) {
  if (!FPropPath.empty()) return WritePropertiesOf(instance);
  // An instance of its own (not a sub-object) brings what its reading kept.
  std::vector<TPropertyStart> starts;
  std::vector<std::string> superseded;
  OnScopeExit restore([this, owner = FKeptOwner, order = FReadOrder, saved = FStarts, set = FSuperseded] {
    FKeptOwner = owner;
    FReadOrder = order;
    FStarts = saved;
    FSuperseded = set;
  });
  FKeptOwner = instance;
  FReadOrder = ReadOrder(instance);
  FStarts = &starts;
  FSuperseded = &superseded;
  WritePropertiesOf(instance);
  if (const auto* kept = KeptProperties(instance))
    for (const TKeptProperty& property : *kept) {
      if (std::ranges::find(superseded, property.Name) != superseded.end()) continue;
      WritePropName(property.Name);
      Write(property.Value.data(), static_cast<int64_t>(property.Value.size()));
    }
  if (FReadOrder) PutInReadOrder(starts);
}

void TWriter::WritePropertiesOf(TPersistent* instance) {
  for (PPropInfo prop : GetPropInfos(instance->ClassType()))
    if (IsStoredProp(instance, prop)) WriteProperty(instance, prop);
  TAncestorBinary ancestorBinary{FAncestor, std::nullopt};
  OnScopeExit restore([this, saved = FAncestorBinary] { FAncestorBinary = saved; });
  FAncestorBinary = FAncestor ? &ancestorBinary : nullptr;
  instance->DefineProperties(*this);
}

void TWriter::PutInReadOrder(const std::vector<TPropertyStart>& starts) {
  // A property the stream did not hold follows the one written before it.
  std::vector<size_t> rank(starts.size());
  size_t last = 0;
  for (size_t i = 0; i < starts.size(); ++i) {
    const auto read = std::find(FReadOrder->begin(), FReadOrder->end(), starts[i].Path);
    if (read != FReadOrder->end()) last = static_cast<size_t>(read - FReadOrder->begin()) + 1;
    rank[i] = last;
  }
  if (std::is_sorted(rank.begin(), rank.end())) return;
  std::vector<size_t> sequence(starts.size());
  std::iota(sequence.begin(), sequence.end(), size_t{0});
  std::stable_sort(sequence.begin(), sequence.end(), [&rank](size_t a, size_t b) { return rank[a] < rank[b]; });
  const int64_t begin = starts.front().Start, end = FStream.Position();
  std::string written(static_cast<size_t>(end - begin), '\0');
  FStream.SetPosition(begin);
  FStream.ReadBuffer(written.data(), end - begin);
  std::string reordered;
  reordered.reserve(written.size());
  for (const size_t i : sequence) {
    const int64_t from = starts[i].Start - begin;
    const int64_t to = (i + 1 < starts.size() ? starts[i + 1].Start : end) - begin;
    reordered.append(written, static_cast<size_t>(from), static_cast<size_t>(to - from));
  }
  FStream.SetPosition(begin);
  Write(reordered.data(), static_cast<int64_t>(reordered.size()));
}

void TWriter::WriteProperty(TPersistent* instance, PPropInfo prop) {
  const int64_t start = FStream.Position();
  WritePropertyValue(instance, prop);
  if (FStream.Position() != start && prop->PropType->Kind != tkClass) UseKeptValueBytes(FLastWritten);
}

void TWriter::WritePropertyValue(TPersistent* instance, PPropInfo prop) {
  const TTypeInfo* type = prop->PropType;
  TPersistent* ancestor = FAncestor;
  switch (type->Kind) {
    case tkInteger: case tkChar: case tkEnumeration: case tkSet: {
      if (!prop->GetOrd) return;
      const int64_t value = GetOrdProp(instance, prop);
      if (const TKeptProperty* standIn = StandIn(FPropPath + prop->Name)) {
        if (*standIn->Stands == value) return;
        FSuperseded->push_back(standIn->Name);
      }
      if ((ancestor ? value == GetOrdProp(ancestor, prop) : prop->Default != NoDefault && value == prop->Default) &&
          !WasRead(prop->Name))
        return;
      WritePropName(prop->Name);
      if (type->Kind == tkInteger) {
        const TIntegerConsts* consts = FindIntegerConsts(type);
        std::string ident;
        if (consts && consts->IntToIdent && consts->IntToIdent(static_cast<int32_t>(value), ident))
          WriteIdent(ident);
        else
          WriteInteger(static_cast<int32_t>(value));
      } else if (type->Kind == tkChar) {
        WriteChar(static_cast<char>(value));
      } else if (type->Kind == tkEnumeration) {
        WriteIdent(GetEnumName(type, static_cast<int>(value)));
      } else {
        WriteSet(type, value);
      }
      return;
    }
    case tkFloat: {
      if (!prop->GetFloat) return;
      const long double value = GetFloatProp(instance, prop);
      if ((ancestor ? value == GetFloatProp(ancestor, prop) : value == 0) && !WasRead(prop->Name)) return;
      WritePropName(prop->Name);
      WriteFloat(value);
      return;
    }
    case tkString: case tkLString: case tkWString: {
      if (!prop->GetStr) return;
      const std::string value = GetStrProp(instance, prop);
      if ((ancestor ? value == GetStrProp(ancestor, prop) : value.empty()) && !WasRead(prop->Name)) return;
      WritePropName(prop->Name);
      WriteString(value);
      return;
    }
    case tkClass:
      if (prop->GetObj) WriteObjectProperty(instance, prop);
      return;
    case tkMethod: {
      if (!prop->GetMeth) return;
      const std::string handler = HandlerName(GetMethodProp(instance, prop));
      if (ancestor ? handler == HandlerName(GetMethodProp(ancestor, prop)) : handler.empty()) return;
      WritePropName(prop->Name);
      WriteIdent(handler.empty() ? "nil" : handler);
      return;
    }
    default: return;
  }
}

void TWriter::WriteObjectProperty(TPersistent* instance, PPropInfo prop) {
  TObject* value = GetObjectProp(instance, prop);
  TPersistent* ancestor = FAncestor;
  TObject* ancestorValue = ancestor ? GetObjectProp(ancestor, prop) : nullptr;
  if (!value || dynamic_cast<TComponent*>(value)) {
    const Reference mine = ReferenceOf(instance, prop, FRoot);
    if (ancestor ? mine.Key == ReferenceOf(ancestor, prop, FRootAncestor).Key : mine.Name.empty()) return;
    WritePropName(prop->Name);
    WriteIdent(mine.Name.empty() ? "nil" : mine.Name);
  } else if (auto* collection = dynamic_cast<TCollection*>(value)) {
    auto* ancestorCollection = dynamic_cast<TCollection*>(ancestorValue);
    if (ancestor && ancestorCollection &&
        CollectionBytes(*collection, FRoot) == CollectionBytes(*ancestorCollection, FRootAncestor))
      return;
    WritePropName(prop->Name);
    WriteCollection(*collection);
  } else if (auto* persistent = dynamic_cast<TPersistent*>(value)) {
    // The sub-object is written against the ancestor's own sub-object.
    OnScopeExit restore([this, ancestor, savedPath = FPropPath] {
      FPropPath = savedPath;
      FAncestor = ancestor;
    });
    FPropPath += prop->Name + ".";
    FAncestor = ancestor ? dynamic_cast<TPersistent*>(ancestorValue) : nullptr;
    WriteProperties(persistent);
  }
}

// --- components

void TWriter::WriteSignature() { FStream.WriteBuffer("TPF0", 4); }

void TWriter::WritePrefix(uint8_t flags, int32_t childPos) {
  if (flags == 0) return;
  const uint8_t prefix = 0xF0 | flags;
  FStream.WriteBuffer(&prefix, 1);
  if (flags & ffChildPos) WriteInteger(childPos);
}

void TWriter::WriteComponentData(TComponent* component) {
  WriteComponentRecord(component, [this, component] { WriteProperties(component); });
}

void TWriter::WriteRawProperty(const std::string& name, const std::string& value) {
  WriteStr(name);
  Write(value.data(), static_cast<int64_t>(value.size()));
}

void TWriter::WriteComponentRecord(TComponent* component, const std::function<void()>& writeProperties) {
  auto* ancestor = dynamic_cast<TComponent*>(FAncestor);
  const int64_t start = FStream.Position();
  const bool placed = FAncestorList && FAncestorPos < static_cast<int>(FAncestorList->size());
  uint8_t flags = (ancestor ? ffInherited : 0) | KeptPrefixFlags(component);
  // A child that is new, or inherited but moved, says where it stands among the
  // ancestor's children.
  if (placed && (!ancestor || (*FAncestorList)[FAncestorPos] != ancestor)) flags |= ffChildPos;
  WritePrefix(flags, FChildPos);
  // A class name 240 characters long or more would read as a prefix: it gets one.
  if (flags == 0 && component->ClassName().size() >= 0xF0) WriteValue(static_cast<TValueType>(0xF0));
  WriteStr(component->ClassName());
  WriteStr(component->Name());
  const int64_t propertiesStart = FStream.Position();
  if (placed) {
    if (ancestor) ++FAncestorPos;
    ++FChildPos;
  }
  writeProperties();
  WriteListEnd();
  WriteChildren(component, ancestor);
  WriteListEnd();
  // An inherited component with nothing of its own is left out.
  if (component != FRoot && flags == ffInherited && FStream.Position() == propertiesStart + 2) {
    FStream.SetPosition(start);
    FRolledBack = true;
  }
}

void TWriter::WriteChildren(TComponent* component, TComponent* ancestor) {
  const auto* savedList = FAncestorList;
  const int savedPos = FAncestorPos, savedChildPos = FChildPos;
  std::vector<TComponent*> ancestorChildren;
  if (ancestor) ancestor->GetChildren([&](TComponent* child) { ancestorChildren.push_back(child); }, FRootAncestor);
  OnScopeExit restore([&] {
    FAncestorList = savedList;
    FAncestorPos = savedPos;
    FChildPos = savedChildPos;
  });
  FAncestorList = ancestor ? &ancestorChildren : nullptr;
  FAncestorPos = FChildPos = 0;
  std::vector<TComponent*> children;
  component->GetChildren([&children](TComponent* child) { children.push_back(child); }, FRoot);
  AddPlaceholderChildren(FRoot, component, children);
  for (TComponent* child : children) WriteComponent(child);
}

// The ancestor's child of the same name, when it is of a class the component
// derives from.
TComponent* TWriter::FindAncestor(const TComponent* component) const {
  for (TComponent* candidate : *FAncestorList)
    if (SameText(candidate->Name(), component->Name()))
      return component->InheritsFrom(candidate->ClassType()) ? candidate : nullptr;
  return nullptr;
}

void TWriter::WriteComponent(TComponent* component) {
  OnScopeExit restore([this, component, savedAncestor = FAncestor] {
    component->SetStateFlag(csWriting, false);
    FAncestor = savedAncestor;
  });
  if (FAncestorList) FAncestor = FindAncestor(component);
  component->SetStateFlag(csWriting, true);
  component->WriteState(*this);
}

void TWriter::WriteRootComponent(TComponent* root) { WriteDescendent(root, nullptr); }

void TWriter::WriteDescendent(TComponent* root, TComponent* ancestor) {
  FRoot = root;
  FRootAncestor = ancestor;
  FAncestor = ancestor;
  FRolledBack = false;
  WriteSignature();
  WriteComponent(root);
  // Components left out may leave bytes behind the end.
  if (FRolledBack && FStream.Size() > FStream.Position()) FStream.SetSize(FStream.Position());
}

}  // namespace kcl
