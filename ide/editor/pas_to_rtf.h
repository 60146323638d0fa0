#pragma once
// TPasConversion: Pascal source turned into an RTF document in which every token
// has the colour and style that the compiler's own editor gives it. The stream
// holds the text before ConvertToRtf and the document after it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "kcl/classes/streams.h"
#include "kcl/rtl/exceptions.h"

namespace korvax::editor {

// The number of a kind is also its entry in the RTF colour table.
enum TPasTokenKind {
  ptAssembler,
  ptComment,
  ptLineBreak,
  ptDirective,
  ptIdentifier,
  ptReservedWord,
  ptNumber,
  ptWhitespace,
  ptString,
  ptSymbol,
  ptPlainText,
};
inline constexpr size_t PasTokenKindCount = 11;

class EPasConversionError : public kcl::Exception {
public:
  using Exception::Exception;
};

// How the compiler's editor shows one kind of token. Line breaks and directives
// have no setting: they keep the document's default formatting.
struct TPasTokenStyle {
  bool HasStyle = false;
  int32_t Color = 0;  // RGB in the byte order $00BBGGRR
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
};
using TPasHighlightSettings = std::array<TPasTokenStyle, PasTokenKindCount>;

// The settings of compiler version 2 or 3 from the registry hive in hiveFile; what
// the hive does not hold is black without style. Other versions raise
// EPasConversionError.
TPasHighlightSettings ReadPasHighlightSettings(int version, const std::string& hiveFile);

class TPasTokenSink {
public:
  virtual void Token(TPasTokenKind kind, std::string_view text) = 0;

protected:
  ~TPasTokenSink() = default;
};

// Splits Pascal text into display tokens. Whether a property declaration is open
// carries over from one Scan to the next.
class TPasScanner {
public:
  // Passes the tokens of text, up to its end or its first NUL, to sink in order and
  // returns how many bytes that is. An unterminated string raises
  // EPasConversionError "Invalid string".
  size_t Scan(std::string_view text, TPasTokenSink& sink);

private:
  bool FInProperty = false;
};

// Pascal texts to RTF documents written to a stream in chunks of fixed size, so
// that a document never has to be whole in memory. The colours come from the
// compiler's settings; whether a property declaration is open carries over from
// one document to the next.
class TPasRtfWriter {
public:
  static constexpr size_t ChunkSize = 64 * 1024;

  // From the current user's registry: Wine's user.reg.
  void ReadHighlightSettings(int version);
  void ReadHighlightSettings(int version, const std::string& hiveFile);

  // Writes the document of text to destination and returns the number of text
  // bytes converted. On an error, what was written before it stays written.
  size_t Write(std::string_view text, kcl::TStream& destination);

  // An upper bound of the document's size for most texts, to reserve room for.
  static size_t EstimatedSize(size_t textSize);

private:
  void ApplySettings(const TPasHighlightSettings& settings);

  std::string FColorTable;
  std::array<std::string, PasTokenKindCount> FOpening;
  std::array<std::string, PasTokenKindCount> FClosing;
  TPasScanner FScanner;
};

class TPasConversion : public kcl::TMemoryStream {
public:
  void ReadHighlightSettings(int version) { FWriter.ReadHighlightSettings(version); }
  void ReadHighlightSettings(int version, const std::string& hiveFile) {
    FWriter.ReadHighlightSettings(version, hiveFile);
  }

  // Replaces the Pascal text in the stream by the RTF document, positioned at its
  // start, and returns the number of text bytes converted. On an error the stream
  // keeps the text.
  int ConvertToRtf();

private:
  TPasRtfWriter FWriter;
};

}  // namespace korvax::editor
