// The forms a program creates: which Forms entries the source creates, and the
// CreateForm lines rewritten for a chosen order.
#include "ide/project/autocreate.h"

#include <gtest/gtest.h>

#include <memory>

#include "ide/project/projectsource.h"
#include "sourcelines.h"

namespace korvax {
namespace {

using test::Lines;
using test::LinesOf;

std::unique_ptr<kcl::TStringList> Strings(const Lines& lines) {
  auto strings = std::make_unique<kcl::TStringList>();
  for (const std::string& line : lines) strings->Add(line);
  return strings;
}

// The default text with these statements between Initialize and Run.
Lines ProgramWith(const Lines& statements) {
  Lines lines = {"program Project1;", "uses", "  Forms,", "  Unit1 in 'Unit1.pas' {Form1},",
                 "  Unit10 in 'Unit10.pas' {Form10};", " ", "{$R *.RES}", " ", "begin", "  Application.Initialize;"};
  lines.insert(lines.end(), statements.begin(), statements.end());
  lines.insert(lines.end(), {"  Application.Run;", "end."});
  return lines;
}

std::pair<std::string, std::string> Split(const Lines& source, const Lines& forms) {
  kcl::TStringList autoCreate, available;
  SplitAutoCreateForms(*Strings(source), *Strings(forms), autoCreate, available);
  return {autoCreate.CommaText(), available.CommaText()};
}

TEST(AutoCreate, TheDefaultProjectCreatesForm1) {
  const auto source = NewProjectSource();
  kcl::TStringList autoCreate, available;
  SplitAutoCreateForms(*source, *Strings({"Form1"}), autoCreate, available);
  EXPECT_EQ(autoCreate.CommaText(), "Form1");
  EXPECT_EQ(available.Count(), 0);
}

TEST(AutoCreate, AFormIsCreatedOnlyByALineNamingExactlyIt) {
  // Form10's line does not create Form1, and the uses clause creates nothing.
  EXPECT_EQ(Split(ProgramWith({"  Application.CreateForm(TForm10, Form10);"}), {"Form1", "Form10"}),
            std::make_pair(std::string("Form10"), std::string("Form1")));
  // A commented-out line creates nothing; entries that are paths name their form.
  EXPECT_EQ(Split(ProgramWith({"//  Application.CreateForm(TForm1, Form1);", "  Application.CreateForm(TForm10,Form10);"}),
                  {"/p/Form1.dfm", "/p/Form10.dfm", ""}),
            std::make_pair(std::string("/p/Form10.dfm"), std::string("/p/Form1.dfm,\"\"")));
  // In the order they are created: the main form first.
  EXPECT_EQ(Split(ProgramWith({"  Application.CreateForm(TForm10,Form10);", "  Application.CreateForm(TForm1,Form1);"}),
                  {"Form1", "Form10"}),
            std::make_pair(std::string("Form10,Form1"), std::string()));
  // Pascal names are the same in any letter case.
  EXPECT_EQ(Split(ProgramWith({"  Application.CreateForm(TForm1, FORM1);"}), {"Form1"}),
            std::make_pair(std::string("Form1"), std::string()));
  EXPECT_EQ(CreatedForm("  Application.CreateForm(TMain, MainForm);"), "MainForm");
  EXPECT_EQ(CreatedForm("  Application.Run;"), "");
  EXPECT_EQ(FormNameOfEntry("Form2.DFM"), "Form2");
  EXPECT_EQ(FormNameOfEntry("Form2"), "Form2");
}

TEST(AutoCreate, TheLinesFollowTheChosenOrderKeepingTheirText) {
  auto source = Strings(ProgramWith({"  Application.CreateForm(TForm1, Form1);", "  Application.Title :='Demo';",
                                     "  Application.CreateForm(TAbout,Form10); { about box }"}));
  ASSERT_TRUE(SetAutoCreateForms(*source, {"Form10", "Form1", "Form2"}));
  EXPECT_EQ(LinesOf(*source), ProgramWith({"  Application.CreateForm(TAbout,Form10); { about box }",
                                          "  Application.CreateForm(TForm1, Form1);",
                                          "  Application.CreateForm(TForm2,Form2);", "  Application.Title :='Demo';"}));
  // The same order again changes nothing, in any letter case.
  EXPECT_FALSE(SetAutoCreateForms(*source, {"Form10", "Form1", "Form2"}));
  EXPECT_FALSE(SetAutoCreateForms(*source, {"FORM10", "form1", "Form2"}));
  // A form no longer created loses its line alone.
  ASSERT_TRUE(SetAutoCreateForms(*source, {"Form10", "Form2"}));
  EXPECT_EQ(LinesOf(*source), ProgramWith({"  Application.CreateForm(TAbout,Form10); { about box }",
                                          "  Application.CreateForm(TForm2,Form2);", "  Application.Title :='Demo';"}));
}

TEST(AutoCreate, WithoutCreateLinesTheyGoBeforeRunAndNowhereElse) {
  auto source = Strings(ProgramWith({}));
  ASSERT_TRUE(SetAutoCreateForms(*source, {"Form1"}));
  EXPECT_EQ(LinesOf(*source), ProgramWith({"  Application.CreateForm(TForm1,Form1);"}));
  ASSERT_TRUE(SetAutoCreateForms(*source, {}));
  EXPECT_EQ(LinesOf(*source), ProgramWith({}));
  auto noRun = Strings({"program P;", "{$R *.RES}", "begin", "end."});
  EXPECT_FALSE(SetAutoCreateForms(*noRun, {"Form1"}));
  EXPECT_EQ(LinesOf(*noRun), (Lines{"program P;", "{$R *.RES}", "begin", "end."}));
}

}  // namespace
}  // namespace korvax
