#include "ide/shell/options.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QFileDialog>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ide/common/environment.h"
#include "ide/designer/proxyform.h"
#include "ide/editor/editorform.h"
#include "kcl/controls/application.h"
#include "kcl/controls/modal.h"
#include "kcl/desktop/desktop.h"
#include "kcl/rtl/sysutils.h"
#include "mainwindowtest.h"
#include "support/testfiles.h"

namespace korvax {
namespace {

using namespace kcl;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

// The PATH the program sees, until this goes.
class ProgramPath {
public:
  explicit ProgramPath(const std::string& path) {
    if (const char* old = std::getenv("PATH")) FOld = old;
    setenv("PATH", path.c_str(), 1);
  }
  ~ProgramPath() { FOld ? setenv("PATH", FOld->c_str(), 1) : unsetenv("PATH"); }
  ProgramPath(const ProgramPath&) = delete;
  ProgramPath& operator=(const ProgramPath&) = delete;

private:
  std::optional<std::string> FOld;
};

class EnvironmentOptions : public test::MainWindowTest {
protected:
  void TearDown() override {
    Application()->SetHelpFile(FHelpFile);
    SetDesktopOpener({});
    MainWindowTest::TearDown();
  }

  // Opens the dialog from the Tools menu; work answers it.
  void WithOptions(const std::function<void(TOptions&)>& work) {
    SetModalHook([&](TCustomForm& form) { work(dynamic_cast<TOptions&>(form)); });
    MenuItem("ToolsOptionsItem")->Click();
    SetModalHook(nullptr);
  }

  // The "key=value" lines of a section of the settings file.
  static Lines Section(const std::string& name) {
    TStringList lines;
    IniFile->ReadSectionValues(name, lines);
    return Items(lines);
  }
  static Lines Items(const TStrings& items) {
    Lines result;
    for (int i = 0; i < items.Count(); ++i) result.push_back(items.Strings(i));
    return result;
  }
  bool SettingsWritten() const { return FileExists(SettingsDir + "Korvax.ini"); }

