// The configured tools: the items at the end of the Tools menu, "Tool Options"
// and "Tool Properties", and the programs the items start.
#include <gtest/gtest.h>

#include <QUrl>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "ide/common/environment.h"
#include "ide/shell/mainform.h"
#include "ide/shell/toolproperty.h"
#include "ide/shell/tools.h"
#include "kcl/classes/stringlist.h"
#include "kcl/controls/application.h"
#include "kcl/controls/modal.h"
#include "kcl/desktop/desktop.h"
#include "mainwindowtest.h"
#include "support/testfiles.h"

namespace korvax {
namespace {

using namespace kcl;
using V = std::vector<std::string>;

class ToolsMenu : public test::MainWindowTest {
protected:
  // The next test finds the menu as the program starts without tools.
  void TearDown() override {
    test::WriteFileBytes(Dir.File("Korvax.ini"), "");
    FMainForm->BuildToolsMenu();
    MainWindowTest::TearDown();
  }
  // The settings as the program finds them at start.
  void StartWith(const std::string& settings) {
    test::WriteFileBytes(Dir.File("Korvax.ini"), settings);
    FMainForm->BuildToolsMenu();
  }
  std::string Settings() const { return test::ReadFileBytes(Dir.File("Korvax.ini")); }
  static V ToolKeys() {
    TStringList keys;
    IniFile->ReadSection("Tools", keys);
    V titles;
    for (int i = 0; i < keys.Count(); ++i) titles.push_back(keys.Strings(i));
    return titles;
  }
  // The captions after "Database Desktop", the menu's last own item.
  static V MenuTools() {
    TMenuItem* menu = MenuItem("ToolsMenu");
    const int last = menu->IndexOf(MenuItem("ToolsDatabaseDesktopItem"));
    V captions;
    for (int i = last + 1; i < menu->Count(); ++i) captions.push_back(menu->Items(i)->Caption());
    return captions;
  }
  static V Entries(TTools& tools) {
    V entries;
    for (int i = 0; i < tools.ToolsList->Items()->Count(); ++i) entries.push_back(tools.ToolsList->Items()->Strings(i));
    return entries;
  }
  static void Select(TTools& tools, int index) {
    tools.ToolsList->SetItemIndex(index);
    tools.ToolsList->OnClick(tools.ToolsList);
  }
  // "Configure Tools..." with act done in "Tool Options" and answer given in every
  // "Tool Properties"; the dialog is then closed with "Close" unless act closed it.
  void Configure(std::function<void(TTools&)> act, std::function<void(TToolProperty&)> answer = nullptr) {
    SetModalHook([&](TCustomForm& form) {
      if (auto* property = dynamic_cast<TToolProperty*>(&form)) {
        PropertyCaptions.push_back(property->Caption() + ": " + property->TitleEdit->Text() + "|" +
                                   property->ProgramEdit->Text());
        answer(*property);
        return;
      }
      auto& tools = dynamic_cast<TTools&>(form);
      act(tools);
      if (tools.ModalResult() == mrNone) tools.CloseButton->Click();
      ClosedWith = tools.ModalResult();
    });
    MenuItem("ToolsConfigureItem")->Click();
    SetModalHook(nullptr);
  }
  static void Fill(TToolProperty& property, const std::string& title, const std::string& program) {
    property.TitleEdit->SetText(title);
    property.ProgramEdit->SetText(program);
    property.OKButton->Click();
  }

