#pragma once
// The reserved words of Object Pascal as the compiler's editor highlights them, and
// their lookup by the upper-cased word packed into two integers, so that finding
// one compares integers instead of strings.
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

// Up to 16 characters, the first in the lowest byte of Low, padded with zeros.
struct TWordKey {
  uint64_t Low = 0;
  uint64_t High = 0;
  bool operator==(const TWordKey&) const = default;
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
    (i < 8 ? key.Low : key.High) |= uint64_t{static_cast<unsigned char>(c)} << (8 * (i % 8));
  }
  return key;
}

// The reserved words' keys in an open-addressed table: a word is found, or known
// not to be one, after a probe or two instead of a search.
class TReservedWordTable {
public:
  // Mostly empty, so that a word that is not reserved mostly hits an empty slot.
  static constexpr size_t SlotCount = 1024;

  constexpr TReservedWordTable() {
    FSlots.fill(-1);
    for (size_t i = 0; i < ReservedWords.size(); ++i) {
      FKeys[i] = *WordKey(ReservedWords[i]);
      size_t slot = Slot(FKeys[i]);
      while (FSlots[slot] >= 0) slot = (slot + 1) % SlotCount;
      FSlots[slot] = static_cast<int8_t>(i);
    }
  }

  // The word's index in ReservedWords, or -1.
  constexpr int IndexOf(const TWordKey& key) const {
    for (size_t slot = Slot(key);; slot = (slot + 1) % SlotCount) {
      const int index = FSlots[slot];
      if (index < 0 || FKeys[static_cast<size_t>(index)] == key) return index;
    }
  }

private:
  static constexpr size_t Slot(const TWordKey& key) {
    return static_cast<size_t>(((key.Low ^ (key.High * 0x9E3779B97F4A7C15u)) * 0xD6E8FEB86659FD93u) >> 54);
  }

  std::array<TWordKey, ReservedWords.size()> FKeys{};
  std::array<int8_t, SlotCount> FSlots{};
};

inline constexpr TReservedWordTable ReservedWordTable;

// True when word, in any letter case, is a reserved word.
bool IsReservedWord(std::string_view word);

}  // namespace korvax::editor
