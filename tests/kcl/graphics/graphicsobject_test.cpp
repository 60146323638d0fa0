// The font, pen and brush: their published properties, how they stream, and
// when they tell of a change.
#include <gtest/gtest.h>

#include <vector>

#include "kcl/graphics/brush.h"
#include "kcl/graphics/font.h"
#include "kcl/graphics/pen.h"
#include "support/formtext.h"
#include "support/graphicsholder.h"

using namespace kcl;
using korvax::test::NewHolder;
using korvax::test::ReadHolder;
using korvax::test::WriteText;

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
  EXPECT_EQ(WriteText(holder.get()),
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
  EXPECT_EQ(WriteText(holder.get()), text);

  auto copy = ReadHolder(text);
  EXPECT_EQ(copy->Font()->Size(), 10);
  EXPECT_EQ(copy->Font()->Style(), (TFontStyles{fsBold, fsUnderline}));
  EXPECT_EQ(copy->Pen()->Mode(), pmXor);
  EXPECT_EQ(WriteText(copy.get()), text);

  holder->Font()->SetCharset(100);  // no identifier: a number
  EXPECT_NE(WriteText(holder.get()).find("Font.Charset = 100\r\n"), std::string::npos);
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
