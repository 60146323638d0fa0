#include "ide/editor/editorform.h"

#include <gtest/gtest.h>

#include "support/windowtest.h"

namespace korvax::editor {
namespace {

using test::ExpectedFont;
using test::HasFont;
using test::MakeWindow;

TEST(EditorForm, PageControlFillsTheWindowAboveTheStatusBar) {
  auto editor = MakeWindow<TEditorForm>();
  EXPECT_EQ(editor->Caption(), "Unit1.pas");
  EXPECT_EQ(editor->BoundsRect(), kcl::Bounds(197, 107, 575, 399));
  EXPECT_TRUE(HasFont(*editor->Font(), ExpectedFont{"Arial", -13}));
  editor->Show();
  const int statusTop = editor->StatusBar->Top();
  EXPECT_EQ(statusTop + editor->StatusBar->Height(), editor->ClientHeight());
  EXPECT_EQ(editor->PageControl1->BoundsRect(), kcl::Bounds(0, 0, editor->ClientWidth(), statusTop));
  // The text follows the window's size.
  editor->SetWidth(editor->Width() + 40);
  EXPECT_EQ(editor->PageControl1->Width(), editor->ClientWidth());
  EXPECT_EQ(editor->RichEdit1->Width(), editor->TabSheet1->ClientWidth());
  EXPECT_EQ(editor->RichEdit1->Height(), editor->TabSheet1->ClientHeight());
}

TEST(EditorForm, StatusBarHasFourPanels) {
  auto editor = MakeWindow<TEditorForm>();
  EXPECT_FALSE(editor->StatusBar->SimplePanel());
  const kcl::TStatusPanels* panels = editor->StatusBar->Panels();
  ASSERT_EQ(panels->Count(), 4);
  const struct {
    int Width;
    const char* Text;
  } expected[] = {{50, "1Col"}, {100, "1/1Line"}, {60, ""}, {50, ""}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(panels->Items(i)->Width(), expected[i].Width) << "panel " << i;
    EXPECT_EQ(panels->Items(i)->Text(), expected[i].Text) << "panel " << i;
  }
}

TEST(EditorForm, FirstPageHoldsRichEdit1) {
  auto editor = MakeWindow<TEditorForm>();
  ASSERT_EQ(editor->PageControl1->PageCount(), 1);
  EXPECT_EQ(editor->PageControl1->ActivePage(), editor->TabSheet1);
  EXPECT_EQ(editor->TabSheet1->Caption(), "Unit1");
  kcl::TRichEdit* edit = editor->RichEdit1;
  EXPECT_EQ(edit->Parent(), editor->TabSheet1);
  EXPECT_EQ(edit->Tag(), 1);
  EXPECT_EQ(edit->Align(), kcl::alClient);
  EXPECT_EQ(edit->ScrollBars(), kcl::ssBoth);
  EXPECT_FALSE(edit->WordWrap());
  EXPECT_EQ(edit->PopupMenu(), editor->PopupMenu1);
  EXPECT_EQ(edit->Lines()->Count(), 0);
}

TEST(EditorForm, PopupMenuAndOpenDialog) {
  auto editor = MakeWindow<TEditorForm>();
  const kcl::TMenuItem* items = editor->PopupMenu1->Items();
  const struct {
    const kcl::TMenuItem* Item;
    const char* Caption;
    bool Enabled;
  } expected[] = {{editor->NClosePage, "Close Page", true},
                  {editor->NInsert, "Open File at Cursor", true},
                  {editor->N2, "-", true},
                  {editor->NReadOnly, "Read Only", true},
                  {editor->N1, "Message View", false}};
  ASSERT_EQ(items->Count(), 5);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(items->Items(i), expected[i].Item) << "item " << i;
    EXPECT_EQ(items->Items(i)->Caption(), expected[i].Caption);
    EXPECT_EQ(items->Items(i)->Enabled(), expected[i].Enabled) << expected[i].Caption;
  }
  EXPECT_FALSE(editor->NReadOnly->Checked());
  EXPECT_EQ(editor->OpenDialog1->Filter(),
            "Delphi Files(*.pas;*.dpr;*.dfm)|*.pas;*.dfm;*.dpr|Delphi Unit(*.pas)|*.pas|Delphi Form|*.dfm|"
            "Delphi Project(*.dpr)|*.dpr|Text File(*.txt)|*.txt|All Files(*.)|*.*");
}

}  // namespace
}  // namespace korvax::editor
