#pragma once
// TPasConversion: Pascal source turned into an RTF document in which every token
// has the colour and style that the compiler's own editor gives it. The stream
// holds the text before ConvertToRtf and the document after it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "ide/editor/pas_scanner.h"
#include "kcl/classes/streams.h"

namespace korvax::editor {

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

// How the group of one kind of token starts and ends in the document, padded so
// that each part copies in one move of a fixed size.
struct TRtfGroupMarkup {
  std::array<char, 16> Opening{};
  std::array<char, 8> Closing{};
  uint8_t OpeningSize = 0;
  uint8_t ClosingSize = 0;
  bool Escape = false;
};

// Pascal texts to RTF documents written to a stream in chunks of fixed size, so
// that a document never has to be whole in memory. The colours come from the
// compiler's settings; whether a property declaration is open carries over from
// one document to the next.
class TPasRtfWriter {
public:
  static constexpr size_t ChunkSize = 64 * 1024;

  TPasRtfWriter();

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
  std::array<TRtfGroupMarkup, PasTokenKindCount> FMarkup;
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
