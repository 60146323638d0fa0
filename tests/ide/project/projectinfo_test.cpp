// The project model: values read from the source, the program line, renamed
// units, and the project file on disk - read, and written back by the title and
// help file.
#include "ide/project/projectinfo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ide/project/projectsource.h"
#include "kcl/rtl/exceptions.h"
#include "support/testfiles.h"

#include "sourcelines.h"

using namespace korvax;
using korvax::test::ReadFileBytes;
using korvax::test::TempDir;
using korvax::test::WriteFileBytes;

namespace {

using korvax::test::Lines;
using korvax::test::LinesOf;

std::string Joined(const Lines& lines, const std::string& lineEnd) {
  std::string text;
  for (const std::string& line : lines) text += line + lineEnd;
  return text;
}

const Lines DefaultText = LinesOf(*NewProjectSource());

// The default text named program, with lines inserted after "  Application.Initialize;".
Lines DefaultWith(const Lines& assignments, const std::string& program = "Project1") {
  Lines lines = DefaultText;
  lines[0] = "program " + program + ";";
  lines.insert(lines.begin() + 11, assignments.begin(), assignments.end());
  return lines;
}

class ProjectInfoTest : public ::testing::Test {
protected:
  void SetSource(const Lines& lines) {
    project->Source()->Clear();
    for (const std::string& line : lines) project->Source()->Add(line);
  }
  std::string WriteProject(const Lines& lines, const std::string& lineEnd = "\r\n") {
    WriteFileBytes(dir.File("Demo.dpr"), Joined(lines, lineEnd));
    return dir.File("Demo.dpr");
  }