  V PropertyCaptions;
  TModalResult ClosedWith = mrNone;
};

TEST_F(ToolsMenu, ToolsFollowTheMenusOwnItemsOnceHoweverOftenTheDialogCloses) {
  StartWith("[Tools]\r\nEcho=echo hello\r\nList = ls -l\r\n");
  EXPECT_EQ(MenuTools(), (V{"Echo", "List"}));
  std::string shown;
  Configure([&](TTools& tools) {
    shown = tools.Caption() + ": " + tools.ToolsList->Items()->CommaText() +
            (tools.DeleteButton->Enabled() || tools.EditButton->Enabled() ? " editable" : " nothing chosen");
    Select(tools, 1);
    shown += tools.DeleteButton->Enabled() && tools.EditButton->Enabled() ? ", chosen" : ", not editable";
  });
  EXPECT_EQ(shown, "Tool Options: Echo,List nothing chosen, chosen");
  EXPECT_EQ(ClosedWith, mrOk);
  EXPECT_EQ(MenuTools(), (V{"Echo", "List"}));
  // Closed by its window: the menu still shows each tool once.
  Configure([](TTools& tools) { tools.Close(); });
  EXPECT_EQ(ClosedWith, mrCancel);
  EXPECT_EQ(MenuTools(), (V{"Echo", "List"}));
  EXPECT_EQ(Settings(), "[Tools]\r\nEcho=echo hello\r\nList = ls -l\r\n");
  // The menu's own items stay where they are.
  EXPECT_EQ(MenuItem("ToolsMenu")->Items(0), MenuItem("ToolsOptionsItem"));
  EXPECT_EQ(MenuItem("ToolsMenu")->Count(), 6 + 2);
}

TEST_F(ToolsMenu, DeleteRemovesTheToolFromTheSettingsAndTheMenu) {
  StartWith("[Tools]\r\nEcho=echo hello\r\nList=ls -l\r\n[Other]\r\nk=v\r\n");
  V left;
  Configure([&](TTools& tools) {
    tools.DeleteButton->Click();  // nothing chosen: nothing goes
    Select(tools, 0);
    tools.DeleteButton->Click();
    left = Entries(tools);
    left.push_back(tools.DeleteButton->Enabled() ? "still enabled" : "disabled");
  });
  EXPECT_EQ(left, (V{"List", "disabled"}));
  EXPECT_EQ(Settings(), "[Tools]\r\nList=ls -l\r\n[Other]\r\nk=v\r\n");
  EXPECT_EQ(MenuTools(), V{"List"});
}

TEST_F(ToolsMenu, UpAndDownReorderTheSettingsAndSoTheMenu) {
  StartWith("[Tools]\r\nA=a\r\nB=b\r\nC=c\r\n");
  V steps;
  Configure([&](TTools& tools) {
    const auto record = [&] { steps.push_back(tools.ToolsList->Items()->CommaText() + " " + std::to_string(tools.ToolsList->ItemIndex())); };
    tools.DownButton->Click();  // nothing chosen
    record();
    Select(tools, 0);
    tools.DownButton->Click();
    record();
    tools.DownButton->Click();
    record();
    tools.DownButton->Click();  // the last stays last
    record();
    Select(tools, 0);
    tools.UpButton->Click();  // the first stays first
    record();
    Select(tools, 1);
    tools.UpButton->Click();
    record();
  });
  EXPECT_EQ(steps, (V{"A,B,C -1", "B,A,C 1", "B,C,A 2", "B,C,A 2", "B,C,A 0", "C,B,A 0"}));
  EXPECT_EQ(Settings(), "[Tools]\r\nC=c\r\nB=b\r\nA=a\r\n");
  EXPECT_EQ(MenuTools(), (V{"C", "B", "A"}));
}

TEST_F(ToolsMenu, AddWritesANewToolAndEditReplacesItWhereItStands) {
  StartWith("[Tools]\r\nFirst=first\r\nLast=last\r\n");
  V lists;
  Configure(
      [&](TTools& tools) {
        tools.AddButton->Click();
        lists.push_back(tools.ToolsList->Items()->CommaText() + " " + std::to_string(tools.ToolsList->ItemIndex()));
        tools.AddButton->Click();  // an empty title
        tools.AddButton->Click();  // cancelled
        Select(tools, 2);
        tools.EditButton->Click();
        lists.push_back(tools.ToolsList->Items()->CommaText() + " " + std::to_string(tools.ToolsList->ItemIndex()));
      },
      [&](TToolProperty& property) {
        if (PropertyCaptions.size() == 1) Fill(property, " Grep ", "grep -n main *.pas");
        if (PropertyCaptions.size() == 2) Fill(property, "  ", "ignored");
        if (PropertyCaptions.size() == 3) {
          property.TitleEdit->SetText("Cancelled");
          property.CancelButton->Click();
        }
        if (PropertyCaptions.size() == 4) Fill(property, "Search", "grep -rn main");
      });
  EXPECT_EQ(PropertyCaptions,
            (V{"Tool Properties: |", "Tool Properties: |", "Tool Properties: |", "Tool Properties: Grep|grep -n main *.pas"}));
  EXPECT_EQ(lists, (V{"First,Last,Grep 2", "First,Last,Search 2"}));
  EXPECT_EQ(Settings(), "[Tools]\r\nFirst=first\r\nLast=last\r\nSearch=grep -rn main\r\n");
  EXPECT_EQ(MenuTools(), (V{"First", "Last", "Search"}));
}

TEST_F(ToolsMenu, EditUnderAnotherToolsTitleLeavesOneToolOfThatTitle) {
  StartWith("[Tools]\r\nFirst=first\r\nMiddle=middle\r\nLast=last\r\n");
  Configure(
      [](TTools& tools) {
        Select(tools, 0);
        tools.EditButton->Click();
      },
      [](TToolProperty& property) { Fill(property, "last", "renamed"); });
  EXPECT_EQ(ToolKeys(), (V{"last", "Middle"}));
  EXPECT_EQ(IniFile->ReadString("Tools", "Last", ""), "renamed");
  EXPECT_EQ(MenuTools(), (V{"last", "Middle"}));
}

TEST_F(ToolsMenu, ATitleTheSettingsCannotHoldIsRefusedWithTheFrameworksMessage) {
  StartWith("[Tools]\r\nFirst=first\r\n");
  TModalResult result = mrNone;
  Configure([](TTools& tools) { tools.AddButton->Click(); },
            [&](TToolProperty& property) {
              property.TitleEdit->SetText("a=b");
              Application()->Guard([&] { property.OKButton->Click(); });
              result = property.ModalResult();
              property.CancelButton->Click();
            });
  EXPECT_EQ(result, mrNone);  // the dialog stays for another title
  EXPECT_EQ(Messages, V{"Korvax : Invalid key name 'a=b'"});
  EXPECT_EQ(Settings(), "[Tools]\r\nFirst=first\r\n");
}

TEST_F(ToolsMenu, BrowseChoosesAProgramAndHelpAsksForTheDialogsKeyword) {
  StartWith("");
  std::string filter;
  AnswerFileDialogs([&](TOpenDialog& dialog) {
    filter = dialog.Filter();
    return std::string(FileDialogs.size() == 1 ? "/opt/tools/grep.exe" : "");
  });
  V programs;
  const std::string helpFile = Application()->HelpFile();
  test::WriteFileBytes(Dir.File("help.html"), "<html></html>");
  Application()->SetHelpFile(Dir.File("help.html"));
  std::vector<QUrl> opened;
  SetDesktopOpener([&](const QUrl& url) { return opened.push_back(url), true; });
  Configure(
      [](TTools& tools) {
        tools.HelpButton->Click();
        tools.AddButton->Click();
      },
      [&](TToolProperty& property) {
        property.ProgramEdit->SetText("kept");
        property.BrowseButton->Click();
        programs.push_back(property.ProgramEdit->Text());
        property.BrowseButton->Click();  // cancelled: the field stays
        programs.push_back(property.ProgramEdit->Text());
        property.HelpButton->Click();  // no action
        property.CancelButton->Click();
      });
  SetDesktopOpener(nullptr);
  Application()->SetHelpFile(helpFile);
  EXPECT_EQ(filter, "Execute files(*.exe;*.com)|*.exe;*.com|All files(*.*)|*.*");
  EXPECT_EQ(programs, (V{"/opt/tools/grep.exe", "/opt/tools/grep.exe"}));
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].fragment().toStdString(), "Tools Options dialog box");
  EXPECT_EQ(Settings(), "");
}

TEST_F(ToolsMenu, AToolStartsWithItsArgumentsAndOneThatCannotStartFailsQuietly) {
  const std::string script = Dir.File("record args.sh");
  const std::string output = Dir.File("args.txt");
  test::WriteFileBytes(script, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.tmp\"\nmv \"$0.tmp\" '" +
                                   output + "'\n");
  std::filesystem::permissions(script, std::filesystem::perms::owner_all);
  StartWith("[Tools]\r\nRecord=\"" + script + "\" one \"two words\"  three\r\nMissing=" + Dir.File("none") + " x\r\n");
  ASSERT_EQ(MenuTools(), (V{"Record", "Missing"}));
  TMenuItem* menu = MenuItem("ToolsMenu");
  menu->Items(menu->Count() - 1)->Click();
  EXPECT_TRUE(Messages.empty());
  menu->Items(menu->Count() - 2)->Click();
  for (int tries = 0; tries < 200 && !std::filesystem::exists(output); ++tries)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  ASSERT_TRUE(std::filesystem::exists(output)) << "the tool did not run";
  EXPECT_EQ(test::ReadFileBytes(output), "one\ntwo words\nthree\n");
}

}  // namespace
}  // namespace korvax
