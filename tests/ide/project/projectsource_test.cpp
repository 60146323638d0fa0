// The project source's shared routines: the default text and the edits of its
// uses clause, checked against whole texts.
#include "ide/project/projectsource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sourcelines.h"

using namespace korvax;

namespace {

using korvax::test::Lines;
using korvax::test::LinesOf;

void Fill(kcl::TStrings& strings, const Lines& lines) {
  strings.Clear();
  for (const std::string& line : lines) strings.Add(line);
}

// The default text with its uses entries ("  Forms,", "  Unit1 in ...") replaced.
Lines DefaultWithEntries(const Lines& entries) {
  Lines lines = {"program Project1;", " ", "uses", " "};
  lines.insert(lines.end(), entries.begin(), entries.end());
  lines.insert(lines.end(), {" ", "{$R *.RES}", " ", "begin", "  Application.Initialize;",
                             "  Application.CreateForm(TForm1,Form1);", "  Application.Run;", "end."});
  return lines;
}

const Lines DefaultEntries = {"  Forms,", "  Unit1 in 'Unit1.pas' {Form1};"};

TEST(NewProjectSource, HoldsTheFourteenLinesOfTheDefaultProgram) {
  const auto source = NewProjectSource();
  EXPECT_EQ(LinesOf(*source), DefaultWithEntries(DefaultEntries));
  EXPECT_EQ(source->Count(), 14);
}

TEST(AddUnitToProjectSource, AppendsEntriesToTheUsesClause) {
  const auto source = NewProjectSource();
  EXPECT_TRUE(AddUnitToProjectSource(*source, "C:\\p\\Unit2.pas", "C:\\p\\Form2.dfm"));
  EXPECT_EQ(LinesOf(*source), DefaultWithEntries({"  Forms,", "  Unit1 in 'Unit1.pas' {Form1},",
                                                  "  Unit2 in 'Unit2.pas' {Form2};"}));
  // Add to Project passes a name without extension and the form "Test".
  EXPECT_TRUE(AddUnitToProjectSource(*source, "Other", "Test"));
  EXPECT_EQ(LinesOf(*source), DefaultWithEntries({"  Forms,", "  Unit1 in 'Unit1.pas' {Form1},",
                                                  "  Unit2 in 'Unit2.pas' {Form2},", "  Other in 'Other' {Test};"}));
}

TEST(AddUnitToProjectSource, RepairsAClauseWhoseLastEntryWasRemovedAndDropsBlanksAfterTheSemicolon) {
  const Lines expected =
      DefaultWithEntries({"  Forms,", "  Unit1 in 'Unit1.pas' {Form1},", "  Unit3 in 'Unit3.pas' {Form3};"});
  kcl::TStringList source;
  for (const char* lastEntry : {"  Unit1 in 'Unit1.pas' {Form1},", "  Unit1 in 'Unit1.pas' {Form1};  "}) {
    Fill(source, DefaultWithEntries({"  Forms,", lastEntry}));
    EXPECT_TRUE(AddUnitToProjectSource(source, "Unit3.pas", "Form3.dfm"));
    EXPECT_EQ(LinesOf(source), expected) << lastEntry;
  }
}

TEST(AddUnitToProjectSource, ChangesNothingWhereTheUsesClauseCannotBeFound) {
  const std::vector<Lines> texts = {
      {},
      {"program P;", "uses", "  Forms;", "begin", "end."},
      {"program P;", "{$R *.RES}", "begin", "end."},
      // Cutting the last character would leave "  Unit1 in 'Unit1.pas' {Form1," or "use,".
      {"program P;", "uses", "  Unit1 in 'Unit1.pas' {Form1}", " ", "{$R *.RES}"},
      {"program P;", "uses", " ", "{$R *.RES}"},
      // The new entry would go between "  Forms," and the last entry.
      {"program P;", "uses", "  Forms,", "  Unit1 in 'Unit1.pas' {Form1};", "{$R *.RES}"}};
  for (const Lines& text : texts) {
    kcl::TStringList source;
    Fill(source, text);
    EXPECT_FALSE(AddUnitToProjectSource(source, "Unit2.pas", "Form2.dfm"));
    EXPECT_EQ(LinesOf(source), text);
  }
}

TEST(DeleteProjectSourceLine, DeletesTheFirstMatchingLineAndLeavesItsNeighbours) {
  const auto source = NewProjectSource();
  EXPECT_FALSE(DeleteProjectSourceLine(*source, "unit1"));
  EXPECT_FALSE(DeleteProjectSourceLine(*source, ""));  // would match the program line
  EXPECT_EQ(LinesOf(*source), DefaultWithEntries(DefaultEntries));

  AddUnitToProjectSource(*source, "Unit2.pas", "Form2.dfm");
  EXPECT_TRUE(DeleteProjectSourceLine(*source, "Unit2"));
  EXPECT_EQ(LinesOf(*source), DefaultWithEntries({"  Forms,", "  Unit1 in 'Unit1.pas' {Form1},"}));
  EXPECT_TRUE(DeleteProjectSourceLine(*source, "Application."));
  EXPECT_EQ(source->Strings(10), "  Application.CreateForm(TForm1,Form1);");
}

}  // namespace

namespace {

TEST(UsesEntries, AnEntryNamesItsPathAndItsFormOnlyWhenThereIsOne) {
  EXPECT_EQ(UsesEntry("Tools", "sub/Tools.pas", "ToolForm"), "  Tools in 'sub/Tools.pas' {ToolForm};");
  EXPECT_EQ(UsesEntry("Tools", "/lib/Tools.pas", ""), "  Tools in '/lib/Tools.pas';");
  auto source = NewProjectSource();
  ASSERT_TRUE(AddUsesEntry(*source, UsesEntry("Tools", "Tools.pas", "")));
  EXPECT_EQ(LinesOf(*source), DefaultWithEntries({"  Forms,", "  Unit1 in 'Unit1.pas' {Form1},", "  Tools in 'Tools.pas';"}));
}

TEST(UsesEntries, AUnitIsFoundByItsNameAloneAndTheClauseStaysWhole) {
  kcl::TStringList source;
  Fill(source, DefaultWithEntries({"  Forms,", "  Unit10 in 'Unit10.pas' {Form10},", "  Unit1 in 'Unit1.pas' {Form1};"}));
  EXPECT_EQ(FindUsesEntry(source, "unit1"), 6);
  EXPECT_EQ(FindUsesEntry(source, "Forms"), 4);
  EXPECT_EQ(FindUsesEntry(source, "Unit"), -1);
  EXPECT_EQ(FindUsesEntry(source, "Project1"), -1);
  // The last entry goes; the one before it now ends the clause.
  ASSERT_TRUE(DeleteUsesEntry(source, "Unit1"));
  EXPECT_EQ(LinesOf(source), DefaultWithEntries({"  Forms,", "  Unit10 in 'Unit10.pas' {Form10};"}));
  EXPECT_FALSE(DeleteUsesEntry(source, "Unit1"));
  ASSERT_TRUE(DeleteUsesEntry(source, "Forms"));
  EXPECT_EQ(LinesOf(source), DefaultWithEntries({"  Unit10 in 'Unit10.pas' {Form10};"}));
}

}  // namespace
