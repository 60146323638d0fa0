#include "kcl/components/rtfreader.h"

#include <QColor>
#include <QFont>
#include <QTextCursor>
#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "kcl/components/richformat.h"
#include "kcl/desktop/cp1252.h"

namespace kcl {

namespace {

// Bounds that keep hostile documents cheap: deeper groups share their parent's
// state, longer tables are cut, parameters are clamped.
constexpr size_t MaxDepth = 512;
constexpr size_t MaxColors = 4096;
constexpr size_t MaxWordLength = 32;
constexpr int64_t MaxParameter = 1'000'000'000;
constexpr int MaxHalfPoints = 3276;  // 1638 points, the largest size a rich edit takes
constexpr int MaxFallbackChars = 16;
constexpr size_t MaxCachedFormats = 64;

enum class TDestination : uint8_t { Text, FontTable, ColorTable, Skip };

struct TCharState {
  int Font = -1;  // -1: the document's default font
  int HalfPoints = 0;  // 0: the control's size
  int Color = -1;  // -1 or an empty table entry: the control's colour
  bool Bold = false, Italic = false, Underline = false, StrikeOut = false, Protected = false;
  bool operator==(const TCharState&) const = default;
};

struct TState {
  TDestination Destination = TDestination::Text;
  TCharState Char;
  int FallbackChars = 1;  // \ucN: characters that stand in for each \uN
};

struct TFontEntry {
  QString Name;
  QFont::StyleHint Hint = QFont::AnyStyle;
  int Charset = -1;
};

enum class TWord : uint8_t {
  Par, Line, Tab, Plain, Font, FontSize, Color, Bold, Italic, Underline, UnderlineNone, U, UnicodeSkip,
  StrikeOut, Protect, DefaultFont, FontTable, ColorTable, Red, Green, Blue, Swiss, Roman, Modern,
  FontCharset, Binary, SkipDestination, EmDash, EnDash, Bullet, LQuote, RQuote, LDblQuote, RDblQuote,
};

const std::unordered_map<std::string_view, TWord>& Words() {
  static const std::unordered_map<std::string_view, TWord> words = {
      {"par", TWord::Par}, {"line", TWord::Line}, {"tab", TWord::Tab}, {"plain", TWord::Plain},
      {"f", TWord::Font}, {"fs", TWord::FontSize}, {"cf", TWord::Color}, {"b", TWord::Bold},
      {"i", TWord::Italic}, {"ul", TWord::Underline}, {"ulnone", TWord::UnderlineNone}, {"u", TWord::U},
      {"uc", TWord::UnicodeSkip}, {"strike", TWord::StrikeOut}, {"protect", TWord::Protect},
      {"deff", TWord::DefaultFont}, {"fonttbl", TWord::FontTable}, {"colortbl", TWord::ColorTable},
      {"red", TWord::Red}, {"green", TWord::Green}, {"blue", TWord::Blue}, {"fswiss", TWord::Swiss},
      {"froman", TWord::Roman}, {"fmodern", TWord::Modern}, {"fcharset", TWord::FontCharset},
      {"bin", TWord::Binary}, {"emdash", TWord::EmDash}, {"endash", TWord::EnDash},
      {"bullet", TWord::Bullet}, {"lquote", TWord::LQuote}, {"rquote", TWord::RQuote},
      {"ldblquote", TWord::LDblQuote}, {"rdblquote", TWord::RDblQuote},
      // Destinations whose content is not text of the document.
      {"stylesheet", TWord::SkipDestination}, {"info", TWord::SkipDestination},
      {"pict", TWord::SkipDestination}, {"object", TWord::SkipDestination},
      {"header", TWord::SkipDestination}, {"footer", TWord::SkipDestination},
      {"headerl", TWord::SkipDestination}, {"headerr", TWord::SkipDestination},
      {"headerf", TWord::SkipDestination}, {"footerl", TWord::SkipDestination},
      {"footerr", TWord::SkipDestination}, {"footerf", TWord::SkipDestination},
      {"footnote", TWord::SkipDestination}, {"fldinst", TWord::SkipDestination},
      {"listtable", TWord::SkipDestination}, {"listoverridetable", TWord::SkipDestination},
      {"revtbl", TWord::SkipDestination}, {"filetbl", TWord::SkipDestination},
  };
  return words;
}

const std::array<QChar, 256>& AnsiChars() {
  static const std::array<QChar, 256> table = [] {
    std::array<QChar, 256> t{};
    std::string all(256, '\0');
    for (int i = 0; i < 256; ++i) all[static_cast<size_t>(i)] = static_cast<char>(i);
    const QString decoded = cp1252::Decode(all);
    for (int i = 0; i < 256; ++i) t[static_cast<size_t>(i)] = decoded[i];
    return t;
  }();
  return table;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

class TRtfReader {
public:
  TRtfReader(std::string_view rtf, QTextCursor& cursor, const TRtfReadOptions& options)
      : FRtf(rtf), FCursor(cursor), FOptions(options) {}

  void Read() {
    size_t i = 0;
    while (i < FRtf.size() && !FDone) {
      const char c = FRtf[i];
      switch (c) {
        case '{': OpenGroup(); ++i; break;
        case '}': CloseGroup(); ++i; break;
        case '\\': i = ControlWord(i + 1); break;
        case '\r': case '\n': ++i; break;
        default: Byte(static_cast<unsigned char>(c)); ++i; break;
      }
    }
    if (FPendingBreaks > 0) --FPendingBreaks;  // the document's final paragraph mark
    EmitPendingBreaks();
    Flush();
    if (!FRest.isEmpty()) FCursor.insertText(FRest, FRestFormat);
  }

private:
  void OpenGroup() {
    FFallbackToSkip = 0;
    if (FStack.size() >= MaxDepth) {
      ++FOverflowDepth;
      return;
    }
    FStack.push_back(FState);
  }

  void CloseGroup() {
    FFallbackToSkip = 0;
    if (FOverflowDepth > 0) {
      --FOverflowDepth;
      return;
    }
    if (FStack.empty()) {
      FDone = true;
      return;
    }
    if (FState.Destination == TDestination::FontTable) CommitFontName();
    FState = FStack.back();
    FStack.pop_back();
    if (FStack.empty()) FDone = true;  // the document's group has ended
  }

  // i is just past the backslash; returns the index after the control word.
  size_t ControlWord(size_t i) {
    if (i >= FRtf.size()) return i;
    const char c = FRtf[i];
    if (!IsLetter(c)) return ControlSymbol(i);
    const size_t start = i;
    while (i < FRtf.size() && IsLetter(FRtf[i])) ++i;
    const std::string_view word = FRtf.substr(start, std::min(i - start, MaxWordLength));
    bool negative = false, hasParameter = false;
    int64_t parameter = 0;
    if (i + 1 < FRtf.size() && FRtf[i] == '-' && IsDigit(FRtf[i + 1])) negative = true, ++i;
    while (i < FRtf.size() && IsDigit(FRtf[i])) {
      hasParameter = true;
      parameter = std::min<int64_t>(parameter * 10 + (FRtf[i] - '0'), MaxParameter);
      ++i;
    }
    if (i < FRtf.size() && FRtf[i] == ' ') ++i;
    const int value = static_cast<int>(negative ? -parameter : parameter);
    const auto found = Words().find(word);
    if (found == Words().end()) return i;
    if (found->second == TWord::Binary) return std::min(FRtf.size(), i + static_cast<size_t>(std::max(value, 0)));
    Dispatch(found->second, hasParameter, value);
    return i;
  }

  size_t ControlSymbol(size_t i) {
    switch (FRtf[i]) {
      case '\\': case '{': case '}': Byte(static_cast<unsigned char>(FRtf[i])); break;
      case '\'':
        if (i + 2 < FRtf.size() && HexValue(FRtf[i + 1]) >= 0 && HexValue(FRtf[i + 2]) >= 0) {
          Byte(static_cast<unsigned char>(HexValue(FRtf[i + 1]) * 16 + HexValue(FRtf[i + 2])));
          return i + 3;
        }
        // An incomplete escape goes, with the digit it has.
        return i + 1 < FRtf.size() && HexValue(FRtf[i + 1]) >= 0 ? i + 2 : i + 1;
      case '*': FState.Destination = TDestination::Skip; break;
      case '~': Char(QChar(0x00A0)); break;
      case '_': Char(QChar('-')); break;
      case '\r': case '\n': if (FState.Destination == TDestination::Text) Break(); break;
      default: break;
    }
    return i + 1;
  }

  void Dispatch(TWord word, bool hasParameter, int value) {
    const bool on = !hasParameter || value != 0;
    TCharState& ch = FState.Char;
    switch (FState.Destination) {
      case TDestination::Skip: return;
      case TDestination::ColorTable:
        if (word == TWord::Red) FRed = std::clamp(value, 0, 255), FColorSet = true;
        if (word == TWord::Green) FGreen = std::clamp(value, 0, 255), FColorSet = true;
        if (word == TWord::Blue) FBlue = std::clamp(value, 0, 255), FColorSet = true;
        return;
      case TDestination::FontTable:
        InvalidateFormats();
        switch (word) {
          case TWord::Font:
            CommitFontName();
            FFontNumber = value;
            break;
          case TWord::Swiss: FFonts[FFontNumber].Hint = QFont::SansSerif; break;
          case TWord::Roman: FFonts[FFontNumber].Hint = QFont::Serif; break;
          case TWord::Modern: FFonts[FFontNumber].Hint = QFont::Monospace; break;
          case TWord::FontCharset: FFonts[FFontNumber].Charset = std::clamp(value, 0, 255); break;
          default: break;
        }
        return;
      case TDestination::Text: break;
    }
    switch (word) {
      case TWord::Par: case TWord::Line: Break(); break;
      case TWord::Tab: Char(QChar('\t')); break;
      case TWord::Plain: ch = TCharState{}; break;
      case TWord::Font: ch.Font = value; break;
      case TWord::FontSize: ch.HalfPoints = std::clamp(value, 0, MaxHalfPoints); break;
      case TWord::Color: ch.Color = value; break;
      case TWord::Bold: ch.Bold = on; break;
      case TWord::Italic: ch.Italic = on; break;
      case TWord::Underline: ch.Underline = on; break;
      case TWord::UnderlineNone: ch.Underline = false; break;
      case TWord::StrikeOut: ch.StrikeOut = on; break;
      case TWord::Protect: ch.Protected = on; break;
      case TWord::U:
        // The highlighter writes a bare \u for underline, as the rich edit reads it.
        if (!hasParameter) {
          ch.Underline = true;
        } else {
          // Negative values are how RTF writes characters above 32767.
          const bool valid = value >= -32768 && value <= 0xFFFF;
          Char(valid ? QChar(static_cast<char16_t>(value < 0 ? value + 65536 : value)) : QChar(QChar::ReplacementCharacter));
          FFallbackToSkip = FState.FallbackChars;
        }
        break;
      case TWord::UnicodeSkip: FState.FallbackChars = std::clamp(value, 0, MaxFallbackChars); break;
      case TWord::DefaultFont:
        InvalidateFormats();
        FDefaultFont = value;
        break;
      case TWord::FontTable: FState.Destination = TDestination::FontTable; break;
      case TWord::ColorTable:
        InvalidateFormats();
        FState.Destination = TDestination::ColorTable;
        FColors.clear();
        break;
      case TWord::SkipDestination: FState.Destination = TDestination::Skip; break;
      case TWord::EmDash: Char(QChar(0x2014)); break;
      case TWord::EnDash: Char(QChar(0x2013)); break;
      case TWord::Bullet: Char(QChar(0x2022)); break;
      case TWord::LQuote: Char(QChar(0x2018)); break;
      case TWord::RQuote: Char(QChar(0x2019)); break;
      case TWord::LDblQuote: Char(QChar(0x201C)); break;
      case TWord::RDblQuote: Char(QChar(0x201D)); break;
      default: break;
    }
  }

  // A byte of text in the current destination.
  void Byte(unsigned char byte) {
    switch (FState.Destination) {
      case TDestination::Text:
        if (byte != 0) Char(AnsiChars()[byte]);
        break;
      case TDestination::FontTable:
        if (byte == ';')
          CommitFontName();
        else
          FFontName += AnsiChars()[byte];
        break;
      case TDestination::ColorTable:
        if (byte == ';') CommitColor();
        break;
      case TDestination::Skip: break;
    }
  }

  void Char(QChar c) {
    if (FState.Destination != TDestination::Text) return;
    if (FFallbackToSkip > 0) {
      --FFallbackToSkip;
      return;
    }
    if (!(FState.Char == FRunState)) SwitchRunState();
    EmitPendingBreaks();
    FRun += c;
  }

  // Text whose state formats as the run's does goes on in the run: Qt would join
  // the two anyway, after the cost of inserting each.
  void SwitchRunState() {
    if (!FRun.isEmpty() && FormatIndex(FState.Char) == FormatIndex(FRunState))
      FRunSplit = FRun.size();
    else
      Flush();
    FRunState = FState.Char;
  }

  // Paragraph marks wait for the text after them, so that the document's last one
  // can be dropped.
  void Break() { ++FPendingBreaks; }

  void EmitPendingBreaks() {
    for (; FPendingBreaks > 0; --FPendingBreaks, ++FParagraphs) FRun += QChar(QChar::ParagraphSeparator);
  }

  void Flush() {
    if (FRun.isEmpty()) return;
    const size_t format = FormatIndex(FRunState);
    Insert(FRun, FFormats[format]);
    FRun.clear();
    FRunSplit = 0;
  }

  void Insert(const QString& text, const QTextCharFormat& format) {
    if (FOptions.Cancel && FOptions.Cancel->load(std::memory_order_relaxed)) {
      FDone = true;
      return;
    }
    if (FParagraphs < FOptions.FormattedParagraphs) {
      FCursor.insertText(text, format);
      return;
    }
    if (FRest.isEmpty()) FRestFormat = format;
    FRest += text;
  }

  // The tables change: text read under states that came before the run's last one
  // keeps the format the tables gave it then, as if each state had a run.
  void InvalidateFormats() {
    if (FRunSplit > 0) {
      const size_t format = FormatIndex(FRunState);
      Insert(FRun.left(FRunSplit), FFormats[format]);
      FRun.remove(0, FRunSplit);
      FRunSplit = 0;
    }
    FStates.clear();
    FFormats.clear();
  }

  // A document uses few formats: each is built once, and states that format
  // alike share one.
  size_t FormatIndex(const TCharState& ch) {
    for (const auto& [state, index] : FStates)
      if (state == ch) return index;
    if (FStates.size() >= MaxCachedFormats) {
      FStates.clear();
      FFormats.clear();
    }
    QTextCharFormat format = Format(ch);
    size_t index = 0;
    while (index < FFormats.size() && !(FFormats[index] == format)) ++index;
    if (index == FFormats.size()) FFormats.push_back(std::move(format));
    FStates.emplace_back(ch, index);
    return index;
  }

  QTextCharFormat Format(const TCharState& ch) const {
    QTextCharFormat format;
    const auto font = FFonts.find(ch.Font >= 0 ? ch.Font : FDefaultFont);
    if (font != FFonts.end() && !font->second.Name.isEmpty()) {
      format.setFontFamilies(QStringList{font->second.Name});
      format.setFontStyleHint(font->second.Hint);
      if (font->second.Hint == QFont::Monospace) format.setFontFixedPitch(true);
      if (font->second.Charset >= 0) format.setProperty(CharsetFormatProperty, font->second.Charset);
    }
    if (ch.HalfPoints > 0) format.setFontPointSize(ch.HalfPoints / 2.0);
    if (ch.Color >= 0 && static_cast<size_t>(ch.Color) < FColors.size() && FColors[static_cast<size_t>(ch.Color)].isValid())
      format.setForeground(FColors[static_cast<size_t>(ch.Color)]);
    if (ch.Bold) format.setFontWeight(QFont::Bold);
    if (ch.Italic) format.setFontItalic(true);
    if (ch.Underline) format.setFontUnderline(true);
    if (ch.StrikeOut) format.setFontStrikeOut(true);
    if (ch.Protected) format.setProperty(ProtectedFormatProperty, true);
    return format;
  }

  void CommitFontName() {
    QString name = FFontName.trimmed();
    FFontName.clear();
    InvalidateFormats();
    if (!name.isEmpty()) FFonts[FFontNumber].Name = name;
  }

  void CommitColor() {
    InvalidateFormats();
    if (FColors.size() < MaxColors) FColors.push_back(FColorSet ? QColor(FRed, FGreen, FBlue) : QColor());
    FRed = FGreen = FBlue = 0;
    FColorSet = false;
  }

  std::string_view FRtf;
  QTextCursor& FCursor;
  const TRtfReadOptions& FOptions;
  TState FState;
  std::vector<TState> FStack;
  size_t FOverflowDepth = 0;
  bool FDone = false;
  int FFallbackToSkip = 0;

  std::map<int, TFontEntry> FFonts;
  int FFontNumber = 0;
  QString FFontName;
  int FDefaultFont = 0;
  std::vector<QColor> FColors;  // an invalid colour is the "auto" entry
  int FRed = 0, FGreen = 0, FBlue = 0;
  bool FColorSet = false;

  std::vector<std::pair<TCharState, size_t>> FStates;  // each state's entry in FFormats
  std::vector<QTextCharFormat> FFormats;
  QString FRun;
  TCharState FRunState;
  qsizetype FRunSplit = 0;  // where the run's text under its last state starts
  int FPendingBreaks = 0;
  int FParagraphs = 0;  // paragraph marks read
  QString FRest;        // text past the formatted paragraphs
  QTextCharFormat FRestFormat;
};

}  // namespace

bool IsRtf(std::string_view data) { return data.starts_with("{\\rtf"); }

void ReadRtf(std::string_view rtf, QTextCursor& cursor, const TRtfReadOptions& options) {
  TRtfReader(rtf, cursor, options).Read();
}

void ReadAnsiText(std::string_view text, QTextCursor& cursor) {
  QString decoded = cp1252::Decode(text);
  decoded.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  decoded.replace(QChar('\r'), QChar('\n'));
  cursor.insertText(decoded, QTextCharFormat());
}

}  // namespace kcl
