#pragma once
// The scanner's loop, a template on the sink so that a sink of a known type gets
// its tokens without a virtual call. Included by the files that scan.
#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "ide/editor/pas_scanner.h"
#include "ide/editor/pas_words.h"

namespace korvax::editor::scanning {

// --- Words that are reserved only in some places

// What a reserved word does besides being one.
enum TWordRole : uint8_t {
  wrDirective = 1,        // reserved only inside a property declaration
  wrAlwaysDirective = 2,  // a directive that stays unformatted inside one too
  wrStartsProperty = 4,
  wrEndsProperty = 8,
};

constexpr std::array<std::string_view, 11> DirectiveWords = {
    "AUTOMATED", "INDEX",  "NAME",           "NODEFAULT", "READ",      "READONLY",
    "RESIDENT",  "STORED", "STRINGRESOURCE", "WRITE",     "WRITEONLY",
};
constexpr std::array<std::string_view, 3> AlwaysDirectiveWords = {"NAME", "RESIDENT", "STRINGRESOURCE"};
constexpr std::array<std::string_view, 7> PropertyEndWords = {
    "END", "FUNCTION", "PRIVATE", "PROCEDURE", "PROTECTED", "PUBLIC", "PUBLISHED",
};

// The roles of each reserved word, by its index in ReservedWords.
constexpr std::array<uint8_t, ReservedWords.size()> WordRoles = [] {
  std::array<uint8_t, ReservedWords.size()> roles{};
  const auto add = [&](std::string_view word, uint8_t role) {
    size_t i = 0;
    while (ReservedWords.at(i) != word) ++i;  // past the end: not a constant expression
    roles[i] |= role;
  };
  for (const std::string_view word : DirectiveWords) add(word, wrDirective);
  for (const std::string_view word : AlwaysDirectiveWords) add(word, wrAlwaysDirective);
  for (const std::string_view word : PropertyEndWords) add(word, wrEndsProperty);
  add("PROPERTY", wrStartsProperty);
  return roles;
}();

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

inline size_t Byte(char c) { return static_cast<unsigned char>(c); }
inline bool Has(char c, TCharFlag flag) { return CharFlags[Byte(c)] & flag; }

// Files written on Windows end lines with CR LF, elsewhere often with LF alone.
inline bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// The key of an identifier of up to 16 characters with at least 16 bytes readable
// from its start: both halves loaded whole, the bytes past it cleared and the
// small letters made capitals (identifier characters are below 0x7B, so adding
// 0x1F sets a byte's top bit exactly for them, and carries into no other byte).
inline TWordKey IdentifierKey(const char* begin, size_t size) {
  // The masks that keep the first size bytes, by size.
  static constexpr std::array<TWordKey, 17> Masks = [] {
    std::array<TWordKey, 17> masks{};
    for (size_t n = 0; n <= 16; ++n)
      for (size_t i = 0; i < n; ++i) (i < 8 ? masks[n].Low : masks[n].High) |= uint64_t{0xFF} << (8 * (i % 8));
    return masks;
  }();
  uint64_t low, high;
  std::memcpy(&low, begin, 8);
  std::memcpy(&high, begin + 8, 8);
  low &= Masks[size].Low;
  high &= Masks[size].High;
  const auto upper = [](uint64_t x) { return x ^ (((x + 0x1F1F1F1F1F1F1F1Fu) & 0x8080808080808080u) >> 2); };
  return {upper(low), upper(high)};
}

#ifdef __SSE2__
// Bytes of v that lie in [from, from + count), as all ones.
inline __m128i InRange(__m128i v, char from, char count) {
  const __m128i offset = _mm_sub_epi8(v, _mm_set1_epi8(from));
  return _mm_cmpeq_epi8(_mm_min_epu8(offset, _mm_set1_epi8(static_cast<char>(count - 1))), offset);
}

// How many of the 16 characters at p, from the first, continue an identifier.
inline unsigned IdentifierRun(const char* p) {
  const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  const __m128i letters = InRange(_mm_or_si128(v, _mm_set1_epi8(0x20)), 'a', 26);
  const __m128i parts = _mm_or_si128(_mm_or_si128(letters, InRange(v, '0', 10)), _mm_cmpeq_epi8(v, _mm_set1_epi8('_')));
  return static_cast<unsigned>(std::countr_one(static_cast<unsigned>(_mm_movemask_epi8(parts))));
}

// The same for blanks: control characters and spaces other than line ends.
inline unsigned BlankRun(const char* p) {
  const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  const __m128i lineEnds = _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\r')), _mm_cmpeq_epi8(v, _mm_set1_epi8('\n')));
  const __m128i blanks = _mm_andnot_si128(lineEnds, InRange(v, 1, 32));
  return static_cast<unsigned>(std::countr_one(static_cast<unsigned>(_mm_movemask_epi8(blanks))));
}
#endif

// --- Scanning

template <class TSink>
class TScanRun {
public:
  TScanRun(std::string_view text, TSink& sink, bool& inProperty)
      : FPos(text.data()), FEnd(text.data() + text.size()), FSink(sink), FInProperty(inProperty) {}

