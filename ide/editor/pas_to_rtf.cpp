#include "ide/editor/pas_to_rtf.h"

#include <algorithm>
#include <cassert>
#include <climits>
#include <cstring>
#include <memory>

#include "ide/editor/pas_scanrun.h"
#include "kcl/classes/stringlist.h"
#include "kcl/system/syscolors.h"
#include "kcl/rtl/sysutils.h"
#include "kcl/system/registry.h"

namespace korvax::editor {

namespace {

// --- The RTF document

constexpr std::string_view RtfHeader =
    "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS SansSerif;}"
    "{\\f1\\froman\\fcharset2 Symbol;}{\\f2\\fmodern Courier New;}}\r\n";
constexpr std::string_view RtfBodyStart = "\\deflang1033\\pard\\plain\\f2\\fs20 ";
constexpr std::string_view RtfTrailer = "\r\n\\par }{\r\n";
constexpr std::string_view RtfLineEnd = "\\par ";

constexpr std::string_view WithoutLastByte(std::string_view s) { return s.substr(0, s.size() - 1); }

// Characters that RTF reads as markup; comments, strings, symbols and plain text
// may hold them.
constexpr std::array<uint8_t, 256> NeedsBackslash = [] {
  std::array<uint8_t, 256> needs{};
  for (const char c : {'\\', '{', '}'}) needs[static_cast<unsigned char>(c)] = 1;
  return needs;
}();

bool NeedsEscaping(TPasTokenKind kind) {
  return kind == ptComment || kind == ptString || kind == ptSymbol || kind == ptPlainText;
}

// The longest opening, every style on the kind of the highest number, fits.
static_assert(std::string_view("{\\b \\i \\u \\cf10 ").size() <= sizeof(TRtfGroupMarkup::Opening));
static_assert(PasTokenKindCount <= 11 && RtfLineEnd.size() <= sizeof(TRtfGroupMarkup::Closing));

template <size_t N>
void Put(std::array<char, N>& markup, uint8_t& size, std::string_view s) {
  assert(s.size() <= N - size);
  std::copy(s.begin(), s.end(), markup.begin() + size);
  size = static_cast<uint8_t>(size + s.size());
}

TRtfGroupMarkup GroupMarkup(TPasTokenKind kind, const TPasTokenStyle& style) {
  TRtfGroupMarkup markup;
  markup.Escape = NeedsEscaping(kind);
  if (kind == ptLineBreak) Put(markup.Closing, markup.ClosingSize, RtfLineEnd);
  if (!style.HasStyle) return markup;
  Put(markup.Opening, markup.OpeningSize, "{");
  if (style.Bold) Put(markup.Opening, markup.OpeningSize, "\\b ");
  if (style.Italic) Put(markup.Opening, markup.OpeningSize, "\\i ");
  // Delphi's own word for underline here; the framework's rich edit reads it so.
  if (style.Underline) Put(markup.Opening, markup.OpeningSize, "\\u ");
  Put(markup.Opening, markup.OpeningSize, "\\cf" + kcl::IntToStr(static_cast<int64_t>(kind)) + " ");
  if (kind != ptLineBreak) Put(markup.Closing, markup.ClosingSize, "}");
  return markup;
}

// The document on its way to the destination: its bytes gather in a chunk of
// fixed size, which is written out whenever the next piece would not fit.
class TRtfDocumentWriter final : public TPasTokenSink {
public:
  TRtfDocumentWriter(kcl::TStream& destination, const std::array<TRtfGroupMarkup, PasTokenKindCount>& markup,
                     std::string_view text)
      : FDestination(destination),
        FMarkup(markup),
        FTextEnd(text.data() + text.size()),
        FChunk(std::make_unique_for_overwrite<char[]>(TPasRtfWriter::ChunkSize)),
        FOut(FChunk.get()),
        FChunkEnd(FChunk.get() + TPasRtfWriter::ChunkSize) {}

  void Append(std::string_view s) {
    if (s.size() > Room()) return AppendInParts(s, false);
    std::memcpy(FOut, s.data(), s.size());
    FOut += s.size();
  }

  // The token as a group: its kind's opening, its text and the closing. Most are
  // short and have room: their parts copy in moves of fixed size, writing up to
  // FixedCopySlack bytes past their end, which the next part overwrites.
  [[gnu::always_inline]] void Token(TPasTokenKind kind, std::string_view text) override {
    const TRtfGroupMarkup& markup = FMarkup[kind];
    if (2 * text.size() + FixedCopySlack > Room()) return LongToken(markup, text);
    char* out = FOut;
    std::memcpy(out, markup.Opening.data(), markup.Opening.size());
    out += markup.OpeningSize;
    out = markup.Escape ? CopyEscaped(out, text) : CopyPlain(out, text);
    std::memcpy(out, markup.Closing.data(), markup.Closing.size());
    FOut = out + markup.ClosingSize;
  }

  void Flush() {
    FDestination.WriteBuffer(FChunk.get(), FOut - FChunk.get());
    FOut = FChunk.get();
  }

private:
  static constexpr size_t ShortText = 16;
  static constexpr size_t FixedCopySlack = sizeof(TRtfGroupMarkup::Opening) + ShortText + sizeof(TRtfGroupMarkup::Closing);

  size_t Room() const { return static_cast<size_t>(FChunkEnd - FOut); }

  char* CopyPlain(char* out, std::string_view text) const {
    // A short text is copied with the bytes after it when the source has them.
    if (text.size() <= ShortText && FTextEnd - text.data() >= static_cast<ptrdiff_t>(ShortText))
      std::memcpy(out, text.data(), ShortText);
    else
      std::memcpy(out, text.data(), text.size());
    return out + text.size();
  }

