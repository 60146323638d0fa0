#pragma once
// TColor and TCursor with their identifiers. A colour is $00BBGGRR, or a system
// colour ($80000000 or the Windows colour index); a cursor is a small negative
// number for the built-in shapes.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "kcl/classes/typinfo.h"

namespace kcl {

using TColor = int32_t;

constexpr TColor SysColor(int index) { return static_cast<TColor>(0x80000000u | static_cast<uint32_t>(index)); }

constexpr TColor clScrollBar = SysColor(0), clBackground = SysColor(1), clActiveCaption = SysColor(2),
                 clInactiveCaption = SysColor(3), clMenu = SysColor(4), clWindow = SysColor(5),
                 clWindowFrame = SysColor(6), clMenuText = SysColor(7), clWindowText = SysColor(8),
                 clCaptionText = SysColor(9), clActiveBorder = SysColor(10), clInactiveBorder = SysColor(11),
                 clAppWorkSpace = SysColor(12), clHighlight = SysColor(13), clHighlightText = SysColor(14),
                 clBtnFace = SysColor(15), clBtnShadow = SysColor(16), clGrayText = SysColor(17),
                 clBtnText = SysColor(18), clInactiveCaptionText = SysColor(19), clBtnHighlight = SysColor(20),
                 cl3DDkShadow = SysColor(21), cl3DLight = SysColor(22), clInfoText = SysColor(23),
                 clInfoBk = SysColor(24);

constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clLtGray = 0xC0C0C0,
                 clDkGray = 0x808080, clWhite = 0xFFFFFF, clNone = 0x1FFFFFFF, clDefault = 0x20000000;

// The "TColor" integer type; its values stream as identifiers when they have one.
const TTypeInfo* TColorType();

bool ColorToIdent(TColor color, std::string& ident);
bool IdentToColor(std::string_view ident, TColor& color);
// The identifier, or "$" and eight hexadecimal digits.
std::string ColorToString(TColor color);
// An identifier (without regard to case) or an integer ("$" hexadecimal allowed);
// anything else raises EConvertError.
TColor StringToColor(std::string_view text);
// Every named colour, in the framework's order (standard colours, then system ones).
void GetColorValues(const std::function<void(const std::string&)>& proc);

using TCursor = int16_t;

constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSize = -5,
                  crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10,
                  crHourGlass = -11, crDrag = -12, crNoDrop = -13, crHSplit = -14, crVSplit = -15,
                  crMultiDrag = -16, crSQLWait = -17, crNo = -18, crAppStart = -19, crHelp = -20,
                  crHandPoint = -21;

const TTypeInfo* TCursorType();

bool CursorToIdent(int32_t cursor, std::string& ident);
bool IdentToCursor(std::string_view ident, int32_t& cursor);
// The identifier, or the value as a signed 16-bit decimal.
std::string CursorToString(int32_t cursor);
TCursor StringToCursor(std::string_view text);
void GetCursorValues(const std::function<void(const std::string&)>& proc);

}  // namespace kcl
