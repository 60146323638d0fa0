#include "kcl/system/colors.h"

#include <climits>

#include "kcl/classes/intconsts.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

struct IdentMapEntry {
  int32_t Value;
  const char* Name;
};

constexpr IdentMapEntry Colors[] = {
    {clBlack, "clBlack"}, {clMaroon, "clMaroon"}, {clGreen, "clGreen"}, {clOlive, "clOlive"},
    {clNavy, "clNavy"}, {clPurple, "clPurple"}, {clTeal, "clTeal"}, {clGray, "clGray"},
    {clSilver, "clSilver"}, {clRed, "clRed"}, {clLime, "clLime"}, {clYellow, "clYellow"},
    {clBlue, "clBlue"}, {clFuchsia, "clFuchsia"}, {clAqua, "clAqua"}, {clWhite, "clWhite"},
    {clScrollBar, "clScrollBar"}, {clBackground, "clBackground"}, {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"}, {clMenu, "clMenu"}, {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"}, {clMenuText, "clMenuText"}, {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"}, {clActiveBorder, "clActiveBorder"}, {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"}, {clHighlight, "clHighlight"}, {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"}, {clBtnShadow, "clBtnShadow"}, {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"}, {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"}, {cl3DDkShadow, "cl3DDkShadow"}, {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"}, {clInfoBk, "clInfoBk"}, {clNone, "clNone"}, {clDefault, "clDefault"},
};

constexpr IdentMapEntry Cursors[] = {
    {crDefault, "crDefault"}, {crArrow, "crArrow"}, {crCross, "crCross"}, {crIBeam, "crIBeam"},
    {crSize, "crSize"}, {crSizeNESW, "crSizeNESW"}, {crSizeNS, "crSizeNS"}, {crSizeNWSE, "crSizeNWSE"},
    {crSizeWE, "crSizeWE"}, {crUpArrow, "crUpArrow"}, {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"},
    {crNoDrop, "crNoDrop"}, {crHSplit, "crHSplit"}, {crVSplit, "crVSplit"}, {crMultiDrag, "crMultiDrag"},
    {crSQLWait, "crSQLWait"}, {crNo, "crNo"}, {crAppStart, "crAppStart"}, {crHelp, "crHelp"},
    {crHandPoint, "crHandPoint"}, {crNone, "crNone"},
};

template <size_t N>
bool ValueToIdent(const IdentMapEntry (&map)[N], int32_t value, std::string& ident) {
  for (const auto& e : map)
    if (e.Value == value) return ident = e.Name, true;
  return false;
}

template <size_t N>
bool IdentToValue(const IdentMapEntry (&map)[N], std::string_view ident, int32_t& value) {
  for (const auto& e : map)
    if (SameText(e.Name, ident)) return value = e.Value, true;
  return false;
}

const TTypeInfo* RegisteredIntegerType(const char* name, TOrdType ord, int32_t min, int32_t max, TIdentToInt toInt,
                                       TIntToIdent toIdent) {
  const TTypeInfo* type = MakeOrdinalType(tkInteger, name, ord, min, max);
  RegisterIntegerConsts(type, std::move(toInt), std::move(toIdent));
  return type;
}

}  // namespace

bool ColorToIdent(TColor color, std::string& ident) { return ValueToIdent(Colors, color, ident); }
bool IdentToColor(std::string_view ident, TColor& color) { return IdentToValue(Colors, ident, color); }

std::string ColorToString(TColor color) {
  std::string ident;
  return ColorToIdent(color, ident) ? ident : Format("$%.8x", {static_cast<uint32_t>(color)});
}

TColor StringToColor(std::string_view text) {
  TColor color = 0;
  return IdentToColor(text, color) ? color : StrToInt(text);
}

void GetColorValues(const std::function<void(const std::string&)>& proc) {
  for (const auto& e : Colors) proc(e.Name);
}

const TTypeInfo* TColorType() {
  static const TTypeInfo* type =
      RegisteredIntegerType("TColor", otSLong, INT32_MIN, INT32_MAX, IdentToColor, ColorToIdent);
  return type;
}

bool CursorToIdent(int32_t cursor, std::string& ident) { return ValueToIdent(Cursors, cursor, ident); }
bool IdentToCursor(std::string_view ident, int32_t& cursor) { return IdentToValue(Cursors, ident, cursor); }

std::string CursorToString(int32_t cursor) {
  const auto value = static_cast<TCursor>(cursor);  // a cursor is a 16-bit value
  std::string ident;
  return CursorToIdent(value, ident) ? ident : Format("%d", {static_cast<int>(value)});
}

TCursor StringToCursor(std::string_view text) {
  int32_t cursor = 0;
  return static_cast<TCursor>(IdentToCursor(text, cursor) ? cursor : StrToInt(text));
}

void GetCursorValues(const std::function<void(const std::string&)>& proc) {
  for (const auto& e : Cursors) proc(e.Name);
}

const TTypeInfo* TCursorType() {
  static const TTypeInfo* type = RegisteredIntegerType("TCursor", otSWord, -32768, 32767, IdentToCursor, CursorToIdent);
  return type;
}

}  // namespace kcl
