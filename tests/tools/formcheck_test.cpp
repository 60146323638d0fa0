#include "formcheck.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "ide/designer/catalogue.h"
#include "kcl/classes/objecttext.h"
#include "kcl/classes/streams.h"
#include "support/testfiles.h"

using namespace korvax::formcheck;

namespace {

std::vector<std::filesystem::path> SampleForms() {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(std::string(KORVAX_SAMPLE_FORMS)))
    if (entry.path().extension() == ".DFM") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

std::string FormFile(const std::string& text) {
  kcl::TStringStream in(text);
  kcl::TMemoryStream out;
  kcl::ObjectTextToResource(in, out);
  return std::string(out.Memory(), static_cast<size_t>(out.Size()));
}

}  // namespace

// Every form file written by the framework's own designer loads into live
// components and, saved unchanged, comes back byte for byte; an inherited form
// finds its ancestor among the forms beside it.
TEST(FormCheck, EverySampleFormComesBackByteForByte) {
  korvax::designer::RegisterCatalogueClasses();
  const auto files = SampleForms();
  ASSERT_EQ(files.size(), 179u);
  for (const auto& path : files) {
    const TFormCheckResult result = CheckForm(korvax::test::ReadFileBytes(path.string()), [&path](const std::string& form) {
      return AncestorInDirectory(path.parent_path().string(), form);
    });
    EXPECT_TRUE(result.Loaded && result.Identical) << ResultLine(path.string(), result);
  }
}

// Forms written the way applications' forms look (menus, page controls, grids,
// data modules, bitmaps, list views, status bars, ...) load and come back whole.
TEST(FormCheck, OwnSampleFormsComeBackByteForByte) {
  korvax::designer::RegisterCatalogueClasses();
  int checked = 0;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(KORVAX_TEST_DATA) + "/forms/samples")) {
    const TFormCheckResult result = CheckForm(FormFile(korvax::test::ReadFileBytes(entry.path().string())));
    EXPECT_TRUE(result.Loaded && result.Identical) << ResultLine(entry.path().string(), result);
    ++checked;
  }
  EXPECT_GE(checked, 10);
}

// The environment's own window layouts are written as the framework writes them.
TEST(FormCheck, WindowLayoutsAreWrittenAsTheFrameworkWritesThem) {
  korvax::designer::RegisterCatalogueClasses();
  int checked = 0;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(KORVAX_LAYOUTS))) {
    const TFormCheckResult result = CheckForm(FormFile(korvax::test::ReadFileBytes(entry.path().string())));
    EXPECT_TRUE(result.Loaded && result.Identical) << ResultLine(entry.path().string(), result);
    ++checked;
  }
  EXPECT_GE(checked, 5);
}

// The unit beside a form names its base class; without a unit, the smallest form
// holding every inherited component is taken. Without an ancestor the form does
// not load.
TEST(FormCheck, InheritedFormsFindTheirAncestor) {
  korvax::designer::RegisterCatalogueClasses();
  korvax::test::TempDir dir;
  const auto form = [](const std::string& head, const std::string& body) {
    return FormFile(head + "\r\n  PixelsPerInch = 96\r\n  TextHeight = 13\r\n" + body + "end\r\n");
  };
  const std::string button = "  object Button1: TButton\r\n    Left = 8\r\n    Top = 8\r\n    Width = 75\r\n"
                             "    Height = 25\r\n    TabOrder = 0\r\n  end\r\n";
  const std::string base = form("object BaseForm: TBaseForm\r\n  Caption = 'Base'", button);
  const std::string other = form("object OtherForm: TOtherForm\r\n  Caption = 'Other'", button);
  const std::string child = form("inherited ChildForm: TChildForm\r\n  Caption = 'Child'",
                                 "  inherited Button1: TButton\r\n    Caption = 'Changed'\r\n  end\r\n");
  korvax::test::WriteFileBytes(dir.File("Base.dfm"), base);
  korvax::test::WriteFileBytes(dir.File("Other.DFM"), other);
  korvax::test::WriteFileBytes(dir.File("Child.dfm"), child);
  // Both hold Button1: the first in name order is taken when no unit says.
  EXPECT_EQ(AncestorInDirectory(dir.Path(), child), base);
  korvax::test::WriteFileBytes(dir.File("Child.pas"), "type\r\n  TChildForm = class(TOtherForm)\r\n");
  EXPECT_EQ(AncestorInDirectory(dir.Path(), child), other);

  const auto inDir = [&dir](const std::string& bytes) { return AncestorInDirectory(dir.Path(), bytes); };
  const TFormCheckResult result = CheckForm(child, inDir);
  EXPECT_TRUE(result.Loaded && result.Identical) << ResultLine("Child.dfm", result);

  const TFormCheckResult orphan = CheckForm(child);
  EXPECT_EQ(ResultLine("Child.dfm", orphan), "FAIL Child.dfm: Ancestor for 'ChildForm' not found");
  // A form naming a component its ancestor lacks.
  const std::string stray = form("inherited ChildForm: TChildForm\r\n  Caption = 'Child'",
                                 "  inherited Button2: TButton\r\n    Caption = 'Changed'\r\n  end\r\n");
  EXPECT_EQ(ResultLine("Stray.dfm", CheckForm(stray, [&base](const std::string&) { return base; })),
            "FAIL Stray.dfm: Ancestor for 'Button2' not found");
}