  void Run() {
    while (FPos < FEnd) {
      switch (CharClasses[Byte(*FPos)]) {
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
        default: __builtin_unreachable();  // every class has its case
      }
    }
  }

private:
  char At(const char* p) const { return p < FEnd ? *p : '\0'; }

  [[gnu::always_inline]] void EmitUpTo(TPasTokenKind kind, const char* end) {
    FSink.Token(kind, std::string_view(FPos, static_cast<size_t>(end - FPos)));
    FPos = end;
  }

  // The current character and the longest run after it of characters with flag.
  const char* RunEnd(TCharFlag flag) const {
    const char* end = FPos + 1;
#ifdef __SSE2__
    if (flag == cfIdentPart || flag == cfBlank) {
      // Identifiers are long enough for a test of 16 characters at once to pay.
      while (FEnd - end >= 16) {
        const unsigned run = flag == cfIdentPart ? IdentifierRun(end) : BlankRun(end);
        end += run;
        if (run < 16) return end;
      }
    }
#endif
    while (end < FEnd && Has(*end, flag)) ++end;
    return end;
  }

  void EmitRun(TPasTokenKind kind, TCharFlag flag) { EmitUpTo(kind, RunEnd(flag)); }

  // CR LF, or a CR or an LF alone.
  void LineBreak() { EmitUpTo(ptLineBreak, FPos + (*FPos == '\r' && At(FPos + 1) == '\n' ? 2 : 1)); }

  // From the current position up to and including closing (or to the end of the
  // text), searched from searchFrom; each line of the comment is a token of its own.
  void MultiLineComment(const char* searchFrom, std::string_view closing) {
    const char* pos = searchFrom;
    for (;;) {
      while (pos < FEnd && !IsLineEnd(*pos) && !(*pos == closing[0] && (closing.size() == 1 || At(pos + 1) == closing[1])))
        ++pos;
      if (pos < FEnd && IsLineEnd(*pos)) {
        if (pos > FPos) EmitUpTo(ptComment, pos);
        LineBreak();
        pos = FPos;
        continue;
      }
      const char* end = FEnd - pos >= static_cast<ptrdiff_t>(closing.size()) ? pos + closing.size() : FEnd;
      if (end > FPos) EmitUpTo(ptComment, end);
      return;
    }
  }

  void LineComment() {
    const char* end = FPos + 2;
    while (end < FEnd && !IsLineEnd(*end)) ++end;
    EmitUpTo(ptComment, end);
  }

  bool StartsComment(const char* p) const {
    const char next = At(p + 1);
    return (*p == '(' && next == '*') || (*p == '/' && next == '/');
  }

  void SymbolRun() {
    const char* end = FPos;
    while (end < FEnd && Has(*end, cfSymbol) && !StartsComment(end)) ++end;
    if (end > FPos) EmitUpTo(ptSymbol, end);
    if (FPos < FEnd && StartsComment(FPos)) {
      // The search for "*)" starts at the "*" of "(*", so "(*)" is a whole comment.
      if (*FPos == '(') MultiLineComment(FPos + 1, "*)");
      else LineComment();
    }
  }

  void QuotedString() {
    const char* end = FPos + 1;
    while (end < FEnd && *end != '\'' && !IsLineEnd(*end)) ++end;
    if (end == FEnd || *end != '\'') throw EPasConversionError("Invalid string");
    EmitUpTo(ptString, end + 1);
  }

  void Identifier() {
    const char* end = RunEnd(cfIdentPart);
    EmitUpTo(Classify(static_cast<size_t>(end - FPos)), end);
  }

  // The kind of the identifier of size bytes at the current position.
  TPasTokenKind Classify(size_t size) {
    if (size > 16) return ptIdentifier;
    const TWordKey key = std::endian::native == std::endian::little && FEnd - FPos >= 16
                             ? IdentifierKey(FPos, size)
                             : *WordKey(std::string_view(FPos, size));
    const int index = ReservedWordTable.IndexOf(key);
    if (index < 0) return ptIdentifier;
    const uint8_t roles = WordRoles[static_cast<size_t>(index)];
    if (roles & wrStartsProperty) FInProperty = true;
    if (roles & wrEndsProperty) FInProperty = false;
    if (!(roles & wrDirective)) return ptReservedWord;
    return FInProperty && !(roles & wrAlwaysDirective) ? ptReservedWord : ptDirective;
  }

  const char* FPos;
  const char* FEnd;
  TSink& FSink;
  bool& FInProperty;
};

}  // namespace korvax::editor::scanning

namespace korvax::editor {

template <class TSink>
size_t TPasScanner::ScanTo(std::string_view text, TSink& sink) {
  text = text.substr(0, std::min(text.find('\0'), text.size()));
  scanning::TScanRun<TSink>(text, sink, FInProperty).Run();
  return text.size();
}

}  // namespace korvax::editor
