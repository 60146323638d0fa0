// korvax-convert, run as a child process on real files.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "kcl/classes/objecttext.h"
#include "kcl/classes/resheader.h"
#include "kcl/classes/streams.h"
#include "support/samplefiles.h"
#include "support/testfiles.h"

namespace fs = std::filesystem;
using korvax::test::ReadFileBytes;
using korvax::test::TempDir;
using korvax::test::TreeContents;
using korvax::test::WriteFileBytes;
using namespace std::string_literals;

namespace {

const std::string kAbout = KORVAX_SAMPLE_FORMS "/delphi3-samples/03/SDITEMP/ABOUT.DFM";

struct ToolRun {
  int exitCode;
  std::string out;
  std::string err;
};

std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// Runs korvax-convert with the arguments; standard output and error are captured
// in files of dir.
ToolRun Convert(const TempDir& dir, const std::vector<std::string>& args) {
  std::string command = Quote(KORVAX_CONVERT_EXE);
  for (const std::string& a : args) command += " " + Quote(a);
  command += " >" + Quote(dir.File("stdout")) + " 2>" + Quote(dir.File("stderr")) + " </dev/null";
  const int status = std::system(command.c_str());
  ToolRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFileBytes(dir.File("stdout")),
          ReadFileBytes(dir.File("stderr"))};
  return run;
}

std::string ResourceToText(const std::string& resource) {
  kcl::TStringStream in(resource), out;
  kcl::ObjectResourceToText(in, out);
  return out.DataString();
}

// The binary stream after the resource header.
std::string ResourceData(const std::string& resource) {
  kcl::TStringStream in(resource);
  kcl::ReadResHeader(in);
  return resource.substr(static_cast<size_t>(in.Position()));
}

// A writable copy of the folder at to.
void CopyTree(const std::string& from, const std::string& to) {
  fs::copy(from, to, fs::copy_options::recursive);
  fs::permissions(to, fs::perms::owner_write, fs::perm_options::add);
  for (const auto& entry : fs::recursive_directory_iterator(to))
    fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add);
}

}  // namespace

TEST(ConvertTool, ConvertsBinaryFormsToText) {
  TempDir dir;
  const ToolRun run = Convert(dir, {kAbout, "-o", dir.File("about.txt")});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, "");
  const std::string text = ReadFileBytes(dir.File("about.txt"));
  EXPECT_EQ(text, ResourceToText(ReadFileBytes(kAbout)));
  EXPECT_EQ(text.substr(0, 28), "object AboutBox: TAboutBox\r\n");

  // Without a resource header too.
  WriteFileBytes(dir.File("plain.bin"), ResourceData(ReadFileBytes(kAbout)));
  EXPECT_EQ(Convert(dir, {dir.File("plain.bin"), "-o", dir.File("plain.txt")}).exitCode, 0);
  EXPECT_EQ(ReadFileBytes(dir.File("plain.txt")), text);
}

TEST(ConvertTool, NamesTheResourceAfterTheRootClassWhateverTheOutputIsCalled) {
  TempDir dir;
  const std::string text = ReadFileBytes(KORVAX_TEST_DATA "/forms/allvalues.txt");
  const ToolRun run = Convert(dir, {KORVAX_TEST_DATA "/forms/allvalues.txt", "-o", dir.File("Main.dfm")});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  const std::string binary = kcl::ObjectTextToBinary(text);
  const uint32_t n = static_cast<uint32_t>(binary.size());
  const std::string length = {static_cast<char>(n), static_cast<char>(n >> 8), static_cast<char>(n >> 16),
                              static_cast<char>(n >> 24)};
  EXPECT_EQ(ReadFileBytes(dir.File("Main.dfm")), "\xFF\x0A\x00TMAINFORM\x00\x30\x10"s + length + binary);

  // A lower-case class is upper-cased; a long one is cut to 63 characters; neither
  // takes anything from the output's name.
  const std::string longClass = "Tw" + std::string(70, 'x');
  const std::vector<std::pair<std::string, std::string>> forms = {
      {"object form1: tform1\r\nend\r\n", "TFORM1"s},
      {"object Form1: " + longClass + "\r\nend\r\n", "TW" + std::string(61, 'X')},
  };
  for (const auto& [form, name] : forms) {
    SCOPED_TRACE(name);
    WriteFileBytes(dir.File("form.txt"), form);
    ASSERT_EQ(Convert(dir, {dir.File("form.txt"), "-o", dir.File(std::string(70, 'f') + ".dfm")}).exitCode, 0);
    const std::string resource = ReadFileBytes(dir.File(std::string(70, 'f') + ".dfm"));
    EXPECT_EQ(resource.substr(3, name.size() + 1), name + '\0');
    EXPECT_EQ(ResourceData(resource), kcl::ObjectTextToBinary(form));
  }
}