  static void ClickOn(TControl* control) {
    ASSERT_NE(control, nullptr);
    QTest::mouseClick(control->Widget(), Qt::LeftButton, Qt::NoModifier, control->Widget()->rect().center());
  }
  // The next entry of a combo box, chosen with the keyboard as a user does.
  static void ChooseNext(TComboBox* combo) { QTest::keyClick(combo->Widget(), Qt::Key_Down); }
  // Clicks the colour's cell of the grid as a user does.
  static void ChooseColour(TOptions& options, TColor color) {
    int index = 0;
    while (TColorGrid::ColorOf(index) != color) ++index;
    const TRect cell = options.ColorGrid->CellRect(index);
    QTest::mouseClick(options.ColorGrid->Widget(), Qt::LeftButton, Qt::NoModifier,
                      QPoint((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2));
  }
  // A screen font other than the default one.
  static std::string OtherFont() {
    TStrings* fonts = Screen()->Fonts();
    return fonts->Strings(SameText(fonts->Strings(0), "Arial") ? 1 : 0);
  }

  // The compiler choice as the Compiler page shows it: whose compiler, whether the
  // group, its edit and its button can be used (+) or not (-), and the path.
  static std::string CompilerChoice(TOptions& options) {
    options.PageControl1->SetActivePage(dynamic_cast<TTabSheet*>(options.FindComponent("CompilerPage")));
    std::string choice = options.chkCompiler->Checked() ? "Delphi's" : "alternative";
    for (TControl* control : std::initializer_list<TControl*>{options.gbAlterCompiler, options.edAlterCompiler,
                                                              options.btnBrowse})
      choice += control->Widget()->isEnabled() ? " +" : " -";
    return choice + " " + options.edAlterCompiler->Text();
  }
  static std::string StoredCompilerChoice() {
    return std::string(SettingBool("SYSTEM", "UseDelphiCompiler", true) ? "Delphi's " : "alternative ") +
           SettingString("SYSTEM", "AltCompiler", "");
  }

  // An fpc of the test's own, "<Dir>/fpc/bin/fpc", that only says what it is.
  std::string MakeFpc() const {
    fs::create_directories(Dir.File("fpc/bin"));
    const std::string fpc = Dir.File("fpc/bin/fpc");
    test::WriteFileBytes(fpc, "#!/bin/sh\necho 'Free Pascal Compiler'\n");
    fs::permissions(fpc, fs::perms::owner_all);
    return fpc;
  }
  static std::string InstalledPath() {
    const char* path = std::getenv("PATH");
    return path ? path : "";
  }

  std::string FHelpFile = Application()->HelpFile();
};

TEST_F(EnvironmentOptions, WithoutASettingsFileTheDialogShowsTheDefaults) {
  WithOptions([](TOptions& options) {
    EXPECT_EQ(options.Caption(), "Environment Options");
    EXPECT_EQ(options.PageControl1->ActivePage(), options.PrefPage);
    Lines pages;
    for (int i = 0; i < options.PageControl1->PageCount(); ++i) {
      TTabSheet* page = options.PageControl1->Pages(i);
      pages.push_back(page->Caption() + " " + std::to_string(page->HelpContext()));
    }
    EXPECT_EQ(pages, (Lines{"Preferences 1800", "Compiler 1875", "Editor 1850", "Display 2075", "Colors 1950",
                            "Palette 2000", "Browser 2050", "Code Insight 2080"}));
    EXPECT_EQ(options.DelphiPath->Text(), "");
    // The screen's fonts, "Arial" chosen where the screen has it.
    EXPECT_EQ(Items(*options.FontName->Items()), Items(*Screen()->Fonts()));
    EXPECT_EQ(options.FontName->ItemIndex(), Screen()->Fonts()->IndexOf("Arial"));
    EXPECT_EQ(options.FontSize->Text(), "10");
    EXPECT_EQ(options.FontSample->Font()->Name(), "Arial");
    EXPECT_EQ(options.FontSample->Font()->Size(), 10);
    EXPECT_EQ(options.RichEdit1->Font()->Name(), "Arial");
    EXPECT_EQ(options.RichEdit1->Color(), clWhite);
    EXPECT_EQ(options.ColorGrid->ForegroundColor(), clWhite);
    for (TCheckBox* box : {options.cbDisplayGrid, options.cbSnapToGrid, options.eoFindTextAtCursor,
                           options.eoHighlight})
      EXPECT_TRUE(box->Checked()) << box->Name();
    EXPECT_EQ(options.ecGridSizeX->Text(), "8");
    EXPECT_EQ(options.ecGridSizeY->Text(), "8");
    EXPECT_EQ(CompilerChoice(options), "Delphi's - - - ");
    options.CancelButton->Click();
  });
  EXPECT_FALSE(SettingsWritten());
}

TEST_F(EnvironmentOptions, TheStoredSettingsAreShownWhateverTheCaseOfTheirKeys) {
  const std::string font = OtherFont();
  test::WriteFileBytes(SettingsDir + "Korvax.ini",
                       "[system]\r\nDELPHI=/opt/delphi3\r\nDisplayGrid=0\r\nSnapGrid=0\r\nGridSizeX=4\r\n"
                       "GridSizeY=6\r\nusedelphicompiler=0\r\nALTCOMPILER=/opt/fpc/bin/fpc\r\n[Editor]\r\n"
                       "FontName=" + font + "\r\nFontSize=13\r\nBackColor=8388608\r\n"
                       "HighLight=0\r\nFindTextCursor=0\r\n");
  WithOptions([&](TOptions& options) {
    EXPECT_EQ(options.DelphiPath->Text(), "/opt/delphi3");
    EXPECT_EQ(options.FontName->Text(), font);
    EXPECT_EQ(options.FontSize->Text(), "13");
    EXPECT_EQ(options.FontSample->Font()->Name(), font);
    EXPECT_EQ(options.RichEdit1->Font()->Size(), 13);
    EXPECT_EQ(options.RichEdit1->Color(), clNavy);
    EXPECT_EQ(options.ColorGrid->ForegroundColor(), clNavy);
    for (TCheckBox* box : {options.cbDisplayGrid, options.cbSnapToGrid, options.eoFindTextAtCursor,
                           options.eoHighlight})
      EXPECT_FALSE(box->Checked()) << box->Name();
    EXPECT_EQ(options.ecGridSizeX->Text(), "4");
    EXPECT_EQ(options.ecGridSizeY->Text(), "6");
    EXPECT_EQ(CompilerChoice(options), "alternative + + + /opt/fpc/bin/fpc");
    options.CancelButton->Click();
  });
}

TEST_F(EnvironmentOptions, OKWritesTheTwelveSettingsAndNothingElse) {
  WithOptions([](TOptions& options) {
    options.OKButton->Click();
    EXPECT_EQ(options.ModalResult(), mrOk);
  });
  TStringList sections;
  IniFile->ReadSections(sections);
  EXPECT_EQ(Items(sections), (Lines{"SYSTEM", "EDITOR"}));
  EXPECT_EQ(Section("SYSTEM"), (Lines{"DELPHI=", "DisplayGrid=1", "SnapGrid=1", "GridSizeX=8", "GridSizeY=8",
                                      "UseDelphiCompiler=1", "AltCompiler="}));
  EXPECT_EQ(Section("EDITOR"),
            (Lines{"FONTNAME=Arial", "FONTSIZE=10", "HighLight=1", "FindTextCursor=1", "BackColor=16777215"}));

  const std::string font = OtherFont();
  WithOptions([&](TOptions& options) {
    options.DelphiPath->SetText("/opt/delphi3");
    options.FontName->SetItemIndex(options.FontName->Items()->IndexOf(font));
    options.FontSize->SetText("12");
    options.eoHighlight->SetChecked(false);
    options.cbDisplayGrid->SetChecked(false);
    options.ecGridSizeX->SetText("5");
    options.ecGridSizeY->SetText("7");
    options.chkCompiler->SetChecked(false);
    options.edAlterCompiler->SetText("/opt/fpc/bin/fpc");
    options.OKButton->Click();
  });
  EXPECT_EQ(Section("SYSTEM"), (Lines{"DELPHI=/opt/delphi3", "DisplayGrid=0", "SnapGrid=1", "GridSizeX=5",
                                      "GridSizeY=7", "UseDelphiCompiler=0", "AltCompiler=/opt/fpc/bin/fpc"}));
  EXPECT_EQ(Section("EDITOR"),
            (Lines{"FONTNAME=" + font, "FONTSIZE=12", "HighLight=0", "FindTextCursor=1", "BackColor=16777215"}));
}

TEST_F(EnvironmentOptions, CancelWritesNothingAndAChosenColourOnlyShowsUntilOK) {
  WithOptions([](TOptions& options) {
    ChooseColour(options, clNavy);
    EXPECT_EQ(options.RichEdit1->Color(), clNavy);
    options.DelphiPath->SetText("/opt/delphi3");
    options.cbSnapToGrid->SetChecked(false);
    ClickOn(options.chkCompiler);
    options.edAlterCompiler->SetText("/opt/fpc/bin/fpc");
    ClickOn(options.CancelButton);
    EXPECT_EQ(options.ModalResult(), mrCancel);
  });
  EXPECT_FALSE(SettingsWritten());
  WithOptions([](TOptions& options) {
    EXPECT_EQ(options.RichEdit1->Color(), clWhite);
    ChooseColour(options, clNavy);
    ClickOn(options.OKButton);
  });
  EXPECT_EQ(SettingInteger("EDITOR", "BackColor", 0), clNavy);
}

// A size that is not a number is reported, the dialog keeps what was typed and no
// setting is written, whichever of the three it is.
TEST_F(EnvironmentOptions, ASizeThatIsNotANumberKeepsTheDialogAndWritesNothing) {
  for (const char* field : {"FontSize", "ecGridSizeX", "ecGridSizeY"}) {
    SCOPED_TRACE(field);
    Messages.clear();
    WithOptions([&](TOptions& options) {
      options.DelphiPath->SetText("/opt/delphi3");
      auto* control = dynamic_cast<TWinControl*>(options.FindComponent(field));
      ASSERT_NE(control, nullptr);
      control->SetText("1x");
      ClickOn(options.OKButton);
      EXPECT_EQ(Messages, Lines{Application()->Title() + ": '1x' is not a valid integer value"});
      EXPECT_EQ(options.ModalResult(), mrNone);
      EXPECT_EQ(control->Text(), "1x");
      EXPECT_EQ(options.DelphiPath->Text(), "/opt/delphi3");
      EXPECT_FALSE(SettingsWritten());
      ClickOn(options.CancelButton);
    });
    EXPECT_FALSE(SettingsWritten());
  }
  // Put right, the same dialog writes and closes.
  WithOptions([](TOptions& options) {
    options.ecGridSizeY->SetText("x");
    ClickOn(options.OKButton);
    options.ecGridSizeY->SetText("12");
    ClickOn(options.OKButton);
    EXPECT_EQ(options.ModalResult(), mrOk);
  });
  EXPECT_EQ(SettingInteger("SYSTEM", "GridSizeY", 0), 12);
  EXPECT_EQ(SettingInteger("SYSTEM", "GridSizeX", 0), 8);
}

TEST_F(EnvironmentOptions, AStoredFontThatIsNotInstalledStaysTheSettingUntilAnotherIsChosen) {
  const std::string missing = "Korvax Missing Font";
  ASSERT_EQ(Screen()->Fonts()->IndexOf(missing), -1);
  IniFile->WriteString("EDITOR", "FONTNAME", missing);
  WithOptions([&](TOptions& options) {
    EXPECT_EQ(options.FontName->ItemIndex(), -1);
    EXPECT_EQ(options.FontSample->Font()->Name(), missing);
    // Choosing a size shows it in the stored font.
    options.FontSize->SetItemIndex(options.FontSize->Items()->IndexOf("10"));
    ChooseNext(options.FontSize);
    EXPECT_EQ(options.FontSample->Font()->Name(), missing);
    ClickOn(options.OKButton);
  });
  EXPECT_EQ(SettingString("EDITOR", "FONTNAME", ""), missing);
  EXPECT_EQ(SettingInteger("EDITOR", "FONTSIZE", 0), 11);
  std::string chosen;
  WithOptions([&](TOptions& options) {
    ChooseNext(options.FontName);
    chosen = options.FontName->Text();
    ClickOn(options.OKButton);
  });
  EXPECT_EQ(chosen, Screen()->Fonts()->Strings(0));
  EXPECT_EQ(SettingString("EDITOR", "FONTNAME", ""), chosen);
}

TEST_F(EnvironmentOptions, TheSamplePanelShowsTheChosenFontAndSize) {
  WithOptions([](TOptions& options) {
    ASSERT_GE(options.FontName->Items()->Count(), 1);
    options.FontName->SetItemIndex(0);
    options.FontSize->SetItemIndex(options.FontSize->Items()->IndexOf("10"));
    ChooseNext(options.FontSize);
    EXPECT_EQ(options.FontSample->Font()->Name(), options.FontName->Items()->Strings(0));
    EXPECT_EQ(options.FontSample->Font()->Size(), 11);
    // The sample text of the Colors page keeps the font the dialog opened with.
    EXPECT_EQ(options.RichEdit1->Font()->Size(), 10);
    options.FontSize->SetText("big");
    ChooseNext(options.FontName);
    EXPECT_EQ(options.FontSample->Font()->Size(), 11);
    options.CancelButton->Click();
  });
  EXPECT_TRUE(Messages.empty());
}

TEST_F(EnvironmentOptions, BrowseChoosesTheDelphiDirectoryStartingAtTheOneShown) {
  std::vector<std::string> starts;
  std::string answer;
  SetDialogHook([&](TComponent& component) {
    auto& dialog = dynamic_cast<TDirectoryDialog&>(component);
    starts.push_back(dialog.Directory);
    if (answer.empty()) return false;
    dialog.Directory = answer;
    return true;
  });
  WithOptions([&](TOptions& options) {
    options.DelphiPath->SetText("/opt/delphi3");
    ClickOn(options.RepositoryBtn);
    EXPECT_EQ(options.DelphiPath->Text(), "/opt/delphi3");
    answer = Dir.Path();
    ClickOn(options.RepositoryBtn);
    EXPECT_EQ(options.DelphiPath->Text(), Dir.Path());
    ClickOn(options.OKButton);
  });
  EXPECT_EQ(starts, (Lines{"/opt/delphi3", "/opt/delphi3"}));
  EXPECT_EQ(SettingString("SYSTEM", "DELPHI", ""), Dir.Path());
}

// The box, the group's state and the path go through OK to the next dialog;
// Cancel keeps what was stored.
TEST_F(EnvironmentOptions, TheAlternativeCompilerIsUsableOnlyWithoutDelphisCompilerAndKeptByOK) {
  WithOptions([](TOptions& options) {
    ClickOn(options.chkCompiler);
    EXPECT_EQ(CompilerChoice(options), "alternative + + + ");
    options.edAlterCompiler->SetText("/opt/fpc/bin/fpc");
    ClickOn(options.OKButton);
  });
  EXPECT_EQ(StoredCompilerChoice(), "alternative /opt/fpc/bin/fpc");
  WithOptions([](TOptions& options) {
    EXPECT_EQ(CompilerChoice(options), "alternative + + + /opt/fpc/bin/fpc");
    options.edAlterCompiler->SetText("/usr/bin/ppcx64");
    ClickOn(options.chkCompiler);
    ClickOn(options.CancelButton);
  });
  EXPECT_EQ(StoredCompilerChoice(), "alternative /opt/fpc/bin/fpc");
  // Delphi's compiler again: the path stays stored for the next time.
  WithOptions([](TOptions& options) {
    ClickOn(options.chkCompiler);
    EXPECT_EQ(CompilerChoice(options), "Delphi's - - - /opt/fpc/bin/fpc");
    ClickOn(options.OKButton);
  });
  EXPECT_EQ(StoredCompilerChoice(), "Delphi's /opt/fpc/bin/fpc");
  WithOptions([](TOptions& options) {
    EXPECT_EQ(CompilerChoice(options), "Delphi's - - - /opt/fpc/bin/fpc");
    ClickOn(options.CancelButton);
  });
}

// Browse starts at the compiler shown or, while the edit is empty, at the fpc that
// comes first on the PATH (here the test's own, before any installed one). A program
// without ".exe" is shown under "All files", the second filter.
TEST_F(EnvironmentOptions, BrowseStartsAtTheCompilerShownOrElseAtTheFpcOnThePath) {
  const std::string fpc = MakeFpc();
  const std::string bin = ExtractFileDir(fpc);
  fs::create_directories(Dir.File("empty"));
  const std::string other = Dir.File("ppcx64");
  std::deque<std::string> answers{"", fpc, other, "", other};
  AnswerFileDialogs([&](TOpenDialog& dialog) {
    EXPECT_EQ(dialog.Filter(), "Execute files(*.exe)|*.exe|All files(*.*)|*.*");
    std::string answer = answers.empty() ? "" : answers.front();
    if (!answers.empty()) answers.pop_front();
    return answer;
  });
  WithOptions([&](TOptions& options) {
    ClickOn(options.chkCompiler);
    {
      ProgramPath path(bin + ":" + InstalledPath());
      ClickOn(options.btnBrowse);  // cancelled
      EXPECT_EQ(options.edAlterCompiler->Text(), "");
      ClickOn(options.btnBrowse);
      EXPECT_EQ(options.edAlterCompiler->Text(), fpc);
      options.edAlterCompiler->SetText("/opt/fpc/ppc386.exe");
      ClickOn(options.btnBrowse);
      EXPECT_EQ(options.edAlterCompiler->Text(), other);
    }
    {
      // A PATH entry relative to the current directory still gives a full path.
      ProgramPath path(fs::relative(bin).string());
      options.edAlterCompiler->SetText("");
      ClickOn(options.btnBrowse);
    }
    {
      // Nothing shown and none on the PATH: nothing of the last choice is offered.
      ProgramPath path(Dir.File("empty"));
      ClickOn(options.btnBrowse);
      EXPECT_EQ(options.edAlterCompiler->Text(), other);
    }
    ClickOn(options.OKButton);
  });
  EXPECT_TRUE(answers.empty());
  EXPECT_EQ(FileDialogs, (Lines{"|fpc|2|" + bin, "|fpc|2|" + bin, "|ppc386.exe|1|/opt/fpc",
                                "|fpc|2|" + fs::canonical(bin).string(), "||1|"}));
  EXPECT_EQ(SettingString("SYSTEM", "AltCompiler", ""), other);
}

// The file dialog itself (no answer of the test's in between) offers the fpc found,
// a file without an extension, and gives it back when accepted.
TEST_F(EnvironmentOptions, TheFileDialogOffersAndChoosesAProgramWithoutAnExtension) {
  const std::string fpc = MakeFpc();
  ProgramPath path(ExtractFileDir(fpc) + ":" + InstalledPath());
  std::string directory, filter;
  Lines chosen;
  WithOptions([&](TOptions& options) {
    ClickOn(options.chkCompiler);
    QTimer::singleShot(0, [&] {
      for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QFileDialog*>(window); dialog && dialog->isVisible()) {
          directory = dialog->directory().absolutePath().toStdString();
          filter = dialog->selectedNameFilter().toStdString();
          for (const QString& file : dialog->selectedFiles()) chosen.push_back(file.toStdString());
          QMetaObject::invokeMethod(dialog, "accept");
        }
    });
    options.btnBrowse->Click();  // no event loop before the dialog's own
    EXPECT_EQ(options.edAlterCompiler->Text(), fpc);
    ClickOn(options.CancelButton);
  });
  EXPECT_EQ(directory, ExtractFileDir(fpc));
  EXPECT_EQ(filter, "All files(*.*)");
  EXPECT_EQ(chosen, Lines{fpc});
}

TEST_F(EnvironmentOptions, HelpLooksUpThePreferencesPageWhateverPageIsShown) {
  test::WriteFileBytes(Dir.File("help.html"), "<html></html>");
  std::vector<QUrl> opened;
  SetDesktopOpener([&](const QUrl& url) {
    opened.push_back(url);
    return true;
  });
  Application()->SetHelpFile(Dir.File("help.html"));
  WithOptions([](TOptions& options) {
    options.PageControl1->SetActivePage(dynamic_cast<TTabSheet*>(options.FindComponent("EdColorPage")));
    ClickOn(options.HelpButton);
    options.CancelButton->Click();
  });
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].fragment(), "Preferences page");
}

