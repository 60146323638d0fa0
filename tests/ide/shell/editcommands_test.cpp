// The Edit menu's clipboard commands between the editor and the design form, and
// a design form viewed as text.
#include <gtest/gtest.h>

#include <string>

#include "ide/common/environment.h"
#include "ide/designer/componentclipboard.h"
#include "ide/designer/formfiles.h"
#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "ide/editor/editorform.h"
#include "ide/shell/mainform.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/desktop/clipboard.h"
#include "kcl/rtl/sysutils.h"
#include "mainwindowtest.h"
#include "support/testfiles.h"

namespace korvax {
namespace {

using namespace kcl;
using editor::EditorForm;

class EditCommands : public test::MainWindowTest {
protected:
  static designer::TProxyForm* Form() { return FMainForm->CurrentDesignForm; }
  static designer::TProxyDesigner* Designer() { return Form()->ProxyDesigner(); }
  static TControl* Place(int x, int y) {
    return dynamic_cast<TControl*>(Designer()->PlaceComponent(&TButton::StaticClass(), nullptr, TPoint{x, y}));
  }
  static TControl* Control(const std::string& name) { return dynamic_cast<TControl*>(Form()->FindComponent(name)); }
  static std::string UnitText() { return EditorForm->RichEdit1->Lines()->Text(); }
};

TEST_F(EditCommands, CutAndCopyServeTheEditorWhileItHasASelectionElseTheDesignForm) {
  TControl* button = Place(16, 24);
  ASSERT_NE(button, nullptr);
  TRichEdit* edit = editor::CurrentEditor;
  ASSERT_EQ(edit, EditorForm->RichEdit1);
  edit->SetSelStart(0);
  edit->SetSelLength(4);
  MenuItem("EditCopyItem")->Click();
  EXPECT_EQ(Clipboard().AsText(), "unit");
  EXPECT_FALSE(designer::ClipboardHasComponents());

  edit->SetSelLength(0);
  Designer()->SelectComponent(button);
  MenuItem("EditCopyItem")->Click();
  EXPECT_TRUE(designer::ClipboardHasComponents());
  // Components on the clipboard go to the design form, never into the text.
  const std::string text = UnitText();
  MenuItem("EditPasteItem")->Click();
  TControl* pasted = Control("Button2");
  ASSERT_NE(pasted, nullptr);
  EXPECT_EQ(pasted->Left(), 26);
  EXPECT_EQ(pasted->Top(), 34);
  EXPECT_EQ(UnitText().find("unitunit"), std::string::npos);
  EXPECT_NE(UnitText().find("    Button2:TButton;"), std::string::npos);

  // Cut without a selection in the editor takes the form's selection.
  Designer()->ClearSelection();
  Designer()->SelectComponent(pasted);
  MenuItem("EditCutItem")->Click();
  EXPECT_EQ(Control("Button2"), nullptr);
  EXPECT_TRUE(designer::ClipboardHasComponents());
  EXPECT_EQ(UnitText(), text);

  // Text on the clipboard goes into the editor.
  Clipboard().SetAsText("// pasted ");
  edit->SetSelStart(0);
  MenuItem("EditPasteItem")->Click();
  EXPECT_TRUE(UnitText().starts_with("// pasted unit Unit1;")) << UnitText();
  EXPECT_EQ(Form()->ComponentCount(), 1);
  edit->SetSelStart(0);
  edit->SetSelLength(10);
  MenuItem("EditCutItem")->Click();
  EXPECT_TRUE(UnitText().starts_with("unit Unit1;"));
  EXPECT_EQ(Clipboard().AsText(), "// pasted ");
}

TEST_F(EditCommands, TwoButtonsCopiedAndPastedTwiceGiveFourNewOnesWithFieldLines) {
  TControl* first = Place(8, 8);
  TControl* second = Place(8, 48);
  Designer()->ClearSelection();
  Designer()->MultiSelect = true;
  Designer()->SelectComponent(first);
  Designer()->SelectComponent(second);
  Designer()->MultiSelect = false;
  MenuItem("EditCopyItem")->Click();
  MenuItem("EditPasteItem")->Click();
  MenuItem("EditPasteItem")->Click();
  for (const char* name : {"Button3", "Button4", "Button5", "Button6"}) {
    ASSERT_NE(Control(name), nullptr) << name;
    EXPECT_NE(UnitText().find(std::string("    ") + name + ":TButton;"), std::string::npos) << name;
  }
  EXPECT_EQ(Control("Button5")->Left(), 18);
  EXPECT_EQ(Control("Button6")->Top(), 58);
  EXPECT_EQ(Designer()->Selection.size(), 2u);
  EXPECT_EQ(Control("Button7"), nullptr);
}

TEST_F(EditCommands, ViewAsTextShowsTheFormsTextUnderItsUnitsName) {
  Form()->SetCaption("Shown as text");
  FMainForm->ViewFormAsText(*Form());
  EXPECT_EQ(EditorForm->PageControl1->ActivePage()->Caption(), "Unit1.pas");
  TRichEdit* page = EditorForm->ActiveEditor();
  EXPECT_EQ(page->Lines()->Text(), designer::FormText(*Form()));
  EXPECT_NE(page->Lines()->Text().find("Caption = 'Shown as text'"), std::string::npos);
  EXPECT_EQ(test::ReadFileBytes(FormTextFile()), designer::FormText(*Form()));
  // The unit's source edits still go to the unit.
  Place(40, 40);
  EXPECT_NE(UnitText().find("    Button1:TButton;"), std::string::npos);
  EXPECT_EQ(page->Lines()->Text().find("Button1:TButton"), std::string::npos);
}

}  // namespace
}  // namespace korvax
