// The command-line compiler's configuration file of a project: read, written and
// read back, with the lines it does not know kept.
#include "ide/project/projectconfig.h"

#include <gtest/gtest.h>

namespace korvax {
namespace {

TEST(ProjectConfig, DefaultsAreWrittenInTheCompilersSyntax) {
  EXPECT_EQ(ProjectConfigText(TProjectConfig()),
            "-$A+\r\n-$B-\r\n-$C+\r\n-$D+\r\n-$H+\r\n-$I+\r\n-$J+\r\n-$L+\r\n-$O+\r\n-$P+\r\n-$Q-\r\n-$R-\r\n-$T-\r\n"
            "-$U-\r\n-$V+\r\n-$W-\r\n-$X+\r\n-$Y+\r\n-$M16384,1048576\r\n-K$00400000\r\n-cg\r\n-H+\r\n-W+\r\n");
  EXPECT_EQ(ParseProjectConfig(ProjectConfigText(TProjectConfig())), TProjectConfig());
  EXPECT_EQ(ConfigFileOf("/p/Demo.dpr"), "/p/Demo.cfg");
}

TEST(ProjectConfig, EverySettingComesBackAsWritten) {
  TProjectConfig config;
  config.Directives['R'] = true;
  config.Directives['O'] = false;
  config.Hints = false;
  config.MinStackSize = 8192;
  config.MaxStackSize = 65536;
  config.ImageBase = 0x10000000;
  config.TD32DebugInfo = true;
  config.Console = true;
  config.ObjectFiles = true;
  config.MapFile = TMapFile::Detailed;
  config.Defines = "DEBUG;TRACE";
  config.OutputDir = "/out dir";
  config.SearchPath = "/lib;/units";
  config.UnitOutputDir = "dcu";
  config.UnitAliases = "WinTypes=Windows";
  const std::string text = ProjectConfigText(config);
  for (const char* line : {"-$R+\r\n", "-$O-\r\n", "-H-\r\n", "-$M8192,65536\r\n", "-K$10000000\r\n", "-V\r\n",
                           "-cc\r\n", "-J\r\n", "-GD\r\n", "-DDEBUG;TRACE\r\n", "-E\"/out dir\"\r\n", "-U/lib;/units\r\n",
                           "-I/lib;/units\r\n", "-Ndcu\r\n", "-AWinTypes=Windows\r\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line;
  EXPECT_EQ(ParseProjectConfig(text), config);
}

TEST(ProjectConfig, LinesItDoesNotKnowAreKept) {
  const TProjectConfig config =
      ParseProjectConfig("-$G+\n-$R+\r\n-LUvcl30\r\n\r\n-$Mbad,1\r\n-Kxyz\r\n-gs\r\n-cG\r\n-w\r\n-O/elsewhere\r\n");
  EXPECT_TRUE(config.Directives.at('R'));
  EXPECT_EQ(config.MapFile, TMapFile::Segments);
  EXPECT_FALSE(config.Console);
  EXPECT_TRUE(config.Warnings);
  EXPECT_EQ(config.ImageBase, 0x400000);
  EXPECT_EQ(config.OtherLines,
            (std::vector<std::string>{"-$G+", "-LUvcl30", "", "-$Mbad,1", "-Kxyz", "-O/elsewhere"}));
  const std::string text = ProjectConfigText(config);
  EXPECT_NE(text.find("-$Y+\r\n-$M16384,1048576"), std::string::npos);
  EXPECT_TRUE(text.ends_with("-$G+\r\n-LUvcl30\r\n\r\n-$Mbad,1\r\n-Kxyz\r\n-O/elsewhere\r\n"));
}

}  // namespace
}  // namespace korvax
