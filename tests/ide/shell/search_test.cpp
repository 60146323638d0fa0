// The Search menu on the editor's pages, through its real dialogs: find with the
// word at the caret, search again, replace (all), find in files and go to line.
#include <gtest/gtest.h>

#include <filesystem>

#include <functional>
#include <string>

#include "ide/common/environment.h"
#include "ide/common/texthistory.h"
#include "ide/editor/editorform.h"
#include "ide/editor/editorsearch.h"
#include "ide/editor/searchdialogs.h"
#include "kcl/classes/objecttext.h"
#include "kcl/classes/streams.h"
#include "kcl/components/combobox.h"
#include "kcl/components/listitems.h"
#include "kcl/components/listview.h"
#include "kcl/components/richedit.h"
#include "kcl/components/stdctrls.h"
#include "kcl/controls/application.h"
#include "kcl/controls/modal.h"
#include "kcl/system/inifile.h"
#include "mainwindowtest.h"
#include "support/testfiles.h"

namespace korvax {
namespace {

using namespace kcl;
using editor::CurrentEditor;
using editor::EditorForm;

class SearchCommands : public test::MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    editor::SearchText.clear();
    editor::SearchOptions = {};
    editor::LastMatchEnd = editor::LastMatchLine = 0;
    editor::LastMatchPos = -1;
  }
  static TRichEdit* Edit() { return CurrentEditor; }
  static void SetText(const std::string& text, int caret) {
    Edit()->SetText(text);
    Edit()->SetSelection(caret, caret);
  }
  // Runs the menu command with its dialog of type Dialog answered by answer;
  // every question after it is answered by question.
  template <class Dialog>
  void Run(const char* command, const std::function<void(Dialog&)>& answer,
           const std::function<TModalResult(const std::string&)>& question = nullptr) {
    SetModalHook([&](TCustomForm& form) {
      if (auto* dialog = dynamic_cast<Dialog*>(&form)) return answer(*dialog);
      std::string text;
      for (int i = 0; i < form.ComponentCount(); ++i)
        if (auto* label = dynamic_cast<TLabel*>(form.Components(i))) text = label->Caption();
      Questions.push_back(text);
      form.SetModalResult(question ? question(text) : mrCancel);
    });
    MenuItem(command)->Click();
    SetModalHook(nullptr);
  }
  static std::string Selected() { return Edit()->SelText(); }
};

TEST_F(SearchCommands, FindOpensWithTheWordAtTheCaretAndFollowsItsOptions) {
  SetText("Button1.Caption := 'button1 BUTTON1';\nButton2 := nil;\n", 3);
  std::string shown;
  Run<editor::TSearch>("SearchFindItem", [&](editor::TSearch& dialog) {
    shown = dialog.cbSearch->Text();
    dialog.chkMatchCase->SetChecked(true);
    dialog.OKButton->Click();
  });
  EXPECT_EQ(shown, "Button1");
  // Forward from the cursor skips a match at the caret: case-sensitive, none is left.
  EXPECT_EQ(Messages.back(), Application()->Title() + ": \"Button1\" finished finding.");
  // Unchecked, the case no longer matters: the next one is found.
  Run<editor::TSearch>("SearchFindItem", [](editor::TSearch& dialog) {
    dialog.chkMatchCase->SetChecked(false);
    dialog.OKButton->Click();
  });
  EXPECT_EQ(Edit()->SelStart(), 20);
  // At the end of a word (a blank after it) the dialog opens empty.
  SetText("Button1 := nil;", 7);
  Run<editor::TSearch>("SearchFindItem", [&](editor::TSearch& dialog) {
    shown = dialog.cbSearch->Text();
    dialog.CancelButton->Click();
  });
  EXPECT_EQ(shown, "");
  EXPECT_EQ(editor::WordAtCaret(), "");
  // The texts searched for are offered again, the newest first.
  Run<editor::TSearch>("SearchFindItem", [&](editor::TSearch& dialog) {
    shown = dialog.cbSearch->Items()->Text();
    dialog.CancelButton->Click();
  });
  EXPECT_EQ(shown, "Button1\r\n");
}

// Backward from the cursor: the last match before the caret, never one after it.
TEST_F(SearchCommands, BackwardFindsTheLastMatchBeforeTheCaret) {
  SetText("ab ab ab ab ab", 7);
  Run<editor::TSearch>("SearchFindItem", [](editor::TSearch& dialog) {
    dialog.cbSearch->SetText("ab");
    dialog.chkUp->SetChecked(true);
    dialog.OKButton->Click();
  });
  EXPECT_EQ(Edit()->SelStart(), 6);
  EXPECT_EQ(Selected(), "ab");
}