  static char* CopyEscaped(char* out, std::string_view text) {
    for (const char c : text) {
      *out = '\\';
      out += NeedsBackslash[static_cast<unsigned char>(c)];
      *out++ = c;
    }
    return out;
  }

  void LongToken(const TRtfGroupMarkup& markup, std::string_view text) {
    Append(std::string_view(markup.Opening.data(), markup.OpeningSize));
    AppendInParts(text, markup.Escape);
    Append(std::string_view(markup.Closing.data(), markup.ClosingSize));
  }

  // A chunk at a time, escaping at most doubling a part.
  void AppendInParts(std::string_view s, bool escape) {
    while (!s.empty()) {
      const size_t part = std::min(s.size(), escape ? Room() / 2 : Room());
      if (part == 0) {
        Flush();
        continue;
      }
      if (escape) {
        FOut = CopyEscaped(FOut, s.substr(0, part));
      } else {
        std::memcpy(FOut, s.data(), part);
        FOut += part;
      }
      s.remove_prefix(part);
    }
  }

  kcl::TStream& FDestination;
  const std::array<TRtfGroupMarkup, PasTokenKindCount>& FMarkup;
  const char* FTextEnd;
  std::unique_ptr<char[]> FChunk;
  char* FOut;
  char* FChunkEnd;
};

// --- Settings

// The registry value of each kind, in kind order; kinds without one are empty.
constexpr std::array<std::string_view, PasTokenKindCount> SettingNames = {
    "Assembler", "Comment", "", "", "Identifier", "Reserved_Word",
    "Number", "Whitespace", "String", "Symbol", "Plain_Text",
};

// "foreground,background,styles,..." with the foreground decimal or "$" hexadecimal.
TPasTokenStyle ParseStyle(const std::string& value) {
  kcl::TStringList fields;
  fields.SetCommaText(value);
  TPasTokenStyle style;
  style.HasStyle = true;
  style.Color = kcl::ColorToRGB(fields.Count() > 0 ? kcl::StrToIntDef(fields.Strings(0), 0) : 0);
  const std::string letters = fields.Count() > 2 ? fields.Strings(2) : std::string();
  style.Bold = letters.find('B') != std::string::npos;
  style.Italic = letters.find('I') != std::string::npos;
  style.Underline = letters.find('U') != std::string::npos;
  return style;
}

}  // namespace

TPasHighlightSettings ReadPasHighlightSettings(int version, const std::string& hiveFile) {
  if (version != 2 && version != 3)
    throw EPasConversionError("Only syntax highlighting from Delphi 2 and 3 are supported");
  kcl::TRegIniFile registry(hiveFile);
  registry.OpenKey(version == 2 ? "Software\\Borland\\Delphi\\2.0" : "Software\\Borland\\Delphi\\3.0");
  TPasHighlightSettings settings;
  for (size_t kind = 0; kind < PasTokenKindCount; ++kind) {
    if (SettingNames[kind].empty()) continue;
    settings[kind] = ParseStyle(registry.ReadString("HighLight", SettingNames[kind], "0,0,,0,0,0,0"));
  }
  registry.CloseKey();
  return settings;
}

TPasRtfWriter::TPasRtfWriter() {
  // Without settings every kind is bare, and the colour table is empty.
  ApplySettings(TPasHighlightSettings());
  FColorTable.clear();
}

void TPasRtfWriter::ReadHighlightSettings(int version) {
  ReadHighlightSettings(version, kcl::WineUserRegistryFile());
}

void TPasRtfWriter::ReadHighlightSettings(int version, const std::string& hiveFile) {
  FColorTable.clear();
  ApplySettings(ReadPasHighlightSettings(version, hiveFile));
}

void TPasRtfWriter::ApplySettings(const TPasHighlightSettings& settings) {
  FColorTable.clear();
  for (size_t kind = 0; kind < PasTokenKindCount; ++kind) {
    const TPasTokenStyle& style = settings[kind];
    const auto byte = [&](int shift) { return kcl::IntToStr((style.Color >> shift) & 0xFF); };
    FColorTable += "\\red" + byte(0) + "\\green" + byte(8) + "\\blue" + byte(16) + ";";
    FMarkup[kind] = GroupMarkup(static_cast<TPasTokenKind>(kind), style);
  }
}

size_t TPasRtfWriter::EstimatedSize(size_t textSize) {
  // Real units come to two to three times their size; room that is never written
  // costs no memory.
  return 1024 + 3 * textSize;
}

size_t TPasRtfWriter::Write(std::string_view text, kcl::TStream& destination) {
  TRtfDocumentWriter out(destination, FMarkup, text);
  out.Append(RtfHeader);
  out.Append("{\\colortbl");
  out.Append(FColorTable);
  out.Append("}\r\n");
  // The document ends one byte short of the format's: without the trailer's final
  // LF, or for an empty text without the blank after the header.
  size_t converted = 0;
  if (text.empty()) {
    out.Append(WithoutLastByte(RtfBodyStart));
  } else {
    out.Append(RtfBodyStart);
    converted = FScanner.ScanTo(text, out);
    out.Append(WithoutLastByte(RtfTrailer));
  }
  out.Flush();
  return converted;
}

int TPasConversion::ConvertToRtf() {
  kcl::TMemoryStream document;
  document.Reserve(static_cast<int64_t>(TPasRtfWriter::EstimatedSize(View().size())));
  const size_t converted = FWriter.Write(View(), document);
  Swap(document);
  SetPosition(0);
  return static_cast<int>(std::min<size_t>(converted, INT_MAX));
}

}  // namespace korvax::editor
