#pragma once
// TReader: reads components and values from the binary component stream.
#include <memory>
#include <utility>
#include <vector>

#include "kcl/classes/filer.h"
#include "kcl/classes/valuebytes.h"

namespace kcl {

using TSetNameEvent = std::function<void(TReader& reader, TComponent* component, std::string& name)>;
using TReadComponentsProc = std::function<void(TComponent* component)>;
// Return true to skip the failing property and go on reading.
using TReaderError = std::function<bool(TReader& reader, const std::string& message)>;

class TReader : public TFiler {
public:
  explicit TReader(TStream& stream);
  ~TReader() override;

  TComponent* Owner() const { return FOwner; }
  void SetOwner(TComponent* owner) { FOwner = owner; }
  TComponent* Parent() const { return FParent; }
  void SetParent(TComponent* parent) { FParent = parent; }
  TSetNameEvent OnSetName;
  TReaderError OnError;

  // Components. ReadRootComponent reads "TPF0" and a whole tree into root (or into a
  // new instance of the stream's class when root is nullptr); ReadComponents reads
  // signed records until the list end, each owned by owner with parent as parent.
  TComponent* ReadRootComponent(TComponent* root);
  void ReadComponents(TComponent* owner, TComponent* parent, const TReadComponentsProc& proc);
  TComponent* ReadComponent(TComponent* component);
  void ReadSignature();
  void ReadPrefix(uint8_t& flags, int32_t& childPos);

  // Values.
  TValueType NextValue();
  TValueType ReadValue();
  void CheckValue(TValueType expected);
  bool EndOfList();
  void ReadListBegin() { CheckValue(vaList); }
  void ReadListEnd() { CheckValue(vaNull); }
  int32_t ReadInteger();
  bool ReadBoolean();
  char ReadChar();
  long double ReadFloat();
  std::string ReadString();
  std::string ReadIdent();
  std::string ReadStr();  // a short string without value type: names
  void SkipValue();
  // The next value's bytes, value type first, read whole.
  std::string ReadRawValue();
  // A property's name and its value's bytes.
  std::pair<std::string, std::string> ReadRawProperty();
  void ReadCollection(TCollection& collection);
  void Read(void* buffer, int64_t count) { FStream.ReadBuffer(buffer, count); }

  void DefineProperty(const std::string& name, const TReaderProc& readData, const TWriterProc& writeData,
                      bool hasData) override;
  void DefineBinaryProperty(const std::string& name, const TStreamProc& readData, const TStreamProc& writeData,
                            bool hasData) override;

  const std::string& PropName() const { return FPropName; }
  // Resolves the component references read so far against the root's components.
  void FixupReferences();

  // A component's properties and children (TComponent::ReadState calls it).
  void ReadData(TComponent* instance);
  // A component's child records, up to the end of their list; proc hears of each.
  void ReadChildren(TComponent* instance, const TReadComponentsProc& proc);
  // Finds the published method an event names; OnFindMethod may supply one.
  std::function<const TMethodEntry*(TReader& reader, const std::string& methodName)> OnFindMethod;

private:
  struct Fixup {
    TPersistent* Instance = nullptr;
    PPropInfo Prop = nullptr;
    std::string Name;
  };
  uint8_t PeekByte();
  void CheckDepth();
  TComponent* CreateComponent(const std::string& className);
  // Whether the properties ahead give bounds (a control's record).
  bool RecordHasBounds();
  void CallLoaded();
  TComponent* FindNestedComponent(const std::string& name);
  using TPropertiesReadList = std::vector<std::pair<TPersistent*, std::string>>;
  // Reads one property record and gives its path.
  std::string ReadProperty(TPersistent* instance, TPropertiesReadList& read);
  // Reads properties up to the end of the list and tells each object which it got.
  void ReadProperties(TPersistent* instance);
  void ReadPropValue(TPersistent* instance, PPropInfo prop);
  int64_t ReadSet(const TTypeInfo* setType);
  [[noreturn]] void PropertyError();
  [[noreturn]] void PropValueError();
  // Goes back over the value just read, skips it whole and raises PropValueError.
  [[noreturn]] void RejectValue();
  std::string ReadBytes(int64_t count);
  // The stream's bytes in [start, end), which ends where they end.
  std::string ReadBytesBetween(int64_t start, int64_t end);
  // A value of a type later than Delphi 3's, read whole; nullopt for the others.
  std::optional<TValueMeaning> ReadLaterValue();
  [[noreturn]] static void LaterValueError(uint8_t type, const char* wanted);
  uint32_t ReadLength();  // 32-bit little-endian

  TComponent* FOwner = nullptr;
  TComponent* FParent = nullptr;
  std::string FPropName;
  bool FCanHandleExcepts = false;
  std::vector<Fixup> FFixups;
  std::vector<TComponent*> FLoaded;
  int FDepth = 0;
};

}  // namespace kcl
