#include <gtest/gtest.h>

#include "kcl/graphics/font.h"
#include "kcl/graphics/muldiv.h"

using namespace kcl;

TEST(Font, SizeAndHeightConvertThroughPixelsPerInch) {
  EXPECT_EQ(MulDiv(-11, 72, 96), -8);  // -8.25
  EXPECT_EQ(MulDiv(-3, 1, 2), -2);     // halves round away from zero
  EXPECT_EQ(MulDiv(3, 1, 2), 2);
  EXPECT_EQ(MulDiv(5, 1, 0), -1);
  EXPECT_EQ(MulDiv(0x40000000, 4, 1), -1);  // overflow

  TFont font;
  EXPECT_EQ(font.Size(), 8);
  font.SetSize(10);
  EXPECT_EQ(font.Height(), -13);  // -13.33
  font.SetHeight(-16);
  EXPECT_EQ(font.Size(), 12);
  font.SetHeight(13);  // a cell height gives a negative size, as Delphi's does
  EXPECT_EQ(font.Size(), -10);

  TFont large;
  large.SetPixelsPerInch(120);
  large.SetSize(8);
  EXPECT_EQ(large.Height(), -13);
  large.SetHeight(-11);
  EXPECT_EQ(large.Size(), 7);  // -6.6
  // Assigning across resolutions keeps the point size.
  large.SetSize(12);
  font.Assign(&large);
  EXPECT_EQ(font.Size(), 12);
  EXPECT_EQ(font.Height(), -16);
  // New fonts take the screen's resolution.
  TFont::SetScreenPixelsPerInch(120);
  TFont screen;
  TFont::SetScreenPixelsPerInch(96);
  EXPECT_EQ(screen.Height(), -13);
}

TEST(Font, ConvertsToQt) {
  TFont font;
  font.SetName("Caf\xe9 Sans");
  font.SetHeight(-15);
  font.SetStyle({fsBold, fsItalic, fsUnderline, fsStrikeOut});
  font.SetColor(clBtnFace);
  QFont q = font.ToQFont();
  EXPECT_EQ(q.family(), QString::fromUtf8("Caf\u00e9 Sans"));
  EXPECT_EQ(q.pixelSize(), 15);
  EXPECT_EQ(q.weight(), QFont::Bold);
  EXPECT_TRUE(q.italic() && q.underline() && q.strikeOut());
  EXPECT_EQ(font.QtColor(), QColor(0xC0, 0xC0, 0xC0));
  font.SetHeight(20);
  EXPECT_EQ(font.ToQFont().pixelSize(), 20);
}
