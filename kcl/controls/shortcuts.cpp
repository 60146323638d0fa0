#include "kcl/controls/shortcuts.h"

#include <QKeySequence>

#include "kcl/controls/keys.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

struct NamedKey {
  Word Key;
  const char* Name;
  int QtKey;
};

// Keys whose names are not their characters; the OEM keys carry the US layout's.
constexpr NamedKey NamedKeys[] = {
    {0x08, "BkSp", Qt::Key_Backspace}, {0x09, "Tab", Qt::Key_Tab},       {0x0D, "Enter", Qt::Key_Return},
    {0x1B, "Esc", Qt::Key_Escape},     {0x20, "Space", Qt::Key_Space},   {0x21, "PgUp", Qt::Key_PageUp},
    {0x22, "PgDn", Qt::Key_PageDown},  {0x23, "End", Qt::Key_End},       {0x24, "Home", Qt::Key_Home},
    {0x25, "Left", Qt::Key_Left},      {0x26, "Up", Qt::Key_Up},         {0x27, "Right", Qt::Key_Right},
    {0x28, "Down", Qt::Key_Down},      {0x2D, "Ins", Qt::Key_Insert},    {0x2E, "Del", Qt::Key_Delete},
    {0x6A, "Num *", Qt::Key_Asterisk}, {0x6B, "Num +", Qt::Key_Plus},    {0x6D, "Num -", Qt::Key_Minus},
    {0x6E, "Num Del", Qt::Key_Period}, {0x6F, "Num /", Qt::Key_Slash},   {0xBA, ";", Qt::Key_Semicolon},
    {0xBB, "=", Qt::Key_Equal},        {0xBC, ",", Qt::Key_Comma},       {0xBD, "-", Qt::Key_Minus},
    {0xBE, ".", Qt::Key_Period},       {0xBF, "/", Qt::Key_Slash},       {0xC0, "`", Qt::Key_QuoteLeft},
    {0xDB, "[", Qt::Key_BracketLeft},  {0xDC, "\\", Qt::Key_Backslash},  {0xDD, "]", Qt::Key_BracketRight},
    {0xDE, "'", Qt::Key_Apostrophe},
};

const NamedKey* FindNamedKey(Word key) {
  for (const auto& k : NamedKeys)
    if (k.Key == key) return &k;
  return nullptr;
}

std::string KeyName(Word key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
  if (key >= 0x60 && key <= 0x69) return "Num " + std::to_string(key - 0x60);
  if (key >= 0x70 && key <= 0x87) return "F" + std::to_string(key - 0x70 + 1);
  const NamedKey* named = FindNamedKey(key);
  return named ? named->Name : "";
}

int QtKeyOf(Word key) {
  if (key >= 0x60 && key <= 0x69) return Qt::Key_0 + (key - 0x60);
  if (key >= 0x70 && key <= 0x87) return Qt::Key_F1 + (key - 0x70);
  if (const NamedKey* named = FindNamedKey(key)) return named->QtKey;
  return QtKeyFromVirtualKey(key);
}

struct Modifier {
  TShortCut Flag;
  const char* Prefix;
};
constexpr Modifier Modifiers[] = {{scShift, "Shift+"}, {scCtrl, "Ctrl+"}, {scAlt, "Alt+"}};

}  // namespace

const TTypeInfo* TShortCutType() {
  static const TTypeInfo* t = MakeOrdinalType(tkInteger, "TShortCut", otUWord, 0, 65535);
  return t;
}

TShortCut ShortCut(Word key, TShiftState shift) {
  if (key & 0xFF00) return scNone;
  TShortCut result = key;
  if (shift.Contains(ssShift)) result |= scShift;
  if (shift.Contains(ssCtrl)) result |= scCtrl;
  if (shift.Contains(ssAlt)) result |= scAlt;
  return result;
}

void ShortCutToKey(TShortCut shortCut, Word& key, TShiftState& shift) {
  key = shortCut & 0xFF;
  shift = {};
  if (shortCut & scShift) shift.Include(ssShift);
  if (shortCut & scCtrl) shift.Include(ssCtrl);
  if (shortCut & scAlt) shift.Include(ssAlt);
}

std::string ShortCutToText(TShortCut shortCut) {
  const std::string name = KeyName(shortCut & 0xFF);
  if (name.empty()) return "";
  std::string text;
  for (const auto& m : Modifiers)
    if (shortCut & m.Flag) text += m.Prefix;
  return text + name;
}

TShortCut TextToShortCut(std::string_view text) {
  TShortCut modifiers = 0;
  for (bool found = true; found;) {
    found = false;
    for (const auto& m : Modifiers) {
      const std::string_view prefix = m.Prefix;
      if (text.size() > prefix.size() && SameText(text.substr(0, prefix.size()), prefix)) {
        modifiers |= m.Flag;
        text.remove_prefix(prefix.size());
        found = true;
      }
    }
  }
  if (text.empty()) return scNone;
  for (Word key = 0x08; key <= 0xFF; ++key)
    if (SameText(KeyName(key), text)) return modifiers | key;
  return scNone;
}

QKeySequence ShortCutToKeySequence(TShortCut shortCut) {
  Word key = 0;
  TShiftState shift;
  ShortCutToKey(shortCut, key, shift);
  const int qtKey = key ? QtKeyOf(key) : 0;
  if (!qtKey) return {};
  int modifiers = QtModifiersFromShiftState(shift);
  if (key >= 0x60 && key <= 0x6F) modifiers |= Qt::KeypadModifier;
  return QKeySequence(QKeyCombination(Qt::KeyboardModifiers(modifiers), Qt::Key(qtKey)));
}

}  // namespace kcl
