// Class properties: the class name as value, the held object's properties as
// sub-properties, and the font dialog of font properties.
#include "editortest.h"

#include "kcl/components/dialogs.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/controls/modal.h"
#include "kcl/graphics/font.h"
#include "kcl/system/colors.h"

using namespace kcl;
using namespace korvax::test;

using ClassProperties = PropertyEditorTest;

namespace {

class DialogAnswer {
public:
  explicit DialogAnswer(TDialogHook hook) { SetDialogHook(std::move(hook)); }
  ~DialogAnswer() { SetDialogHook(nullptr); }
};

}  // namespace

TEST_F(ClassProperties, FontsListTheirPropertiesThroughTheRegistry) {
  RegisterPropertyEditor(TColorType(), nullptr, "", EditorClassOf<TColorProperty>());
  auto* button = Place<TButton>(Form.get(), "Button1");
  auto font = EditorOf(button, "Font");
  EXPECT_EQ(font->ClassName(), "TClassProperty");
  EXPECT_EQ(font->GetValue(), "(TFont)");
  EXPECT_EQ(font->GetAttributes(), 74);
  auto subs = SubPropertiesOf(*font);
  EXPECT_EQ(NamesOf(subs), (std::vector<std::string>{"Charset", "Color", "Height", "Name", "Pitch", "Size", "Style"}));
  EXPECT_EQ(subs[1]->ClassName(), "TColorProperty");
  EXPECT_EQ(subs[6]->ClassName(), "TSetProperty");
  subs[5]->SetValue("12");
  EXPECT_EQ(button->Font()->Size(), 12);
  EXPECT_FALSE(button->ParentFont());
  EXPECT_EQ(Designer.ModifiedCount, 1);
}

TEST_F(ClassProperties, NoObjectNoSubProperties) {
  auto* button = Place<TButton>(Form.get(), "Button1");
  auto popup = EditorOf(button, "PopupMenu");
  EXPECT_EQ(popup->GetValue(), "(TPopupMenu)");
  EXPECT_TRUE(SubPropertiesOf(*popup).empty());
}

TEST_F(ClassProperties, TheFontDialogStartsFromTheFontAndItsOkAssigns) {
  RegisterPropertyEditor(TFont::StaticClass().ClassTypeInfo(), nullptr, "", EditorClassOf<TFontProperty>());
  auto* button1 = Place<TButton>(Form.get(), "Button1");
  auto* button2 = Place<TButton>(Form.get(), "Button2", 8, 40);
  button1->Font()->SetSize(10);
  auto font = EditorOfAll({button1, button2}, "Font");
  EXPECT_EQ(font->ClassName(), "TFontProperty");
  EXPECT_EQ(font->GetAttributes(), 74 | AttributeBit(paDialog));

  int offered = 0;
  bool accept = false;
  DialogAnswer answer([&](TComponent& dialog) {
    TFont* chosen = dynamic_cast<TFontDialog&>(dialog).Font();
    offered = chosen->Size();
    chosen->SetName("Courier New");
    chosen->SetStyle({fsBold});
    return accept;
  });
  font->Edit();
  EXPECT_EQ(offered, 10);
  EXPECT_EQ(button1->Font()->Name(), "MS Sans Serif");
  EXPECT_EQ(Designer.ModifiedCount, 0);

  accept = true;
  font->Edit();
  for (TButton* button : {button1, button2}) {
    EXPECT_EQ(button->Font()->Name(), "Courier New");
    EXPECT_EQ(button->Font()->Style(), TFontStyles{fsBold});
    EXPECT_EQ(button->Font()->Size(), 10);
  }
  EXPECT_EQ(Designer.ModifiedCount, 1);
}
