#include <gtest/gtest.h>

#include "kcl/classes/intconsts.h"
#include "kcl/system/colors.h"
#include "kcl/rtl/exceptions.h"

using namespace kcl;

TEST(Colors, IdentifiersAndHexadecimalText) {
  EXPECT_EQ(ColorToString(clBtnFace), "clBtnFace");
  EXPECT_EQ(ColorToString(clRed), "clRed");
  EXPECT_EQ(ColorToString(0x00123456), "$00123456");
  EXPECT_EQ(ColorToString(static_cast<TColor>(0x80000063)), "$80000063");
  // clLtGray and clDkGray share values with clSilver and clGray: those names win.
  EXPECT_EQ(ColorToString(clLtGray), "clSilver");
  EXPECT_EQ(StringToColor("CLWINDOWTEXT"), clWindowText);
  EXPECT_EQ(StringToColor("$FF"), 0xFF);
  EXPECT_EQ(StringToColor("255"), 0xFF);
  EXPECT_THROW(StringToColor("clPink"), EConvertError);
  std::vector<std::string> names;
  GetColorValues([&](const std::string& n) { names.push_back(n); });
  ASSERT_FALSE(names.empty());
  EXPECT_EQ(names.front(), "clBlack");
  EXPECT_EQ(names[16], "clScrollBar");
}

TEST(Colors, CursorsUseIdentifiersOrSigned16BitNumbers) {
  EXPECT_EQ(CursorToString(crDefault), "crDefault");
  EXPECT_EQ(CursorToString(crHourGlass), "crHourGlass");
  EXPECT_EQ(CursorToString(-40), "-40");
  EXPECT_EQ(CursorToString(0xFFFF), "crNone");  // -1 as a 16-bit value
  EXPECT_EQ(CursorToString(0x1FFD8), "-40");
  EXPECT_EQ(StringToCursor("crHSplit"), crHSplit);
  EXPECT_EQ(StringToCursor("7"), 7);
}

TEST(Colors, TypesStreamTheirValuesAsIdentifiers) {
  const TIntegerConsts* consts = FindIntegerConsts(TColorType());
  ASSERT_NE(consts, nullptr);
  std::string ident;
  EXPECT_TRUE(consts->IntToIdent(clWindow, ident));
  EXPECT_EQ(ident, "clWindow");
  int32_t value = 0;
  EXPECT_TRUE(consts->IdentToInt("clBlue", value));
  EXPECT_EQ(value, clBlue);
  EXPECT_EQ(TCursorType()->Name, "TCursor");
  EXPECT_NE(FindIntegerConsts(TCursorType()), nullptr);
}
