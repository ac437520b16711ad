#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "app/RunMode.h"

namespace {
struct CFlags {
  bool bUpdate, bDelete, bUsage, bError, bVerbose;
  const char* pszFolder;
};

CFlags Parse(const std::vector<std::string>& args) {
  ResetRunMode();
  CquorrelCommandLineInfo info;
  ParseCommandLine(info, args);
  return {g_bSilentUpdate != 0, g_bSilentDelete != 0,
          g_bShowUsage != 0,    g_bCommandLineError != 0,
          g_bVerbose != 0,      g_strProgramFolder.c_str()};
}

struct CCase {
  std::vector<std::string> args;
  bool bUpdate, bDelete, bUsage, bError, bVerbose;
  std::string strFolder;
};

TEST(CommandLineTest, EachLineSetsItsRunModeFlagsFolderOrUsageError) {
  const CCase kCases[] = {
      // Silent update in any spelling of switch and word.
      {{"/S", "update"}, true, false, false, false, false, ""},
      {{"-s", "UPDATE"}, true, false, false, false, false, ""},
      {{"-S", "Update"}, true, false, false, false, false, ""},
      // Silent delete with the folder kept exactly as typed.
      {{"-s", "delete", "-d", "C:\\Program Files\\X"},
       false,
       true,
       false,
       false,
       false,
       "C:\\Program Files\\X"},
      {{"-d", "C:\\x", "-s", "Delete"},
       false,
       true,
       false,
       false,
       false,
       "C:\\x"},
      // -d or -v alone: interactive run.
      {{"-d", "C:\\X"}, false, false, false, false, false, "C:\\X"},
      {{"-v"}, false, false, false, false, true, ""},
      {{"-v", "-d", "C:\\X"}, false, false, false, false, true, "C:\\X"},
      // Usage requests.
      {{"-?"}, false, false, true, false, false, ""},
      {{"/h"}, false, false, true, false, false, ""},
      {{"-?", "-v"}, false, false, true, false, true, ""},
      {{"-?", "-d", "C:\\X"}, false, false, true, true, false, "C:\\X"},
      {{"-?", "-s", "update"}, true, false, true, true, false, ""},
      // -s and -v exclude each other, in either order.
      {{"-s", "update", "-v"}, true, false, false, true, false, ""},
      {{"-v", "-s", "update"}, false, false, false, true, true, ""},
      // Given twice, or followed by another switch.
      {{"-s", "update", "-s", "update"}, false, false, false, true, false, ""},
      {{"-s", "-d", "C:\\X"}, false, false, false, true, false, "C:\\X"},
      // A switch without its argument at the end.
      {{"-s"}, false, false, false, true, false, ""},
      {{"-d"}, false, false, false, true, false, ""},
      {{"-s", "update", "-d"}, true, false, false, true, false, ""},
      // Switches of other lengths, unknown switches and words.
      {{"-sv"}, false, false, false, true, false, ""},
      {{"-verbose"}, false, false, false, true, false, ""},
      {{"-"}, false, false, false, true, false, ""},
      {{"-x"}, false, false, false, true, false, ""},
      {{"update"}, false, false, false, true, false, ""},
      {{"-s", "remove"}, false, false, false, true, false, ""},
      // A second folder empties the first.
      {{"-d", "A", "-d", "B"}, false, false, false, true, false, ""},
  };
  for (const CCase& c : kCases) {
    std::string strLine;
    for (const auto& arg : c.args) strLine += arg + " ";
    SCOPED_TRACE(strLine);
    const CFlags flags = Parse(c.args);
    EXPECT_EQ(c.bUpdate, flags.bUpdate);
    EXPECT_EQ(c.bDelete, flags.bDelete);
    EXPECT_EQ(c.bUsage, flags.bUsage);
    EXPECT_EQ(c.bError, flags.bError);
    EXPECT_EQ(c.bVerbose, flags.bVerbose);
    EXPECT_EQ(c.strFolder, flags.pszFolder);
  }
}

TEST(CommandLineTest, NoArgumentsSetNothing) {
  const CFlags flags = Parse({});
  EXPECT_FALSE(flags.bUpdate || flags.bDelete || flags.bUsage || flags.bError ||
               flags.bVerbose);
}

TEST(CommandLineTest, NeverSetsVerboseTogetherWithASilentFlag) {
  const std::vector<std::vector<std::string>> lines = {
      {"-v", "-s", "delete"}, {"-s", "delete", "-v"}, {"-s", "-v", "update"}};
  for (const auto& args : lines) {
    const CFlags flags = Parse(args);
    EXPECT_TRUE(flags.bError);
    EXPECT_FALSE(flags.bVerbose && (flags.bUpdate || flags.bDelete));
  }
}
}  // namespace