TEST_F(SearchCommands, SearchAgainFindsTheTextInsideLongerWordsToo) {
  SetText("x := Sum; y := Summary; z := SUM;", 0);
  Run<editor::TSearch>("SearchFindItem", [](editor::TSearch& dialog) {
    dialog.cbSearch->SetText("Sum");
    dialog.chkWholeWord->SetChecked(true);
    dialog.chkFirst->SetChecked(true);
    dialog.OKButton->Click();
  });
  EXPECT_EQ(Edit()->SelStart(), 5);
  editor::LastMatchEnd = 8;
  MenuItem("SearchAgainItem")->Click();
  EXPECT_EQ(Edit()->SelStart(), 15);
  MenuItem("SearchAgainItem")->Click();
  EXPECT_EQ(Edit()->SelStart(), 29);
  MenuItem("SearchAgainItem")->Click();
  EXPECT_EQ(Messages.back(), Application()->Title() + ": Search String Not Found!");
  EXPECT_EQ(editor::LastMatchEnd, 0);
}

// Replace All asks for each match until All; a replacement holding the text it
// replaces is not found again, and the editor's undo takes the replacements back:
// the one answered, then all that All replaced.
TEST_F(SearchCommands, ReplaceAllReplacesEachMatchOnceAndCanBeUndone) {
  const std::string text = "a := 1; a := 2; a := 3; a := 4;";
  SetText(text, 0);
  int asked = 0;
  Run<editor::TReplace>(
      "SearchReplaceItem",
      [](editor::TReplace& dialog) {
        EXPECT_EQ(dialog.cbSearch->Text(), "a");
        dialog.cbReplace->SetText("aa");
        dialog.chkFirst->SetChecked(true);
        dialog.btnAll->Click();
      },
      [&asked](const std::string&) { return ++asked == 1 ? mrNo : mrAll; });
  EXPECT_EQ(Edit()->Text(), "a := 1; aa := 2; aa := 3; aa := 4;\r\n");
  ASSERT_EQ(Questions.size(), 2u);
  EXPECT_EQ(Questions[0], "Replace ato aa?");
  EXPECT_EQ(Messages.back(), Application()->Title() + ": \"a\" finished finding.");
  // What All replaced without asking is one step.
  MenuItem("EditUndoItem")->Click();
  EXPECT_EQ(Edit()->Text(), "a := 1; aa := 2; a := 3; a := 4;\r\n");
  MenuItem("EditUndoItem")->Click();
  EXPECT_EQ(Edit()->Text(), text + "\r\n");
}

TEST_F(SearchCommands, FindInFilesListsEveryOpenPageInOrderAndShowsARow) {
  test::TempDir dir;
  test::WriteFileBytes(dir.File("Second.pas"), "unit Second;\r\n{ Needle here }\r\nend.\r\n");
  EditorForm->RichEdit1->SetText("unit Unit1;\n// needle one\n// needle two\n");
  EditorForm->OpenInEditor(dir.File("Second.pas"));
  std::vector<std::string> rows;
  Run<editor::TFindInFile>("SearchFindInFilesItem", [&rows](editor::TFindInFile& dialog) {
    EXPECT_FALSE(dialog.ListView1->Visible());
    dialog.cbSearch->SetText("needle");
    dialog.OKButton->Click();
    EXPECT_EQ(dialog.Height(), editor::TFindInFile::OpenHeight);
    for (int i = 0; i < dialog.ListView1->Items()->Count(); ++i) {
      TListItem* row = dialog.ListView1->Items()->Item(i);
      rows.push_back(row->Caption() + "|" + row->SubItems()->Strings(0) + "|" + row->SubItems()->Strings(1));
    }
    dialog.ListView1->SetSelected(dialog.ListView1->Items()->Item(2));
    dialog.ListView1DblClick(&dialog);
    dialog.CancelButton->Click();
  });
  EXPECT_EQ(rows, (std::vector<std::string>{"Unit1|15|// needle one", "Unit1|29|// needle two",
                                            "Second|15|{ Needle here }"}));
  EXPECT_EQ(CurrentEditor->Lines()->Strings(0), "unit Second;");
  EXPECT_EQ(Selected(), "Needle");
}

