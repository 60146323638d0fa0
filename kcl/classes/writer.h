#pragma once
// TWriter: writes components and values to the binary component stream exactly as
// Delphi 3 writes them: published properties in declaration order, ancestors first,
// values equal to their defaults skipped, the smallest integer type chosen. What
// was read from a stream is written as it stood there (keptproperties.h).
// Below an inherited form only what differs from the ancestor form is written.
#include <map>

#include "kcl/classes/filer.h"
#include "kcl/classes/keptproperties.h"

namespace kcl {

class TWriter : public TFiler {
public:
  explicit TWriter(TStream& stream) : TFiler(stream) {}

  // The root and everything it owns, with its signature.
  void WriteRootComponent(TComponent* root);
  // The root as the differences from ancestor, the form it inherits from (an
  // instance of the root's base class): components found by name in the ancestor
  // are written as "inherited", and left out when nothing of theirs differs.
  void WriteDescendent(TComponent* root, TComponent* ancestor);
  // One component (with its children) relative to Root(); no signature.
  void WriteComponent(TComponent* component);
  void WriteSignature();
  void WritePrefix(uint8_t flags, int32_t childPos);

  void WriteValue(TValueType value);
  void WriteListBegin() { WriteValue(vaList); }
  void WriteListEnd() { WriteValue(vaNull); }
  void WriteInteger(int32_t value);
  void WriteBoolean(bool value);
  void WriteChar(char value);
  void WriteFloat(long double value);
  void WriteString(const std::string& value);
  // "False", "True" and "nil" become their own value types.
  void WriteIdent(const std::string& ident);
  void WriteStr(const std::string& value);  // a short string without value type
  void WriteCollection(TCollection& collection);
  void Write(const void* buffer, int64_t count) { FStream.WriteBuffer(buffer, count); }

  void DefineProperty(const std::string& name, const TReaderProc& readData, const TWriterProc& writeData,
                      bool hasData) override;
  void DefineBinaryProperty(const std::string& name, const TStreamProc& readData, const TStreamProc& writeData,
                            bool hasData) override;

  // Used by TComponent::WriteState.
  void WriteProperties(TPersistent* instance);
  void WriteComponentData(TComponent* component);
  // The component's record with its properties as writeProperties writes them.
  void WriteComponentRecord(TComponent* component, const std::function<void()>& writeProperties);
  // A property's name and its value's bytes as read (value type first).
  void WriteRawProperty(const std::string& name, const std::string& value);

private:
  struct TPropertyStart {
    std::string Path;
    int64_t Start;
  };
  // The published and defined properties of instance (or of a sub-object).
  void WritePropertiesOf(TPersistent* instance);
  // Whether the stream the instance being written was read from held the property.
  bool WasRead(const std::string& name) const;
  // Moves the properties written since starts.front() into the order they were read in.
  void PutInReadOrder(const std::vector<TPropertyStart>& starts);
  // The kept property that stands for the known property at path, if any.
  const TKeptProperty* StandIn(const std::string& path) const;
  void WriteProperty(TPersistent* instance, PPropInfo prop);
  void WritePropertyValue(TPersistent* instance, PPropInfo prop);
  // Puts back the bytes a later version wrote for the value just written, when
  // they mean the same.
  void UseKeptValueBytes(const std::string& path);
  void WriteObjectProperty(TPersistent* instance, PPropInfo prop);
  void WritePropName(const std::string& name);
  void WriteSet(const TTypeInfo* setType, int64_t value);
  void WriteChildren(TComponent* component, TComponent* ancestor);
  TComponent* FindAncestor(const TComponent* component) const;
  static std::map<std::string, std::string> BinaryPropertiesOf(TPersistent* object);

  std::string FPropPath;
  std::string FLastWritten;
  const TPersistent* FKeptOwner = nullptr;  // the instance whose kept values apply
  const std::vector<std::string>* FReadOrder = nullptr;  // its properties as read
  std::vector<TPropertyStart>* FStarts = nullptr;      // where its properties begin
  std::vector<std::string>* FSuperseded = nullptr;     // its kept properties set anew since
  int64_t FValueStart = 0;                  // where the last property's value began
  TComponent* FRootAncestor = nullptr;
  // The ancestor's children while a component that has an ancestor writes its own:
  // the inherited ones are matched by name, the others placed by position.
  const std::vector<TComponent*>* FAncestorList = nullptr;
  int FAncestorPos = 0;
  int FChildPos = 0;
  bool FRolledBack = false;
  // What the ancestor of the object being written defines as binary data, read
  // from it once the object defines binary data of its own.
  struct TAncestorBinary;
  TAncestorBinary* FAncestorBinary = nullptr;
};

}  // namespace kcl
