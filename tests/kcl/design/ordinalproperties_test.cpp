// Integer, character and enumeration properties: text both ways, the type's
// range, and refused text that changes nothing.
#include "editortest.h"

#include "kcl/components/edit.h"
#include "kcl/components/extctrls.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/graphics/font.h"

using namespace kcl;
using namespace korvax::test;

using OrdinalProperties = PropertyEditorTest;

TEST_F(OrdinalProperties, IntegersReadDecimalAndHexadecimalAndRefuseTheRest) {
  auto* button = Place<TButton>(Form.get(), "Button1");
  auto width = EditorOf(button, "Width");
  EXPECT_EQ(width->ClassName(), "TIntegerProperty");
  width->SetValue("120");
  EXPECT_EQ(button->Width(), 120);
  width->SetValue(" $40 ");
  EXPECT_EQ(button->Width(), 64);
  EXPECT_EQ(width->GetValue(), "64");
  EXPECT_EQ(Designer.ModifiedCount, 2);
  auto left = EditorOf(button, "Left");
  left->SetValue("-5");
  EXPECT_EQ(left->GetValue(), "-5");
  for (const char* text : {"12a", "", "$", "1 2", "99999999999"})
    ExpectRefused<EConvertError>(*width, text, Format(msg::InvalidInteger, {text}));
}

TEST_F(OrdinalProperties, IntegersOutsideTheirTypesRangeAreRefused) {
  auto* button = Place<TButton>(Form.get(), "Button1");
  auto charset = CreatePropertyEditor(&Designer, button->Font(), GetPropInfo(button->Font(), "Charset"));
  charset->SetValue("255");
  EXPECT_EQ(button->Font()->Charset(), 255);
  charset->SetValue("0");
  EXPECT_EQ(charset->GetValue(), "0");
  for (const char* text : {"256", "-1", "$FFFFFFFF"})
    ExpectRefused<EPropertyError>(*charset, text, "Value must be between 0 and 255");
}

TEST_F(OrdinalProperties, CharactersArePrintableOrNumbered) {
  auto* edit = Place<TEdit>(Form.get(), "Edit1");
  auto passwordChar = EditorOf(edit, "PasswordChar");
  EXPECT_EQ(passwordChar->ClassName(), "TCharProperty");
  EXPECT_EQ(passwordChar->GetValue(), "#0");
  passwordChar->SetValue("*");
  EXPECT_EQ(edit->PasswordChar(), '*');
  EXPECT_EQ(passwordChar->GetValue(), "*");
  passwordChar->SetValue("#9");
  EXPECT_EQ(passwordChar->GetValue(), "#9");
  for (const char* printable : {" ", "~"}) {
    passwordChar->SetValue(printable);
    EXPECT_EQ(passwordChar->GetValue(), printable);
  }
  for (const char* numbered : {"#127", "#200"}) {
    passwordChar->SetValue(numbered);
    EXPECT_EQ(passwordChar->GetValue(), numbered);
  }
  passwordChar->SetValue("");
  EXPECT_EQ(edit->PasswordChar(), '\0');
  ExpectRefused<EPropertyError>(*passwordChar, "ab", msg::InvalidPropertyValue);
  ExpectRefused<EPropertyError>(*passwordChar, "#256", "Value must be between 0 and 255");
  ExpectRefused<EConvertError>(*passwordChar, "#x");
}

TEST_F(OrdinalProperties, EnumerationsAreNamedWithoutRegardToCase) {
  auto* panel = Place<TPanel>(Form.get(), "Panel1");
  auto alignment = EditorOf(panel, "Alignment");
  EXPECT_EQ(alignment->ClassName(), "TEnumProperty");
  EXPECT_EQ(alignment->GetValue(), "taCenter");
  EXPECT_EQ(ValuesOf(*alignment), (std::vector<std::string>{"taLeftJustify", "taRightJustify", "taCenter"}));
  alignment->SetValue("TALEFTJUSTIFY");
  EXPECT_EQ(panel->Alignment(), taLeftJustify);
  EXPECT_EQ(alignment->GetValue(), "taLeftJustify");
  ExpectRefused<EPropertyError>(*alignment, "taMiddle", msg::InvalidPropertyValue);
  ExpectRefused<EPropertyError>(*alignment, " taCenter");

  auto enabled = EditorOf(panel, "Enabled");
  EXPECT_EQ(ValuesOf(*enabled), (std::vector<std::string>{"False", "True"}));
  enabled->SetValue("false");
  EXPECT_FALSE(panel->Enabled());
  EXPECT_EQ(Designer.ModifiedCount, 2);
}

TEST_F(OrdinalProperties, SeveralInstancesAreEqualOnlyWhenAllValuesAre) {
  auto* button1 = Place<TButton>(Form.get(), "Button1");
  auto* button2 = Place<TButton>(Form.get(), "Button2", 8, 40);
  button2->SetWidth(button1->Width() + 10);
  auto width = EditorOfAll({button1, button2}, "Width");
  EXPECT_FALSE(width->AllEqual());
  width->SetValue("90");
  EXPECT_TRUE(width->AllEqual());
  EXPECT_EQ(button2->Width(), 90);
  EXPECT_EQ(Designer.ModifiedCount, 1);
}