TEST_F(SearchCommands, FindInFilesSearchesTheProjectDirectoryAndOpensWhatItFinds) {
  test::TempDir dir;
  test::WriteFileBytes(dir.File("Other.pas"), "unit Other;\r\n\r\nprocedure Needle;\r\nend.\r\n");
  // Not the Free Pascal build's copies, nor hidden folders.
  for (const char* folder : {"fpc-build/src", ".git"}) {
    std::filesystem::create_directories(dir.File(folder));
    test::WriteFileBytes(dir.File(folder) + "/Other.pas", test::ReadFileBytes(dir.File("Other.pas")));
  }
  std::vector<std::string> rows;
  Run<editor::TFindInFile>("SearchFindInFilesItem", [&](editor::TFindInFile& dialog) {
    dialog.ProjectDir = dir.Path();
    dialog.cbSearch->SetText("needle");
    dialog.rbProjectDirectory->SetChecked(true);
    dialog.chkWholeWord->SetChecked(true);
    dialog.OKButton->Click();
    for (int i = 0; i < dialog.ListView1->Items()->Count(); ++i) rows.push_back(dialog.ListView1->Items()->Item(i)->Caption());
    dialog.ListView1->SetSelected(dialog.ListView1->Items()->Item(0));
    dialog.ListView1DblClick(&dialog);
    dialog.CancelButton->Click();
  });
  EXPECT_EQ(rows, std::vector<std::string>{"Other.pas"});
  EXPECT_EQ(CurrentEditor->Lines()->Strings(0), "unit Other;");
  EXPECT_EQ(Selected(), "Needle");
}

// A binary form file is searched as its text and shown as its text.
TEST_F(SearchCommands, FindInFilesReadsFormFilesAsText) {
  test::TempDir dir;
  TStringStream text("object Form1: TForm1\r\n  Caption = 'Needle'\r\nend\r\n");
  TMemoryStream binary;
  ObjectTextToResource(text, binary);
  test::WriteFileBytes(dir.File("Form1.dfm"), std::string(binary.View()));
  Run<editor::TFindInFile>("SearchFindInFilesItem", [&](editor::TFindInFile& dialog) {
    dialog.ProjectDir = dir.Path();
    dialog.cbSearch->SetText("needle");
    dialog.rbProjectDirectory->SetChecked(true);
    dialog.OKButton->Click();
    ASSERT_EQ(dialog.ListView1->Items()->Count(), 1);
    EXPECT_EQ(dialog.ListView1->Items()->Item(0)->SubItems()->Strings(1), "  Caption = 'Needle'");
    dialog.ListView1->SetSelected(dialog.ListView1->Items()->Item(0));
    dialog.ListView1DblClick(&dialog);
    dialog.CancelButton->Click();
  });
  EXPECT_EQ(CurrentEditor->Lines()->Strings(0), "object Form1: TForm1");
  EXPECT_EQ(Selected(), "Needle");
}

TEST_F(SearchCommands, GoToLineMovesTheCaretOrSaysWhyNot) {
  SetText("first\nsecond\nthird", 8);
  const auto go = [this](const std::string& answer) {
    SetModalHook([&answer](TCustomForm& form) {
      for (int i = 0; i < form.ComponentCount(); ++i)
        if (auto* edit = dynamic_cast<TEdit*>(form.Components(i))) edit->SetText(answer);
      form.SetModalResult(mrOk);
    });
    MenuItem("SearchGotoItem")->Click();
    SetModalHook(nullptr);
  };
  go("1");
  EXPECT_EQ(Edit()->SelStart(), 6);
  go("0");
  EXPECT_EQ(Edit()->SelStart(), 0);
  go("12x");
  EXPECT_EQ(Edit()->SelStart(), 0);
  ASSERT_FALSE(Messages.empty());
  EXPECT_NE(Messages.back().find("'12x' is not a valid integer value"), std::string::npos);
  go("99");
  EXPECT_EQ(Edit()->SelStart(), 13);
}

// The history keeps 20 texts: the 21st sets "Last" back to 0 and is not kept, the
// 22nd takes the place of the oldest; a text already there is not kept again.
TEST_F(SearchCommands, TheSearchHistoryWrapsAtTwenty) {
  for (int i = 1; i <= 20; ++i) AddFindTextHistory("text" + std::to_string(i));
  AddFindTextHistory("text7");
  EXPECT_EQ(IniFile->ReadInteger("FindText", "Last", -1), 20);
  AddFindTextHistory("text21");
  EXPECT_EQ(IniFile->ReadInteger("FindText", "Last", -1), 0);
  EXPECT_FALSE(IniFile->ValueExists("FindText", "21"));
  AddFindTextHistory("text22");
  EXPECT_EQ(IniFile->ReadInteger("FindText", "Last", -1), 1);
  EXPECT_EQ(IniFile->ReadString("FindText", "1", ""), "text22");
}

}  // namespace
}  // namespace korvax