TEST(FormCheck, SaysWhereAFormDiffersOrWhyItDidNotLoad) {
  korvax::designer::RegisterCatalogueClasses();
  // A cursor written as its number comes back as its name: the first difference is named.
  const std::string written = FormFile(
      "object Form1: TForm1\r\n  Left = 0\r\n  Top = 0\r\n  Width = 200\r\n  Height = 100\r\n"
      "  Caption = 'Form1'\r\n  PixelsPerInch = 96\r\n  TextHeight = 13\r\n"
      "  object Button1: TButton\r\n    Left = 8\r\n    Top = 8\r\n    Width = 75\r\n    Height = 25\r\n"
      "    Cursor = -21\r\n    Caption = 'Button1'\r\n    TabOrder = 0\r\n  end\r\nend\r\n");
  const TFormCheckResult differs = CheckForm(written);
  EXPECT_TRUE(differs.Loaded);
  EXPECT_FALSE(differs.Identical);
  EXPECT_EQ(differs.Difference, "Form1.Button1.Cursor");
  EXPECT_EQ(ResultLine("a.dfm", differs), "DIFF a.dfm: at Form1.Button1.Cursor");

  // A component of a class no catalogue knows is kept as read, and noted.
  const TFormCheckResult unknown = CheckForm(FormFile(
      "object Form1: TForm1\r\n  Left = 0\r\n  Top = 0\r\n  Width = 200\r\n  Height = 100\r\n"
      "  Caption = 'Form1'\r\n  PixelsPerInch = 96\r\n  TextHeight = 13\r\n"
      "  object Thing1: TNoSuchThing\r\n    Left = 8\r\n    Top = 8\r\n    Width = 9\r\n"
      "    Height = 9\r\n    Shade = clRed\r\n  end\r\nend\r\n"));
  EXPECT_TRUE(unknown.Identical) << unknown.Difference;
  EXPECT_EQ(ResultLine("b.dfm", unknown), "OK   b.dfm (kept Form1.Thing1: TNoSuchThing)");

  // A later version's property is no failure: it is kept, noted and written back.
  const TFormCheckResult later = CheckForm(FormFile(
      "object Form1: TForm1\r\n  Left = 0\r\n  Top = 0\r\n  Width = 200\r\n  Height = 100\r\n"
      "  Caption = 'Form1'\r\n  OldCreateOrder = False\r\n  PixelsPerInch = 96\r\n  TextHeight = 13\r\nend\r\n"));
  EXPECT_TRUE(later.Identical) << later.Difference;
  EXPECT_EQ(ResultLine("c.dfm", later), "OK   c.dfm (kept Form1.OldCreateOrder)");

  const TFormCheckResult garbage = CheckForm("not a form file");
  EXPECT_FALSE(garbage.Loaded);
  EXPECT_EQ(garbage.Error, "Invalid stream format");
  EXPECT_EQ(RootClassName(written), "TForm1");
}

TEST(FormCheck, ToolPrintsALinePerFileAndFailsWhenOneFails) {
  korvax::test::TempDir dir;
  const std::string good = SampleForms().front().string();
  korvax::test::WriteFileBytes(dir.File("bad.dfm"), "nonsense");
  const std::string command =
      std::string(KORVAX_FORMCHECK_EXE) + " " + good + " " + dir.File("bad.dfm") + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[4096];
  while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
  const int status = pclose(pipe);
  EXPECT_NE(status, 0);
  EXPECT_NE(output.find("OK   " + good + "\n"), std::string::npos) << output;
  EXPECT_NE(output.find("FAIL " + dir.File("bad.dfm") + ": Invalid stream format\n"), std::string::npos) << output;
  EXPECT_NE(output.find("2 files: 1 loaded, 1 identical\n"), std::string::npos) << output;
}
