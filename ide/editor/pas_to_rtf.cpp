#include "ide/editor/pas_to_rtf.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "ide/editor/pas_words.h"
#include "kcl/classes/stringlist.h"
#include "kcl/system/syscolors.h"
#include "kcl/rtl/sysutils.h"
#include "kcl/system/registry.h"

namespace korvax::editor {

namespace {

// --- Words that are reserved only in some places

constexpr std::array<std::string_view, 11> DirectiveWords = {
    "AUTOMATED", "INDEX",  "NAME",           "NODEFAULT", "READ",      "READONLY",
    "RESIDENT",  "STORED", "STRINGRESOURCE", "WRITE",     "WRITEONLY",
};
constexpr std::array<std::string_view, 7> PropertyEndWords = {
    "END", "FUNCTION", "PRIVATE", "PROCEDURE", "PROTECTED", "PUBLIC", "PUBLISHED",
};
// Directives that stay unformatted inside a property declaration too.
constexpr std::array<std::string_view, 3> AlwaysDirectiveWords = {"NAME", "RESIDENT", "STRINGRESOURCE"};

constexpr auto DirectiveKeys = WordKeys(DirectiveWords);
constexpr auto PropertyEndKeys = WordKeys(PropertyEndWords);
constexpr auto AlwaysDirectiveKeys = WordKeys(AlwaysDirectiveWords);
constexpr TWordKey PropertyKey = *WordKey("PROPERTY");
static_assert(std::is_sorted(DirectiveKeys.begin(), DirectiveKeys.end()));
static_assert(std::is_sorted(PropertyEndKeys.begin(), PropertyEndKeys.end()));
static_assert(std::is_sorted(AlwaysDirectiveKeys.begin(), AlwaysDirectiveKeys.end()));

// --- Character classes

// What a token starting with the character is.
enum TCharClass : uint8_t {
  ccPlain,
  ccBrace,
  ccLineEnd,
  ccBlank,
  ccLetter,
  ccDigit,
  ccDollar,
  ccHash,
  ccQuote,
  ccSymbol,
};

// Which runs the character continues.
enum TCharFlag : uint8_t {
  cfBlank = 1,
  cfIdentPart = 2,
  cfNumberPart = 4,
  cfHexPart = 8,
  cfCharConstPart = 16,
  cfSymbol = 32,
};

constexpr std::string_view SymbolChars = "!\"%&()*+,-./:;<=>?@[\\]^`~";

constexpr std::array<TCharClass, 256> CharClasses = [] {
  std::array<TCharClass, 256> classes{};
  const auto set = [&](int from, int to, TCharClass cls) {
    for (int c = from; c <= to; ++c) classes[static_cast<size_t>(c)] = cls;
  };
  set(1, 32, ccBlank);
  set('\r', '\r', ccLineEnd);
  set('\n', '\n', ccLineEnd);
  set('A', 'Z', ccLetter);
  set('a', 'z', ccLetter);
  set('_', '_', ccLetter);
  set('0', '9', ccDigit);
  set('{', '{', ccBrace);
  set('$', '$', ccDollar);
  set('#', '#', ccHash);
  set('\'', '\'', ccQuote);
  for (const char c : SymbolChars) set(c, c, ccSymbol);
  return classes;
}();

constexpr std::array<uint8_t, 256> CharFlags = [] {
  std::array<uint8_t, 256> flags{};
  const auto add = [&](int from, int to, uint8_t flag) {
    for (int c = from; c <= to; ++c) flags[static_cast<size_t>(c)] |= flag;
  };
  add(1, 9, cfBlank);
  add(11, 12, cfBlank);
  add(14, 32, cfBlank);
  add('A', 'Z', cfIdentPart);
  add('a', 'z', cfIdentPart);
  add('_', '_', cfIdentPart);
  add('0', '9', cfIdentPart | cfNumberPart | cfHexPart | cfCharConstPart);
  add('.', '.', cfNumberPart);
  add('E', 'E', cfNumberPart);
  add('e', 'e', cfNumberPart);
  add('$', '$', cfHexPart);
  add('A', 'F', cfHexPart);
  add('a', 'f', cfHexPart);
  add('#', '#', cfCharConstPart);
  for (const char c : SymbolChars) add(c, c, cfSymbol);
  return flags;
}();

bool Has(char c, TCharFlag flag) { return CharFlags[static_cast<unsigned char>(c)] & flag; }

// Files written on Windows end lines with CR LF, elsewhere often with LF alone.
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// --- Scanning

class TScanRun {
public:
  TScanRun(std::string_view text, TPasTokenSink& sink, bool& inProperty)
      : FText(text), FSink(sink), FInProperty(inProperty) {}