// A new user's way: the text form on standard output, edited, and back into the
// form file, which a compiled program finds again by its class.
TEST(ConvertTool, TextFromStandardOutputGoesBackToTheSameFormFile) {
  TempDir dir;
  const std::string hello = KORVAX_SAMPLE_FORMS "/delphi3-samples/01/HELLO/HELLOF.DFM";
  const ToolRun text = Convert(dir, {"--to-text", hello});
  ASSERT_EQ(text.exitCode, 0) << text.err;
  WriteFileBytes(dir.File("hello.txt"), text.out);
  ASSERT_EQ(Convert(dir, {dir.File("hello.txt"), "-o", dir.File("HELLOF.DFM")}).exitCode, 0);
  const std::string original = ReadFileBytes(hello);
  EXPECT_EQ(ReadFileBytes(dir.File("HELLOF.DFM")), original);
  EXPECT_EQ(original.substr(0, 10), "\xFF\x0A\x00TFORM1\x00"s);
}

TEST(ConvertTool, RoundTripsSampleFormsThroughFiles) {
  TempDir dir;
  for (const std::string sample : {"03/SDITEMP/ABOUT.DFM", "13/POLIFORM/BMPVIEW.DFM", "13/VFI/UNIT2.DFM"}) {
    SCOPED_TRACE(sample);
    const std::string original = ReadFileBytes(KORVAX_SAMPLE_FORMS "/delphi3-samples/" + sample);
    ASSERT_EQ(Convert(dir, {KORVAX_SAMPLE_FORMS "/delphi3-samples/" + sample, "-o", dir.File("form.txt")}).exitCode, 0);
    ASSERT_EQ(Convert(dir, {dir.File("form.txt"), "-o", dir.File("form.dfm")}).exitCode, 0);
    EXPECT_EQ(ReadFileBytes(dir.File("form.dfm")), original);
    ASSERT_EQ(Convert(dir, {dir.File("form.dfm"), "-o", dir.File("again.txt")}).exitCode, 0);
    EXPECT_EQ(ReadFileBytes(dir.File("again.txt")), ReadFileBytes(dir.File("form.txt")));
  }
}

TEST(ConvertTool, PrintsTheTextFormForGitTextconv) {
  TempDir dir;
  const ToolRun binary = Convert(dir, {"--to-text", kAbout});
  EXPECT_EQ(binary.exitCode, 0) << binary.err;
  EXPECT_EQ(binary.out, ResourceToText(ReadFileBytes(kAbout)));
  EXPECT_EQ(binary.err, "");

  // A text form (or anything that is not binary) comes out unchanged.
  const ToolRun text = Convert(dir, {"--to-text", KORVAX_TEST_DATA "/forms/strings.txt"});
  EXPECT_EQ(text.exitCode, 0);
  EXPECT_EQ(text.out, ReadFileBytes(KORVAX_TEST_DATA "/forms/strings.txt"));
  WriteFileBytes(dir.File("empty.dfm"), "");
  const ToolRun empty = Convert(dir, {dir.File("empty.dfm"), "--to-text"});
  EXPECT_EQ(empty.exitCode, 0);
  EXPECT_EQ(empty.out, "");
}