// Pages already open keep their look; pages opened afterwards take the new settings.
TEST_F(EnvironmentOptions, NewSettingsReachEditorPagesOpenedAfterwardsOnly) {
  MenuItem("FileNewFormItem")->Click();
  TRichEdit* before = editor::CurrentEditor;
  ASSERT_NE(before, nullptr);
  const std::string fontBefore = before->Font()->Name();
  const std::string font = OtherFont();
  ASSERT_NE(font, fontBefore);
  WithOptions([&](TOptions& options) {
    options.FontName->SetItemIndex(options.FontName->Items()->IndexOf(font));
    options.FontSize->SetText("15");
    ChooseColour(options, clSilver);
    options.eoHighlight->SetChecked(true);
    options.OKButton->Click();
  });
  EXPECT_EQ(before->Font()->Name(), fontBefore);
  EXPECT_EQ(before->Font()->Size(), 10);
  EXPECT_EQ(before->Color(), clWhite);
  EXPECT_TRUE(before->PlainText());

  MenuItem("FileNewFormItem")->Click();
  TRichEdit* after = editor::CurrentEditor;
  ASSERT_NE(after, before);
  EXPECT_EQ(after->Font()->Name(), font);
  EXPECT_EQ(after->Font()->Size(), 15);
  EXPECT_EQ(after->Color(), clSilver);
  EXPECT_FALSE(after->PlainText());
}

TEST_F(EnvironmentOptions, TheDesignFormShowsTheNewGridAtItsNextPaint) {
  ASSERT_NE(FMainForm->CurrentDesignForm, nullptr);
  const auto dotAt = [](int x, int y) {
    const QImage shot = FMainForm->CurrentDesignForm->ClientWidget()->grab().toImage();
    return shot.pixelColor(x, y) == QColor(Qt::black);
  };
  EXPECT_TRUE(dotAt(8, 8));
  WithOptions([](TOptions& options) {
    options.ecGridSizeX->SetText("12");
    options.ecGridSizeY->SetText("12");
    options.OKButton->Click();
  });
  EXPECT_TRUE(dotAt(12, 12));
  EXPECT_FALSE(dotAt(8, 8));
  WithOptions([](TOptions& options) {
    options.cbDisplayGrid->SetChecked(false);
    options.OKButton->Click();
  });
  EXPECT_FALSE(dotAt(12, 12));
}

}  // namespace
}  // namespace korvax
