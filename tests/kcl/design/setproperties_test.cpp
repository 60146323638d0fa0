// Set properties: the "[...]" text of the 32 bits and the True/False editors of
// each element.
#include "editortest.h"

#include "kcl/components/stdbuttons.h"
#include "kcl/graphics/font.h"
#include "samplekinds.h"

using namespace kcl;
using namespace korvax::test;

using SetProperties = PropertyEditorTest;

namespace {

std::unique_ptr<TPropertyEditor> StyleEditor(TFormDesigner* designer, TFont* font) {
  return CreatePropertyEditor(designer, font, GetPropInfo(font, "Style"));
}

TPropertyEditor& Element(std::vector<std::unique_ptr<TPropertyEditor>>& elements, const std::string& name) {
  for (auto& element : elements)
    if (element->GetName() == name) return *element;
  throw std::runtime_error("no element " + name);
}

}  // namespace

TEST_F(SetProperties, ElementEditorsSetAndClearTheirOwnBit) {
  auto* button = Place<TButton>(Form.get(), "Button1");
  auto style = StyleEditor(&Designer, button->Font());
  EXPECT_EQ(style->ClassName(), "TSetProperty");
  EXPECT_EQ(style->GetValue(), "[]");
  auto elements = SubPropertiesOf(*style);
  EXPECT_EQ(NamesOf(elements), (std::vector<std::string>{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}));
  EXPECT_EQ(elements[0]->ClassName(), "TSetElementProperty");
  EXPECT_EQ(ValuesOf(*elements[0]), (std::vector<std::string>{"False", "True"}));

  Element(elements, "fsUnderline").SetValue("true");
  Element(elements, "fsBold").SetValue("TRUE");
  EXPECT_EQ(button->Font()->Style(), (TFontStyles{fsBold, fsUnderline}));
  EXPECT_EQ(style->GetValue(), "[fsBold,fsUnderline]");
  EXPECT_EQ(Element(elements, "fsBold").GetValue(), "True");
  EXPECT_EQ(Element(elements, "fsItalic").GetValue(), "False");
  Element(elements, "fsBold").SetValue("False");
  EXPECT_EQ(style->GetValue(), "[fsUnderline]");
  EXPECT_EQ(Designer.ModifiedCount, 3);
  ExpectRefused<EPropertyError>(Element(elements, "fsItalic"), "yes", msg::InvalidPropertyValue);
}

TEST_F(SetProperties, AnElementOfSeveralInstancesLeavesTheirOtherElements) {
  auto* button1 = Place<TButton>(Form.get(), "Button1");
  auto* button2 = Place<TButton>(Form.get(), "Button2", 8, 40);
  button1->Font()->SetStyle({fsBold});
  button2->Font()->SetStyle({fsItalic});
  auto style = CreatePropertyEditor(&Designer, button1->Font(), GetPropInfo(button1->Font(), "Style"));
  auto both = EditorOfAll({button1->Font(), button2->Font()}, "Style");
  EXPECT_FALSE(both->AllEqual());
  auto elements = SubPropertiesOf(*both);
  EXPECT_FALSE(Element(elements, "fsBold").AllEqual());
  Element(elements, "fsUnderline").SetValue("True");
  EXPECT_TRUE(Element(elements, "fsUnderline").AllEqual());
  EXPECT_EQ(button1->Font()->Style(), (TFontStyles{fsBold, fsUnderline}));
  EXPECT_EQ(button2->Font()->Style(), (TFontStyles{fsItalic, fsUnderline}));
  EXPECT_EQ(style->GetValue(), "[fsBold,fsUnderline]");
}

TEST_F(SetProperties, OrdinalsAboveThe32BitsAreNeverListed) {
  TSampleKinds sample;
  sample.SetWide(0x80000001u);
  auto wide = CreatePropertyEditor(&Designer, &sample, GetPropInfo(&sample, "Wide"));
  EXPECT_EQ(wide->GetValue(), "[w0,w31]");
  auto elements = SubPropertiesOf(*wide);
  ASSERT_EQ(elements.size(), 32u);
  EXPECT_EQ(elements.front()->GetName(), "w0");
  EXPECT_EQ(elements.back()->GetName(), "w31");
  elements.back()->SetValue("False");
  EXPECT_EQ(sample.Wide(), 1u);
}

TEST_F(SetProperties, TheTextOfASetIsTakenBackAndABadNameChangesNothing) {
  auto* button = Place<TButton>(Form.get(), "Button1");
  auto style = StyleEditor(&Designer, button->Font());
  style->SetValue(" [ fsunderline, fsBold ] ");
  EXPECT_EQ(button->Font()->Style(), (TFontStyles{fsBold, fsUnderline}));
  ExpectRefused<EPropertyError>(*style, "[fsBold,fsHeavy]", msg::InvalidPropertyValue);
  ExpectRefused<EPropertyError>(*style, "fsBold", msg::InvalidPropertyValue);
  EXPECT_EQ(style->GetValue(), "[fsBold,fsUnderline]");
  style->SetValue("[]");
  EXPECT_EQ(style->GetValue(), "[]");
}