TEST(ConvertTool, ReportsMalformedInputWithoutWritingOutput) {
  TempDir dir;
  const std::string original = ReadFileBytes(kAbout);
  WriteFileBytes(dir.File("cut.dfm"), original.substr(0, original.size() - 10));
  ToolRun run = Convert(dir, {dir.File("cut.dfm"), "-o", dir.File("cut.txt")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "korvax-convert: " + dir.File("cut.dfm") + ": Stream read error\n");
  EXPECT_FALSE(std::filesystem::exists(dir.File("cut.txt")));

  run = Convert(dir, {"--to-text", dir.File("cut.dfm")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "korvax-convert: " + dir.File("cut.dfm") + ": Stream read error\n");

  WriteFileBytes(dir.File("header.dfm"), "\xFF\x0A\x00NAME"s);
  run = Convert(dir, {"--to-text", dir.File("header.dfm")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "korvax-convert: " + dir.File("header.dfm") + ": Invalid stream format\n");

  WriteFileBytes(dir.File("bad.txt"), "object Form1: TForm1\r\n  Left 10\r\nend\r\n");
  run = Convert(dir, {dir.File("bad.txt"), "-o", dir.File("bad.dfm")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "korvax-convert: " + dir.File("bad.txt") + ": '=' expected on line 2\n");
  EXPECT_FALSE(std::filesystem::exists(dir.File("bad.dfm")));

  // An existing output survives a failed conversion.
  WriteFileBytes(dir.File("keep.dfm"), "old");
  EXPECT_EQ(Convert(dir, {dir.File("bad.txt"), "-o", dir.File("keep.dfm")}).exitCode, 1);
  EXPECT_EQ(ReadFileBytes(dir.File("keep.dfm")), "old");
}

TEST(ConvertTool, ReportsUnreadableAndUnwritableFiles) {
  TempDir dir;
  const std::string missing = dir.File("missing.dfm");
  ToolRun run = Convert(dir, {missing, "-o", dir.File("x.txt")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "korvax-convert: " + missing + ": Cannot open file " + missing + "\n");

  run = Convert(dir, {"--to-text", dir.Path()});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "korvax-convert: " + dir.Path() + ": Cannot open file " + dir.Path() + "\n");

  const std::string unwritable = dir.File("no/such/dir/out.txt");
  run = Convert(dir, {kAbout, "-o", unwritable});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "korvax-convert: " + unwritable + ": Cannot create file " + unwritable + "\n");
}

TEST(ConvertTool, RejectsBadUsage) {
  TempDir dir;
  const std::vector<std::vector<std::string>> bad = {
      {},
      {kAbout},
      {kAbout, "-o"},
      {"-o", dir.File("x.txt")},
      {kAbout, kAbout, "-o", dir.File("x.txt")},
      {"--to-text", kAbout, "-o", dir.File("x.txt")},
      {"--frobnicate", kAbout},
      {kAbout, "-o", dir.File("x.txt"), "-o", dir.File("y.txt")},
  };
  for (const auto& args : bad) {
    const ToolRun run = Convert(dir, args);
    EXPECT_EQ(run.exitCode, 2) << testing::PrintToString(args);
    EXPECT_EQ(run.err.substr(0, 16), "korvax-convert: ") << testing::PrintToString(args);
    EXPECT_NE(run.err.find("usage: korvax-convert IN -o OUT"), std::string::npos);
    EXPECT_EQ(run.out, "");
  }
  EXPECT_FALSE(std::filesystem::exists(dir.File("x.txt")));

  const ToolRun help = Convert(dir, {"--help"});
  EXPECT_EQ(help.exitCode, 0);
  for (const char* form : {"korvax-convert IN -o OUT\n", "korvax-convert --to-text IN\n",
                           "korvax-convert --to-text -i FILE|DIR...\n", "korvax-convert --to-binary -i FILE|DIR...\n"})
    EXPECT_NE(help.out.find(form), std::string::npos) << form;
}

TEST(ConvertTool, RejectsInPlaceUsageItCannotCarryOut) {
  TempDir dir;
  WriteFileBytes(dir.File("form.dfm"), ReadFileBytes(kAbout));
  const std::vector<std::pair<std::vector<std::string>, std::string>> bad = {
      {{"-i", dir.File("form.dfm")}, "-i needs --to-text or --to-binary"},
      {{"--to-binary", dir.File("form.dfm")}, "--to-binary needs -i"},
      {{"--to-text", "--to-binary", "-i", dir.File("form.dfm")}, "give either --to-text or --to-binary"},
      {{"--to-text", "--in-place"}, "no input file"},
      {{"--to-text", "-i", dir.File("form.dfm"), "-o", dir.File("x.txt")}, "-i writes no output file"},
      {{"--to-text", dir.File("form.dfm"), dir.File("form.dfm")}, "more than one input file (convert many with -i)"},
  };
  for (const auto& [args, problem] : bad) {
    const ToolRun run = Convert(dir, args);
    EXPECT_EQ(run.exitCode, 2) << problem;
    EXPECT_EQ(run.err.substr(0, run.err.find('\n') + 1), "korvax-convert: " + problem + "\n");
    EXPECT_EQ(run.out, "");
  }
  EXPECT_EQ(ReadFileBytes(dir.File("form.dfm")), ReadFileBytes(kAbout));
  EXPECT_FALSE(fs::exists(dir.File("x.txt")));
}

TEST(ConvertTool, EverySampleFormGoesToTextInPlaceAndBackByteForByte) {
  TempDir dir;
  const std::string tree = dir.File("samples");
  CopyTree(KORVAX_SAMPLE_FORMS "/delphi3-samples", tree);
  const auto original = TreeContents(tree);
  const std::vector<std::string> samples = korvax::test::SampleFiles();
  ASSERT_GE(samples.size(), 179u);
  const std::string count = std::to_string(samples.size());

  ToolRun run = Convert(dir, {"--to-text", "-i", tree});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, count + " converted to text, 0 already text, 0 failed\n");
  for (const std::string& sample : samples)
    EXPECT_EQ(ReadFileBytes(tree + "/" + sample), korvax::test::SampleText(sample)) << sample;
  // The units and projects beside the forms are not touched.
  auto afterText = TreeContents(tree);
  for (const std::string& sample : samples) afterText.erase(sample);
  auto others = original;
  for (const std::string& sample : samples) others.erase(sample);
  EXPECT_EQ(afterText, others);

  run = Convert(dir, {"--to-binary", "--in-place", tree});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, count + " converted to binary, 0 already binary, 0 failed\n");
  EXPECT_TRUE(TreeContents(tree) == original);
}

TEST(ConvertTool, InPlaceConvertsATreeAroundADamagedFile) {
  TempDir dir;
  const std::string about = ReadFileBytes(kAbout);
  const std::string hello = ReadFileBytes(KORVAX_SAMPLE_FORMS "/delphi3-samples/01/HELLO/HELLOF.DFM");
  fs::create_directories(dir.File("project/sub/deeper"));
  WriteFileBytes(dir.File("project/ABOUT.DFM"), about);
  WriteFileBytes(dir.File("project/sub/hello.dfm"), hello);
  WriteFileBytes(dir.File("project/sub/deeper/Mixed.Dfm"), about);
  WriteFileBytes(dir.File("project/sub/cut.dfm"), about.substr(0, about.size() - 10));
  WriteFileBytes(dir.File("project/sub/form.bin"), about);  // not a .dfm file
  WriteFileBytes(dir.File("project/UNIT1.PAS"), "unit Unit1;\r\n");
  const auto before = TreeContents(dir.File("project"));

  const std::string cutFailure = "korvax-convert: " + dir.File("project/sub/cut.dfm") + ": Stream read error\n";
  ToolRun run = Convert(dir, {"--to-text", "-i", dir.File("project")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, cutFailure);
  EXPECT_EQ(run.out, "3 converted to text, 0 already text, 1 failed\n");
  auto expected = before;
  expected["ABOUT.DFM"] = expected["sub/deeper/Mixed.Dfm"] = ResourceToText(about);
  expected["sub/hello.dfm"] = ResourceToText(hello);
  EXPECT_TRUE(TreeContents(dir.File("project")) == expected);

  // Back: the damaged file fails again, still untouched, and the rest is as it was.
  run = Convert(dir, {"--to-binary", "-i", dir.File("project")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, cutFailure);
  EXPECT_EQ(run.out, "3 converted to binary, 0 already binary, 1 failed\n");
  EXPECT_TRUE(TreeContents(dir.File("project")) == before);
}

TEST(ConvertTool, InPlaceLeavesFilesAlreadyInTheTargetForm) {
  TempDir dir;
  const std::string text = ResourceToText(ReadFileBytes(kAbout));
  WriteFileBytes(dir.File("text.dfm"), text);
  WriteFileBytes(dir.File("binary.dfm"), ReadFileBytes(kAbout));

  ToolRun run = Convert(dir, {"--to-text", "-i", dir.File("text.dfm"), dir.File("binary.dfm"), dir.File("text.dfm")});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            dir.File("text.dfm") + ": already text, left as it is\n1 converted to text, 1 already text, 0 failed\n");
  EXPECT_EQ(ReadFileBytes(dir.File("text.dfm")), text);
  EXPECT_EQ(ReadFileBytes(dir.File("binary.dfm")), text);

  run = Convert(dir, {"--to-binary", "-i", dir.File("text.dfm")});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  run = Convert(dir, {"--to-binary", "-i", dir.File("text.dfm")});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, dir.File("text.dfm") +
                         ": already binary, left as it is\n0 converted to binary, 1 already binary, 0 failed\n");
  EXPECT_EQ(ReadFileBytes(dir.File("text.dfm")), ReadFileBytes(kAbout));

  // A file in the target form is checked, not taken on trust.
  WriteFileBytes(dir.File("bad.dfm"), "object Form1: TForm1\r\n  Left 10\r\nend\r\n");
  run = Convert(dir, {"--to-text", "-i", dir.File("bad.dfm")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "korvax-convert: " + dir.File("bad.dfm") +
                         ": neither binary nor a valid text form: '=' expected on line 2\n");
  EXPECT_EQ(run.out, "0 converted to text, 0 already text, 1 failed\n");
}

TEST(ConvertTool, InPlaceRefusesATextFormThatWouldLoseBytes) {
  TempDir dir;
  const std::string about = ReadFileBytes(kAbout);
  // Bytes after the form, and a small number stored in four bytes (the text form
  // would give it one).
  const std::string trailing = about + "tail";
  const std::string wide = "TPF0\x06TForm1\x05" "Form1\x04Left\x04\x01\x00\x00\x00\x00\x00"s;
  WriteFileBytes(dir.File("trailing.dfm"), trailing);
  WriteFileBytes(dir.File("wide.dfm"), wide);
  const ToolRun run = Convert(dir, {"--to-text", "-i", dir.Path()});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err,
            "korvax-convert: " + dir.File("trailing.dfm") + ": the bytes after the form would be lost\n" +
                "korvax-convert: " + dir.File("wide.dfm") + ": the text form would not give back the same bytes\n");
  EXPECT_EQ(ReadFileBytes(dir.File("trailing.dfm")), trailing);
  EXPECT_EQ(ReadFileBytes(dir.File("wide.dfm")), wide);
  // Printed, such a form still shows its text.
  EXPECT_EQ(Convert(dir, {"--to-text", dir.File("wide.dfm")}).out,
            "object Form1: TForm1\r\n  Left = 1\r\nend\r\n");
}

TEST(ConvertTool, InPlaceFollowsLinksOnlyWhereTheyAreNamed) {
  TempDir dir;
  const std::string about = ReadFileBytes(kAbout);
  fs::create_directories(dir.File("outside"));
  fs::create_directories(dir.File("tree"));
  WriteFileBytes(dir.File("outside/form.dfm"), about);
  WriteFileBytes(dir.File("outside/other.dfm"), about);
  fs::create_directory_symlink(dir.File("outside"), dir.File("tree/linked"));
  fs::create_symlink(dir.File("outside/other.dfm"), dir.File("tree/link.dfm"));

  ToolRun run = Convert(dir, {"--to-text", "-i", dir.File("tree")});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "0 converted to text, 0 already text, 0 failed\n");
  EXPECT_EQ(ReadFileBytes(dir.File("outside/form.dfm")), about);
  EXPECT_EQ(ReadFileBytes(dir.File("outside/other.dfm")), about);

  // Named, a link's file is converted and the link stays a link.
  run = Convert(dir, {"--to-text", "-i", dir.File("tree/link.dfm")});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(fs::is_symlink(dir.File("tree/link.dfm")));
  EXPECT_EQ(ReadFileBytes(dir.File("outside/other.dfm")), ResourceToText(about));
}

TEST(ConvertTool, InPlaceReportsFilesItCannotRead) {
  TempDir dir;
  const ToolRun run = Convert(dir, {"--to-binary", "-i", dir.File("missing.dfm")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err,
            "korvax-convert: " + dir.File("missing.dfm") + ": Cannot open file " + dir.File("missing.dfm") + "\n");
  EXPECT_EQ(run.out, "0 converted to binary, 0 already binary, 1 failed\n");
  EXPECT_FALSE(fs::exists(dir.File("missing.dfm")));
}
