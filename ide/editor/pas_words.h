#pragma once
// The reserved words of Object Pascal as the compiler's editor highlights them, and
// their lookup: a binary search on the upper-cased word, packed into two integers so
// that the search compares integers instead of strings.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace korvax::editor {

// Upper-cased and sorted in ordinal order.
inline constexpr std::array<std::string_view, 99> ReservedWords = {
    "ABSOLUTE",  "ABSTRACT",       "AND",         "ARRAY",          "AS",
    "ASM",       "ASSEMBLER",      "AUTOMATED",   "BEGIN",          "CASE",
    "CDECL",     "CLASS",          "CONST",       "CONSTRUCTOR",    "DEFAULT",
    "DESTRUCTOR", "DISPID",        "DISPINTERFACE", "DIV",          "DO",
    "DOWNTO",    "DYNAMIC",        "ELSE",        "END",            "EXCEPT",
    "EXPORT",    "EXPORTS",        "EXTERNAL",    "FAR",            "FILE",
    "FINALIZATION", "FINALLY",     "FOR",         "FORWARD",        "FUNCTION",
    "GOTO",      "IF",             "IMPLEMENTATION", "IN",          "INDEX",
    "INHERITED", "INITIALIZATION", "INLINE",      "INTERFACE",      "IS",
    "LABEL",     "LIBRARY",        "MESSAGE",     "MOD",            "NAME",
    "NEAR",      "NIL",            "NODEFAULT",   "NOT",            "OBJECT",
    "OF",        "OR",             "OUT",         "OVERRIDE",       "PACKED",
    "PASCAL",    "PRIVATE",        "PROCEDURE",   "PROGRAM",        "PROPERTY",
    "PROTECTED", "PUBLIC",         "PUBLISHED",   "RAISE",          "READ",
    "READONLY",  "RECORD",         "REGISTER",    "REPEAT",         "RESIDENT",
    "RESOURCESTRING", "SAFECALL",  "SET",         "SHL",            "SHR",
    "STDCALL",   "STORED",         "STRING",      "STRINGRESOURCE", "THEN",
    "THREADVAR", "TO",             "TRY",         "TYPE",           "UNIT",
    "UNTIL",     "USES",           "VAR",         "VIRTUAL",        "WHILE",
    "WITH",      "WRITE",          "WRITEONLY",   "XOR",
};

// Up to 16 characters, the first in the high byte: keys order as their words do.
struct TWordKey {
  uint64_t High = 0;
  uint64_t Low = 0;
  auto operator<=>(const TWordKey&) const = default;
};

// The key of word with its letters upper-cased; nothing when word cannot be a
// reserved word: too long, or holding a NUL that would pass for the padding.
constexpr std::optional<TWordKey> WordKey(std::string_view word) {
  if (word.size() > 16) return std::nullopt;
  TWordKey key;
  for (size_t i = 0; i < word.size(); ++i) {
    char c = word[i];
    if (c == '\0') return std::nullopt;
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    const unsigned shift = 56 - 8 * static_cast<unsigned>(i % 8);
    (i < 8 ? key.High : key.Low) |= uint64_t{static_cast<unsigned char>(c)} << shift;
  }
  return key;
}

template <size_t N>
constexpr std::array<TWordKey, N> WordKeys(const std::array<std::string_view, N>& words) {
  std::array<TWordKey, N> keys;
  for (size_t i = 0; i < N; ++i) keys[i] = *WordKey(words[i]);
  return keys;
}

template <size_t N>
bool IsWordIn(const std::array<TWordKey, N>& sortedKeys, const TWordKey& key) {
  return std::binary_search(sortedKeys.begin(), sortedKeys.end(), key);
}

inline constexpr std::array<TWordKey, 99> ReservedWordKeys = WordKeys(ReservedWords);

// True when word, in any letter case, is a reserved word.
bool IsReservedWord(std::string_view word);

}  // namespace korvax::editor