  TempDir dir;
  std::unique_ptr<kcl::TComponent, kcl::TObjectFree> owner{new kcl::TComponent(nullptr)};
  TProjectInfo* project = new TProjectInfo(owner.get());
};

TEST_F(ProjectInfoTest, SetProjectFileNamesTheProgramAfterTheFile) {
  project->SetProjectFile("Project1");  // an empty source gets its first line
  EXPECT_EQ(LinesOf(*project->Source()), Lines{"program Project1;"});

  project->Source()->Assign(NewProjectSource().get());
  project->SetProjectFile("C:\\Work\\Demo.dpr");
  EXPECT_EQ(project->ProjectFile(), "C:\\Work\\Demo.dpr");
  EXPECT_EQ(LinesOf(*project->Source()), DefaultWith({}, "Demo"));
}

TEST_F(ProjectInfoTest, ExtractQuotedValueReadsThePascalStringAfterTheAssignment) {
  EXPECT_EQ(TProjectInfo::ExtractQuotedValue("  Application.Title :='Demo';"), "Demo");
  EXPECT_EQ(TProjectInfo::ExtractQuotedValue("Application.HelpFile:=  'C:\\h.hlp'  ;  { help }"), "C:\\h.hlp");
  EXPECT_EQ(TProjectInfo::ExtractQuotedValue("  Application.Title :='Demo'"), "Demo");
  // Doubled quotes and semicolons belong to the string.
  EXPECT_EQ(TProjectInfo::ExtractQuotedValue("  Application.Title :='Bob''s; editor';"), "Bob's; editor");
  for (const char* odd : {"  Application.Title;", "", ":=", "x :=';", "x := ';"})
    EXPECT_EQ(TProjectInfo::ExtractQuotedValue(odd), "") << odd;
}

TEST_F(ProjectInfoTest, ParseSourceTakesTheLastAssignmentsAndTheFirstCreatedForm) {
  SetSource({"  Application.Title :='First';", "  Application.HelpFile :='one.hlp';",
             "  Application.Title := 'Second' ;", "  Application.CreateForm(TMain, Main );",
             "  Application.CreateForm(TAbout,About);"});
  project->ParseSource();
  EXPECT_EQ(project->Title(), "Second");
  EXPECT_EQ(project->HelpFile(), "one.hlp");
  EXPECT_EQ(project->MainForm(), "Main");

  // What the source does not give stays; only the first CreateForm line counts.
  for (const char* line : {"  Application.CreateForm(TForm2)", "  Application.CreateForm(TForm2, Form2"}) {
    SetSource({line, "  Application.CreateForm(TForm3, Form3);"});
    project->ParseSource();
    EXPECT_EQ(project->MainForm() + project->Title() + project->HelpFile(), "MainSecondone.hlp") << line;
  }
}

TEST_F(ProjectInfoTest, RenameUnitRewritesTheUnitButNotItsFormOrTheLists) {
  project->Source()->Assign(NewProjectSource().get());
  project->Units()->Add("Unit1.pas");
  project->RenameUnit("Unit1.pas", "Main.pas");
  project->RenameUnit("Unit9.pas", "Other.pas");
  project->RenameUnit("", "Other.pas");
  Lines expected = DefaultText;
  expected[5] = "  Main in 'Main.pas' {Form1};";
  EXPECT_EQ(LinesOf(*project->Source()), expected);
  EXPECT_EQ(LinesOf(*project->Units()), Lines{"Unit1.pas"});

  SetSource({"uses", "  Main in 'Main.pas' {MainForm};"});
  project->RenameUnit("Main.pas", "Start.pas");
  EXPECT_EQ(LinesOf(*project->Source()), (Lines{"uses", "  Start in 'Start.pas' {MainForm};"}));
}

TEST_F(ProjectInfoTest, ReadingTheDefaultTextGivesUnit1AndForm1AndKeepsTitleAndHelpFile) {
  project->ParseProjectFile(WriteProject(DefaultWith({"  Application.Title :='Old';"})));
  project->ParseProjectFile(WriteProject(DefaultWith({"  Application.HelpFile :='old.hlp';"}), "\n"));
  project->Units()->Add("Extra.pas");
  project->ParseProjectFile(WriteProject(DefaultText));
  EXPECT_EQ(LinesOf(*project->Units()), Lines{"Unit1"});
  EXPECT_EQ(LinesOf(*project->Forms()), Lines{"Form1"});
  EXPECT_EQ(LinesOf(*project->Source()), DefaultText);
  EXPECT_EQ(project->MainForm(), "Form1");
  EXPECT_EQ(project->Title(), "Old");
  EXPECT_EQ(project->HelpFile(), "old.hlp");
  EXPECT_EQ(project->ProjectDir(), dir.Path() + "/");
  EXPECT_EQ(project->State(), psOpened);
}

TEST_F(ProjectInfoTest, UnitEntriesEndAtTheResourceDirective) {
  project->ParseProjectFile(WriteProject({"program Demo;", "uses", "  Forms, SysUtils,",
                                          "  Main in 'Main.pas' {MainForm},", "  Tools in 'Tools.pas',",
                                          "  Odd in 'Odd.pas' }x{,", "  Data in 'Data.pas' {DataModule1: TDataModule};",
                                          "{$R *.RES}", "  Late in 'Late.pas' {LateForm};", "begin", "end."}));
  EXPECT_EQ(LinesOf(*project->Units()), (Lines{"Main", "Tools", "Odd", "Data"}));
  EXPECT_EQ(LinesOf(*project->Forms()), (Lines{"MainForm", "", "", "DataModule1: TDataModule"}));
}

TEST_F(ProjectInfoTest, ProjectDirKeepsTheSeparatorsOfThePath) {
  std::string windowsStyle = WriteProject(DefaultText);
  for (char& c : windowsStyle)
    if (c == '/') c = '\\';
  project->ParseProjectFile(windowsStyle);
  EXPECT_EQ(project->ProjectDir(), windowsStyle.substr(0, windowsStyle.size() - 8));
  EXPECT_EQ(project->ProjectDir().back(), '\\');
}

TEST_F(ProjectInfoTest, AFileThatCannotBeOpenedRaisesAndChangesNothing) {
  project->Units()->Add("Unit1.pas");
  project->Forms()->Add("Form1");
  project->Source()->Assign(NewProjectSource().get());
  project->SetProjectDir("/start/");
  for (const std::string& name : {dir.File("missing.dpr"), dir.Path()}) {
    try {
      project->ParseProjectFile(name);
      ADD_FAILURE() << name;
    } catch (const kcl::EFOpenError& e) {
      EXPECT_EQ(e.Message(), "Cannot open file " + name);
    }
  }
  EXPECT_EQ(LinesOf(*project->Units()), Lines{"Unit1.pas"});
  EXPECT_EQ(LinesOf(*project->Forms()), Lines{"Form1"});
  EXPECT_EQ(LinesOf(*project->Source()), DefaultText);
  EXPECT_EQ(project->ProjectDir(), "/start/");
  EXPECT_EQ(project->State(), psNew);
}

TEST_F(ProjectInfoTest, BinaryAndHugeFilesAreReadWithoutHarm) {
  std::string bytes(4 << 20, 'x');
  for (size_t i = 0; i < bytes.size(); i += 997) bytes[i] = static_cast<char>(i % 256);
  WriteFileBytes(dir.File("Huge.dpr"), bytes + "\r\n in {\r\nApplication.Title :=\r\nApplication.CreateForm(,\r\n");
  project->ParseProjectFile(dir.File("Huge.dpr"));
  EXPECT_EQ(project->State(), psOpened);
  EXPECT_EQ(project->Units()->Count(), project->Forms()->Count());
  EXPECT_EQ(project->Title() + project->MainForm(), "");
}

TEST_F(ProjectInfoTest, SetTitleReplacesTheTitleLineAndSavesAtOnce) {
  const std::string file = WriteProject(DefaultWith({"  Application.Title :='Old';"}));
  project->ParseProjectFile(file);
  project->SetProjectFile(file);
  EXPECT_TRUE(project->SetTitle("New"));
  const Lines expected = DefaultWith({"  Application.Title :='New';"}, "Demo");
  EXPECT_EQ(LinesOf(*project->Source()), expected);
  EXPECT_EQ(ReadFileBytes(file), Joined(expected, "\r\n"));
  EXPECT_EQ(project->Title(), "New");
}

TEST_F(ProjectInfoTest, TitleAndHelpFileGoAfterInitializeWithQuotesDoubled) {
  project->Source()->Assign(NewProjectSource().get());
  project->SetProjectFile(dir.File("Demo.dpr"));
  EXPECT_TRUE(project->SetTitle("Bob's; editor"));
  EXPECT_TRUE(project->SetHelpFile("demo.hlp"));
  EXPECT_EQ(ReadFileBytes(dir.File("Demo.dpr")),
            Joined(DefaultWith({"  Application.HelpFile :='demo.hlp';", "  Application.Title :='Bob''s; editor';"},
                               "Demo"),
                   "\r\n"));

  TProjectInfo reader(nullptr);
  reader.ParseProjectFile(dir.File("Demo.dpr"));
  EXPECT_EQ(reader.Title(), "Bob's; editor");
  EXPECT_EQ(reader.HelpFile(), "demo.hlp");
}

TEST_F(ProjectInfoTest, WithoutTitleOrInitializeLineNothingChangesOrIsSaved) {
  const Lines text = {"program Demo;", "begin", "  Application.Run;", "end."};
  SetSource(text);
  project->SetProjectFile(dir.File("Demo.dpr"));
  EXPECT_FALSE(project->SetTitle("Demo"));
  EXPECT_FALSE(project->SetHelpFile("demo.hlp"));
  EXPECT_EQ(LinesOf(*project->Source()), text);
  EXPECT_EQ(project->Title(), "");
  EXPECT_FALSE(std::filesystem::exists(dir.File("Demo.dpr")));
}

TEST_F(ProjectInfoTest, AFailedSaveRaisesAndKeepsTheEditInTheSource) {
  const std::string blocked = dir.File("Blocked.dpr");
  std::filesystem::create_directory(blocked);
  project->Source()->Assign(NewProjectSource().get());
  project->SetProjectFile(blocked);
  EXPECT_THROW(project->SetTitle("Demo"), kcl::EFCreateError);
  EXPECT_EQ(project->Source()->Strings(11), "  Application.Title :='Demo';");
  EXPECT_TRUE(std::filesystem::is_directory(blocked));
  EXPECT_TRUE(std::filesystem::is_empty(blocked));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);  // no temporary file left
}

}  // namespace
