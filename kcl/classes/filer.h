#pragma once
// TFiler, TReader and TWriter: the framework's binary component stream ("TPF0",
// Delphi 3's value types), used for form files, the clipboard and DefineProperties.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "kcl/classes/persistent.h"
#include "kcl/classes/streams.h"

namespace kcl {

class TReader;
class TWriter;
class TCollection;

// The value types of the component stream; nothing newer than Delphi 3 is written.
// Delphi 3 writes the types up to vaCollection; later versions' streams hold the
// others, which are read and kept but never written for Delphi 3's own values.
enum TValueType : uint8_t {
  vaNull, vaList, vaInt8, vaInt16, vaInt32, vaExtended, vaString, vaIdent,
  vaFalse, vaTrue, vaBinary, vaSet, vaLString, vaNil, vaCollection,
  vaSingle, vaCurrency, vaDate, vaWString, vaInt64, vaUTF8String, vaDouble
};
constexpr uint8_t vaLastDelphi3 = vaCollection;
constexpr uint8_t vaLastKnown = vaDouble;

// Filer flags, written as a prefix byte $F0 | flags before a component's class
// name; ffInline marks a frame embedded in a later version's form.
enum : uint8_t { ffInherited = 1, ffChildPos = 2, ffInline = 4 };

using TReaderProc = std::function<void(TReader&)>;
using TWriterProc = std::function<void(TWriter&)>;
using TStreamProc = std::function<void(TStream&)>;

class TFiler {
public:
  explicit TFiler(TStream& stream) : FStream(stream) {}
  virtual ~TFiler() = default;
  TFiler(const TFiler&) = delete;
  TFiler& operator=(const TFiler&) = delete;

  TStream& Stream() { return FStream; }
  TComponent* Root() const { return FRoot; }
  void SetRoot(TComponent* root) { FRoot = root; }
  TPersistent* Ancestor() const { return FAncestor; }
  void SetAncestor(TPersistent* ancestor) { FAncestor = ancestor; }

  // A value streamed through the filer rather than as a published property. The
  // reader calls readData when it meets the name; the writer calls writeData when
  // hasData is true.
  virtual void DefineProperty(const std::string& name, const TReaderProc& readData, const TWriterProc& writeData,
                              bool hasData) = 0;
  // Binary data: a 32-bit length followed by the bytes the stream procs move.
  virtual void DefineBinaryProperty(const std::string& name, const TStreamProc& readData,
                                    const TStreamProc& writeData, bool hasData) = 0;

protected:
  TStream& FStream;
  TComponent* FRoot = nullptr;
  TPersistent* FAncestor = nullptr;
};

}  // namespace kcl
