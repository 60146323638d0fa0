#pragma once
// Menu shortcuts: a virtual key in the low byte and the modifiers in the high bits
// (scShift, scCtrl, scAlt), as form files store them, with their texts ("Ctrl+S").
#include <string>
#include <string_view>

#include "kcl/controls/controltypes.h"

class QKeySequence;

namespace kcl {

using TShortCut = Word;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000, scNone = 0;
const TTypeInfo* TShortCutType();  // "TShortCut", a Word

TShortCut ShortCut(Word key, TShiftState shift);
void ShortCutToKey(TShortCut shortCut, Word& key, TShiftState& shift);
// "Shift+Ctrl+F9"; "" for none or for a key without a name.
std::string ShortCutToText(TShortCut shortCut);
// The inverse of ShortCutToText, without regard to case; 0 for unknown text.
TShortCut TextToShortCut(std::string_view text);
// The Qt key sequence of a shortcut; empty when Qt has no key for it.
QKeySequence ShortCutToKeySequence(TShortCut shortCut);

}  // namespace kcl
