#include "kcl/classes/writer.h"

#include "kcl/classes/collection.h"
#include "kcl/classes/component.h"
#include "kcl/classes/extended.h"
#include "kcl/classes/intconsts.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

void PutLength(TStream& stream, uint32_t value) {
  const uint8_t b[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                        static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
  stream.WriteBuffer(b, 4);
}

}  // namespace

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
  WriteValue(vaCollection);
  for (int i = 0; i < collection.Count(); ++i) {
    WriteListBegin();
    WriteProperties(collection.Items(i));
    WriteListEnd();
  }
  WriteListEnd();
}

// --- properties

void TWriter::WritePropName(const std::string& name) { WriteStr(FPropPath + name); }

void TWriter::DefineProperty(const std::string& name, const TReaderProc&, const TWriterProc& writeData, bool hasData) {
  if (!hasData || !writeData) return;
  WritePropName(name);
  writeData(*this);
}

void TWriter::DefineBinaryProperty(const std::string& name, const TStreamProc&, const TStreamProc& writeData,
                                   bool hasData) {
  if (!hasData || !writeData) return;
  WritePropName(name);
  TMemoryStream data;
  writeData(data);
  WriteValue(vaBinary);
  PutLength(FStream, static_cast<uint32_t>(data.Size()));
  FStream.WriteBuffer(data.Memory(), data.Size());
}

void TWriter::WriteProperties(TPersistent* instance) {
  for (PPropInfo prop : GetPropInfos(instance->ClassType()))
    if (IsStoredProp(instance, prop)) WriteProperty(instance, prop);
  instance->DefineProperties(*this);
}

void TWriter::WriteProperty(TPersistent* instance, PPropInfo prop) {
  const TTypeInfo* type = prop->PropType;
  switch (type->Kind) {
    case tkInteger: case tkChar: case tkEnumeration: case tkSet: {
      if (!prop->GetOrd) return;
      const int64_t value = GetOrdProp(instance, prop);
      if (prop->Default != NoDefault && value == prop->Default) return;
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
      if (value == 0) return;
      WritePropName(prop->Name);
      WriteFloat(value);
      return;
    }
    case tkString: case tkLString: case tkWString: {
      if (!prop->GetStr) return;
      const std::string value = GetStrProp(instance, prop);
      if (value.empty()) return;
      WritePropName(prop->Name);
      WriteString(value);
      return;
    }
    case tkClass: {
      if (!prop->GetObj) return;
      TObject* value = GetObjectProp(instance, prop);
      if (!value) {
        const auto* component = dynamic_cast<const TComponent*>(instance);
        const std::string kept = component ? component->UnresolvedReference(prop->Name) : "";
        if (!kept.empty()) {
          WritePropName(prop->Name);
          WriteIdent(kept);
        }
        return;
      }
      if (auto* component = dynamic_cast<TComponent*>(value)) {
        std::string name;
        if (component->Owner() == FRoot || component == FRoot)
          name = component->Name();
        else if (component->Owner() && !component->Owner()->Name().empty() && !component->Name().empty())
          name = component->Owner()->Name() + "." + component->Name();
        if (name.empty()) return;
        WritePropName(prop->Name);
        WriteIdent(name);
      } else if (auto* collection = dynamic_cast<TCollection*>(value)) {
        WritePropName(prop->Name);
        WriteCollection(*collection);
      } else if (auto* persistent = dynamic_cast<TPersistent*>(value)) {
        const std::string savedPath = FPropPath;
        FPropPath += prop->Name + ".";
        try {
          WriteProperties(persistent);
        } catch (...) {
          FPropPath = savedPath;
          throw;
        }
        FPropPath = savedPath;
      }
      return;
    }
    case tkMethod: {
      if (!prop->GetMeth) return;
      const TMethod method = GetMethodProp(instance, prop);
      if (!method.Code || method.Code->Name.empty()) return;
      WritePropName(prop->Name);
      WriteIdent(method.Code->Name);
      return;
    }
    default: return;
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
  WritePrefix(0, 0);
  WriteStr(component->ClassName());
  WriteStr(component->Name());
  WriteProperties(component);
  WriteListEnd();
  component->GetChildren([this](TComponent* child) { WriteComponent(child); }, FRoot);
  WriteListEnd();
}

void TWriter::WriteComponent(TComponent* component) {
  component->SetStateFlag(csWriting, true);
  try {
    component->WriteState(*this);
  } catch (...) {
    component->SetStateFlag(csWriting, false);
    throw;
  }
  component->SetStateFlag(csWriting, false);
}

void TWriter::WriteRootComponent(TComponent* root) {
  FRoot = root;
  WriteSignature();
  WriteComponent(root);
}

}  // namespace kcl
