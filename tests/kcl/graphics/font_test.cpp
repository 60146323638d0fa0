#include <gtest/gtest.h>

#include <vector>

#include "kcl/graphics/font.h"
#include "kcl/graphics/graphicsholder.h"
#include "kcl/graphics/muldiv.h"

using namespace kcl;
using namespace graphics_testing;

namespace {

struct PropSummary {
  std::string Name;
  std::string Type;
  int64_t Default;
  bool Stored;
  bool operator==(const PropSummary&) const = default;
};

std::vector<PropSummary> Published(TClass cls, const TObject* instance) {
  std::vector<PropSummary> result;
  for (PPropInfo p : GetPropInfos(cls))
    result.push_back({p->Name, p->PropType->Name, p->Default, IsStoredProp(instance, p)});
  return result;
}

}  // namespace

TEST(GraphicsObjects, PublishDelphisPropertiesInDeclarationOrder) {
  TFont font;
  EXPECT_EQ(Published(&TFont::StaticClass(), &font),
            (std::vector<PropSummary>{{"Charset", "TFontCharset", NoDefault, true},
                                      {"Color", "TColor", NoDefault, true},
                                      {"Height", "Integer", NoDefault, true},
                                      {"Name", "TFontName", NoDefault, true},
                                      {"Pitch", "TFontPitch", fpDefault, true},
                                      {"Size", "Integer", NoDefault, false},
                                      {"Style", "TFontStyles", NoDefault, true}}));
  TPen pen;
  EXPECT_EQ(Published(&TPen::StaticClass(), &pen),
            (std::vector<PropSummary>{{"Color", "TColor", clBlack, true},
                                      {"Mode", "TPenMode", pmCopy, true},
                                      {"Style", "TPenStyle", psSolid, true},
                                      {"Width", "Integer", 1, true}}));
  TBrush brush;
  EXPECT_EQ(Published(&TBrush::StaticClass(), &brush),
            (std::vector<PropSummary>{{"Color", "TColor", clWhite, true}, {"Style", "TBrushStyle", bsSolid, true}}));
  EXPECT_EQ(GetEnumName(TypeInfoOf<TPenMode>(), pmNotXor), "pmNotXor");
  EXPECT_EQ(GetEnumName(TypeInfoOf<TBrushStyle>(), bsDiagCross), "bsDiagCross");
  EXPECT_EQ(GetTypeData(TFontCharsetType())->MaxValue, 255);
}

TEST(GraphicsObjects, DefaultsStreamAsDelphiWritesThem) {
  auto holder = NewHolder();
  EXPECT_EQ(WrittenText(holder.get()),
            "object Holder1: TGraphicsHolder\r\n"
            "  Font.Charset = DEFAULT_CHARSET\r\n"
            "  Font.Color = clWindowText\r\n"
            "  Font.Height = -11\r\n"
            "  Font.Name = 'MS Sans Serif'\r\n"
            "  Font.Style = []\r\n"
            "end\r\n");
}

TEST(GraphicsObjects, ChangedValuesStreamAndReadBack) {
  auto holder = NewHolder();
  holder->Font()->SetCharset(RUSSIAN_CHARSET);
  holder->Font()->SetColor(clBlack);
  holder->Font()->SetSize(10);
  holder->Font()->SetName("Courier New");
  holder->Font()->SetPitch(fpFixed);
  holder->Font()->SetStyle({fsBold, fsUnderline});
  holder->Pen()->SetColor(clBlue);
  holder->Pen()->SetMode(pmXor);
  holder->Pen()->SetWidth(2);
  holder->Brush()->SetColor(clFuchsia);
  holder->Brush()->SetStyle(bsClear);
  const std::string text =
      "object Holder1: TGraphicsHolder\r\n"
      "  Font.Charset = RUSSIAN_CHARSET\r\n"
      "  Font.Color = clBlack\r\n"
      "  Font.Height = -13\r\n"
      "  Font.Name = 'Courier New'\r\n"
      "  Font.Pitch = fpFixed\r\n"
      "  Font.Style = [fsBold, fsUnderline]\r\n"
      "  Pen.Color = clBlue\r\n"
      "  Pen.Mode = pmXor\r\n"
      "  Pen.Width = 2\r\n"
      "  Brush.Color = clFuchsia\r\n"
      "  Brush.Style = bsClear\r\n"
      "end\r\n";
  EXPECT_EQ(WrittenText(holder.get()), text);

  auto copy = ReadText(text);
  EXPECT_EQ(copy->Font()->Size(), 10);
  EXPECT_EQ(copy->Font()->Style(), (TFontStyles{fsBold, fsUnderline}));
  EXPECT_EQ(copy->Pen()->Mode(), pmXor);
  EXPECT_EQ(WrittenText(copy.get()), text);

  holder->Font()->SetCharset(100);  // no identifier: a number
  EXPECT_NE(WrittenText(holder.get()).find("Font.Charset = 100\r\n"), std::string::npos);
}

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

TEST(GraphicsObjects, OnChangeFiresForEachRealChange) {
  TFont font;
  TPen pen;
  int changes = 0;
  font.OnChange.SetHandler([&](TObject* sender) { changes += sender == &font; });
  pen.OnChange.SetHandler([&](TObject* sender) { changes += sender == &pen; });
  font.SetColor(clWindowText);  // unchanged
  font.SetName("");             // ignored
  pen.SetWidth(-1);             // ignored
  EXPECT_EQ(changes, 0);
  font.SetSize(12);
  font.SetName("Arial");
  pen.SetStyle(psDot);
  EXPECT_EQ(changes, 3);
  TFont other;
  font.Assign(&other);
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(font.Name(), "MS Sans Serif");
  EXPECT_THROW(pen.Assign(&font), EConvertError);
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
