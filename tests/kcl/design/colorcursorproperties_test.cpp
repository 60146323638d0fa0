// Colour and cursor properties: identifiers first, numbers otherwise, and the
// identifier lists as values.
#include "editortest.h"

#include "kcl/components/extctrls.h"
#include "kcl/system/colors.h"

using namespace kcl;
using namespace korvax::test;

class ColorCursorProperties : public PropertyEditorTest {
protected:
  void SetUp() override {
    PropertyEditorTest::SetUp();
    RegisterPropertyEditor(TColorType(), nullptr, "", EditorClassOf<TColorProperty>());
    RegisterPropertyEditor(TCursorType(), nullptr, "", EditorClassOf<TCursorProperty>());
    Panel = Place<TPanel>(Form.get(), "Panel1");
  }
  TPanel* Panel = nullptr;
};

TEST_F(ColorCursorProperties, ColorsAreIdentifiersOrEightHexadecimalDigits) {
  auto color = EditorOf(Panel, "Color");
  EXPECT_EQ(color->ClassName(), "TColorProperty");
  EXPECT_EQ(color->GetValue(), "clBtnFace");
  color->SetValue("CLRED");
  EXPECT_EQ(Panel->Color(), clRed);
  EXPECT_EQ(color->GetValue(), "clRed");
  color->SetValue("$00123456");
  EXPECT_EQ(Panel->Color(), 0x123456);
  EXPECT_EQ(color->GetValue(), "$00123456");
  color->SetValue("1193047");
  EXPECT_EQ(color->GetValue(), "$00123457");
  color->SetValue("$80000005");
  EXPECT_EQ(color->GetValue(), "clWindow");
  EXPECT_EQ(Designer.ModifiedCount, 4);
  ExpectRefused<EConvertError>(*color, "clPink", Format(msg::InvalidInteger, {"clPink"}));
  ExpectRefused<EConvertError>(*color, "$1G");

  std::vector<std::string> named;
  GetColorValues([&](const std::string& name) { named.push_back(name); });
  EXPECT_EQ(ValuesOf(*color), named);
}

TEST_F(ColorCursorProperties, CursorsAreIdentifiersOrSigned16BitNumbers) {
  auto cursor = EditorOf(Panel, "Cursor");
  EXPECT_EQ(cursor->ClassName(), "TCursorProperty");
  EXPECT_EQ(cursor->GetValue(), "crDefault");
  cursor->SetValue("crhandpoint");
  EXPECT_EQ(Panel->Cursor(), crHandPoint);
  cursor->SetValue("-3");
  EXPECT_EQ(cursor->GetValue(), "crCross");
  cursor->SetValue("5");
  EXPECT_EQ(cursor->GetValue(), "5");
  ExpectRefused<EPropertyError>(*cursor, "40000", "Value must be between -32768 and 32767");
  ExpectRefused<EConvertError>(*cursor, "crFinger");

  std::vector<std::string> named;
  GetCursorValues([&](const std::string& name) { named.push_back(name); });
  EXPECT_EQ(ValuesOf(*cursor), named);
}

TEST_F(ColorCursorProperties, AttributesOfferAListButNoDialog) {
  auto color = EditorOf(Panel, "Color");
  auto cursor = EditorOf(Panel, "Cursor");
  const auto listed = AttributeBit(paMultiSelect) | AttributeBit(paValueList) | AttributeBit(paRevertable);
  EXPECT_EQ(color->GetAttributes(), listed);
  EXPECT_EQ(cursor->GetAttributes(), listed | AttributeBit(paSortList));
}