  void Run() {
    while (FPos < FText.size()) {
      switch (CharClasses[static_cast<unsigned char>(FText[FPos])]) {
        case ccBrace: MultiLineComment(FPos + 1, "}"); break;
        case ccLineEnd: LineBreak(); break;
        case ccBlank: EmitRun(ptWhitespace, cfBlank); break;
        case ccLetter: Identifier(); break;
        case ccDigit: EmitRun(ptNumber, cfNumberPart); break;
        case ccDollar: EmitRun(ptNumber, cfHexPart); break;
        case ccHash: EmitRun(ptString, cfCharConstPart); break;
        case ccQuote: QuotedString(); break;
        case ccSymbol: SymbolRun(); break;
        case ccPlain: EmitUpTo(ptPlainText, FPos + 1); break;
      }
    }
  }

private:
  char At(size_t pos) const { return pos < FText.size() ? FText[pos] : '\0'; }

  void EmitUpTo(TPasTokenKind kind, size_t end) {
    FSink.Token(kind, FText.substr(FPos, end - FPos));
    FPos = end;
  }

  // The current character and the longest run after it of characters with flag.
  size_t RunEnd(TCharFlag flag) const {
    size_t end = FPos + 1;
    while (end < FText.size() && Has(FText[end], flag)) ++end;
    return end;
  }

  void EmitRun(TPasTokenKind kind, TCharFlag flag) { EmitUpTo(kind, RunEnd(flag)); }

  // CR LF, or a CR or an LF alone.
  void LineBreak() { EmitUpTo(ptLineBreak, FPos + (FText[FPos] == '\r' && At(FPos + 1) == '\n' ? 2 : 1)); }

  // From the current position up to and including closing (or to the end of the
  // text), searched from searchFrom; each line of the comment is a token of its own.
  void MultiLineComment(size_t searchFrom, std::string_view closing) {
    size_t pos = searchFrom;
    for (;;) {
      while (pos < FText.size() && !IsLineEnd(FText[pos]) &&
             !(FText[pos] == closing[0] && (closing.size() == 1 || At(pos + 1) == closing[1])))
        ++pos;
      if (pos < FText.size() && IsLineEnd(FText[pos])) {
        if (pos > FPos) EmitUpTo(ptComment, pos);
        LineBreak();
        pos = FPos;
        continue;
      }
      const size_t end = std::min(pos + closing.size(), FText.size());
      if (end > FPos) EmitUpTo(ptComment, end);
      return;
    }
  }

  void LineComment() {
    const size_t end = FText.find_first_of("\r\n", FPos + 2);
    EmitUpTo(ptComment, end == std::string_view::npos ? FText.size() : end);
  }

  bool StartsComment(size_t pos) const {
    const char next = At(pos + 1);
    return (FText[pos] == '(' && next == '*') || (FText[pos] == '/' && next == '/');
  }

  void SymbolRun() {
    size_t end = FPos;
    while (end < FText.size() && Has(FText[end], cfSymbol) && !StartsComment(end)) ++end;
    if (end > FPos) EmitUpTo(ptSymbol, end);
    if (FPos < FText.size() && StartsComment(FPos)) {
      // The search for "*)" starts at the "*" of "(*", so "(*)" is a whole comment.
      if (FText[FPos] == '(') MultiLineComment(FPos + 1, "*)");
      else LineComment();
    }
  }

  void QuotedString() {
    size_t end = FPos + 1;
    while (end < FText.size() && FText[end] != '\'' && !IsLineEnd(FText[end])) ++end;
    if (end == FText.size() || FText[end] != '\'') throw EPasConversionError("Invalid string");
    EmitUpTo(ptString, end + 1);
  }

  void Identifier() {
    const size_t end = RunEnd(cfIdentPart);
    EmitUpTo(Classify(FText.substr(FPos, end - FPos)), end);
  }

  TPasTokenKind Classify(std::string_view word) {
    const auto key = WordKey(word);
    if (!key || !IsWordIn(ReservedWordKeys, *key)) return ptIdentifier;
    if (*key == PropertyKey) FInProperty = true;
    if (IsWordIn(PropertyEndKeys, *key)) FInProperty = false;
    if (!IsWordIn(DirectiveKeys, *key)) return ptReservedWord;
    return FInProperty && !IsWordIn(AlwaysDirectiveKeys, *key) ? ptReservedWord : ptDirective;
  }

