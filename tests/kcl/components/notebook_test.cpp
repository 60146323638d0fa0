// The notebook shows one page at a time, and its pages hold their controls
// through form files.
#include <gtest/gtest.h>

#include "kcl/components/morectrls.h"
#include "kcl/components/stdctrls.h"
#include "support/formrecords.h"
#include "support/formtext.h"
#include "support/recordroot.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(MoreControlsInput, NotebookShowsOnePageAtATime) {
  FormPtr form = NewForm();
  auto* notebook = Place<TNotebook>(form.get());
  int changes = 0;
  notebook->OnPageChanged.SetHandler([&](TObject*) { ++changes; });
  EXPECT_EQ(notebook->ActivePage(), "Default");
  notebook->Pages()->Add("Second");
  notebook->Pages()->Add("Third");
  notebook->SetActivePage("Third");
  EXPECT_EQ(notebook->PageIndex(), 2);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(notebook->Page(2)->Visible());
  EXPECT_FALSE(notebook->Page(0)->Visible());
  EXPECT_EQ(notebook->Page(2)->BoundsRect(), notebook->ClientRect());
  notebook->SetActivePage("Nowhere");
  EXPECT_EQ(notebook->PageIndex(), 2);
  notebook->Pages()->Move(2, 0);  // the shown page keeps showing
  EXPECT_EQ(notebook->PageIndex(), 0);
  EXPECT_EQ(notebook->ActivePage(), "Third");
  notebook->Pages()->Delete(0);
  EXPECT_EQ(notebook->Pages()->Count(), 2);
  EXPECT_EQ(notebook->ActivePage(), "Default");
  EXPECT_TRUE(notebook->Page(0)->Visible());
  notebook->Pages()->Clear();
  EXPECT_EQ(notebook->PageIndex(), -1);
  EXPECT_EQ(notebook->ActivePage(), "");
}

TEST(MoreControlsStreaming, NotebookPagesAndTheirControlsRoundTrip) {
  RegisterStandardControls();
  RegisterMoreControls();
  RecordRootPtr root = NewRecordRoot("Root");
  auto* notebook = new TNotebook(root.get());
  notebook->SetName("Notebook1");
  notebook->SetParent(root.get());
  notebook->Pages()->Add("Second");
  notebook->SetPageIndex(1);
  auto* button = new TButton(root.get());
  button->SetName("Button1");
  button->SetParent(notebook->Page(1));
  const std::string text = WriteTextLf(root.get());
  EXPECT_EQ(RecordOf(text, "Notebook1"),
            "object Notebook1: TNotebook\n  Left = 0\n  Top = 0\n  Width = 150\n  Height = 150\n  PageIndex = 1\n"
            "  TabOrder = 0\n  object TPage\n    Left = 0\n    Top = 0\n    Caption = 'Default'\n  end\n"
            "  object TPage\n    Left = 0\n    Top = 0\n    Caption = 'Second'\n    object Button1: TButton\n"
            "      Left = 0\n      Top = 0\n      Width = 75\n      Height = 25\n      Caption = 'Button1'\n      TabOrder = 0\n    end\n"
            "  end\nend\n");
  RecordRootPtr copy = NewRecordRoot();
  ReadText(copy.get(), text);
  auto* read = dynamic_cast<TNotebook*>(copy->FindComponent("Notebook1"));
  ASSERT_NE(read, nullptr);
  ASSERT_EQ(read->PageCount(), 2);
  EXPECT_EQ(read->ActivePage(), "Second");
  EXPECT_EQ(read->Pages()->Text(), "Default\r\nSecond\r\n");
  EXPECT_EQ(copy->FindComponent("Button1")->GetParentComponent(), read->Page(1));
  EXPECT_TRUE(read->Page(1)->Visible());
  EXPECT_FALSE(read->Page(0)->Visible());
  EXPECT_EQ(WriteTextLf(copy.get()), text);
}