  std::string_view FText;
  TPasTokenSink& FSink;
  bool& FInProperty;
  size_t FPos = 0;
};

// --- The RTF document

constexpr std::string_view RtfHeader =
    "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS SansSerif;}"
    "{\\f1\\froman\\fcharset2 Symbol;}{\\f2\\fmodern Courier New;}}\r\n";
constexpr std::string_view RtfBodyStart = "\\deflang1033\\pard\\plain\\f2\\fs20 ";
constexpr std::string_view RtfTrailer = "\r\n\\par }{\r\n";
constexpr std::string_view RtfLineEnd = "\\par ";

// Tokens whose text may hold "\", "{" or "}", which RTF reads as markup.
bool NeedsEscaping(TPasTokenKind kind) {
  return kind == ptComment || kind == ptString || kind == ptSymbol || kind == ptPlainText;
}

constexpr std::string_view WithoutLastByte(std::string_view s) { return s.substr(0, s.size() - 1); }

// The document on its way to the destination: bytes gather in a chunk of fixed
// size, which is written out whenever the next piece would not fit.
class TRtfChunks {
public:
  explicit TRtfChunks(kcl::TStream& destination)
      : FDestination(destination), FChunk(std::make_unique_for_overwrite<char[]>(TPasRtfWriter::ChunkSize)) {}

  void Append(std::string_view s) {
    if (s.size() > Room()) return AppendInParts(s, false);
    Copy(s);
  }

  // opening, text (escaped if asked) and closing in one go.
  void AppendGroup(std::string_view opening, std::string_view text, bool escape, std::string_view closing) {
    const size_t size = opening.size() + (escape ? 2 : 1) * text.size() + closing.size();
    if (size > Room()) Flush();
    if (size > Room()) {
      Append(opening);
      AppendInParts(text, escape);
      Append(closing);
      return;
    }
    Copy(opening);
    if (escape) CopyEscaped(text);
    else Copy(text);
    Copy(closing);
  }

  void Flush() {
    FDestination.WriteBuffer(FChunk.get(), static_cast<int64_t>(FLength));
    FLength = 0;
  }

private:
  size_t Room() const { return TPasRtfWriter::ChunkSize - FLength; }

  // More than the room left: a chunk at a time, escaping at most doubling a part.
  void AppendInParts(std::string_view s, bool escape) {
    while (!s.empty()) {
      const size_t part = std::min(s.size(), escape ? Room() / 2 : Room());
      if (part == 0) {
        Flush();
        continue;
      }
      if (escape) CopyEscaped(s.substr(0, part));
      else Copy(s.substr(0, part));
      s.remove_prefix(part);
    }
  }

  void Copy(std::string_view s) {
    std::memcpy(FChunk.get() + FLength, s.data(), s.size());
    FLength += s.size();
  }

  void CopyEscaped(std::string_view s) {
    char* out = FChunk.get() + FLength;
    for (const char c : s) {
      if (c == '\\' || c == '{' || c == '}') *out++ = '\\';
      *out++ = c;
    }
    FLength = static_cast<size_t>(out - FChunk.get());
  }

  kcl::TStream& FDestination;
  std::unique_ptr<char[]> FChunk;
  size_t FLength = 0;
};

class TRtfTokenWriter final : public TPasTokenSink {
public:
  TRtfTokenWriter(TRtfChunks& out, const std::array<std::string, PasTokenKindCount>& opening,
                  const std::array<std::string, PasTokenKindCount>& closing)
      : FOut(out), FOpening(opening), FClosing(closing) {}

  void Token(TPasTokenKind kind, std::string_view text) override {
    FOut.AppendGroup(FOpening[kind], text, NeedsEscaping(kind), kind == ptLineBreak ? RtfLineEnd : FClosing[kind]);
  }

private:
  TRtfChunks& FOut;
  const std::array<std::string, PasTokenKindCount>& FOpening;
  const std::array<std::string, PasTokenKindCount>& FClosing;
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

size_t TPasScanner::Scan(std::string_view text, TPasTokenSink& sink) {
  text = text.substr(0, std::min(text.find('\0'), text.size()));
  TScanRun(text, sink, FInProperty).Run();
  return text.size();
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
    FOpening[kind].clear();
    FClosing[kind].clear();
    if (!style.HasStyle) continue;
    FOpening[kind] = "{";
    if (style.Bold) FOpening[kind] += "\\b ";
    if (style.Italic) FOpening[kind] += "\\i ";
    // Delphi's own word for underline here; the framework's rich edit reads it so.
    if (style.Underline) FOpening[kind] += "\\u ";
    FOpening[kind] += "\\cf" + kcl::IntToStr(static_cast<int64_t>(kind)) + " ";
    FClosing[kind] = "}";
  }
}

size_t TPasRtfWriter::EstimatedSize(size_t textSize) {
  // Real units come to two to three times their size; room that is never written
  // costs no memory.
  return 1024 + 3 * textSize;
}

size_t TPasRtfWriter::Write(std::string_view text, kcl::TStream& destination) {
  TRtfChunks out(destination);
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
    TRtfTokenWriter writer(out, FOpening, FClosing);
    converted = FScanner.Scan(text, writer);
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
