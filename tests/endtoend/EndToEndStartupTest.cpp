// The built program run as a process: what an installer sees of it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/ProcessRunner.h"

namespace {
class EndToEndStartupTest : public ::testing::Test {
 protected:
  CProcessResult Run(const std::vector<std::string>& args,
                     std::map<std::string, std::string> env = {}) {
    std::vector<std::string> argv = {QuorrelExe()};
    argv.insert(argv.end(), args.begin(), args.end());
    CProcessOptions options;
    options.strWorkingDirectory = m_work.Path();
    options.env = std::move(env);
    options.env["QUORREL_MACHINE"] = m_machine.Path();
    options.env.emplace("QUORREL_ADMIN", "1");
    options.env["QUORREL_ANSWERS"] = "";
    return RunProcess(argv, options);
  }
  std::string LogPath() const { return m_work.Path() + "/quorrel.log"; }

  CTempDir m_machine;
  CTempDir m_work;
};

TEST_F(EndToEndStartupTest, UnknownRunWordShowsUsageWithStopIconAndNoLog) {
  const CProcessResult result = Run({"-s", "bogus"});
  EXPECT_EQ(0, result.nExitStatus);
  EXPECT_NE(std::string::npos, result.strStderr.find("(Stop)"));
  EXPECT_NE(std::string::npos,
            result.strStderr.find("quorrel [-s (update,delete), -v] [-d "
                                  "<Tessarine_ProgramFiles_Dir_Pathname>]"));
  EXPECT_FALSE(PathExists(LogPath()));
}

TEST_F(EndToEndStartupTest, NonAdministratorGetsTheRefusalAndAZeroResult) {
  const CProcessResult result = Run({"-s", "update"}, {{"QUORREL_ADMIN", "0"}});
  EXPECT_NE(std::string::npos,
            result.strStderr.find("You must have Administrator priviledges in "
                                  "order to perform this operation."));
  EXPECT_EQ("Update=0\r\n", ReadWholeFile(LogPath()));
}

TEST_F(EndToEndStartupTest, ExistingLogIsReplaced) {
  ASSERT_TRUE(WriteWholeFile(LogPath(), std::string(100, 'x')));
  Run({"-S", "Update"});
  EXPECT_EQ("Update=1\r\n", ReadWholeFile(LogPath()));
}

TEST_F(EndToEndStartupTest, UsageRequestShowsTheTextWithTheInformationIcon) {
  const CProcessResult result = Run({"/?"});
  EXPECT_NE(std::string::npos, result.strStderr.find("(Information)"));
  EXPECT_NE(std::string::npos, result.strStderr.find("s - silient mode"));
  EXPECT_FALSE(PathExists(LogPath()));
}

class EndToEndBadStoreTest : public EndToEndStartupTest {
 protected:
  void SetUp() override {
    ASSERT_EQ(0, mkdir((m_machine.Path() + "/registry").c_str(), 0755));
    ASSERT_TRUE(WriteWholeFile(m_machine.Path() + "/registry/HKEY_USERS.reg",
                               "not a registry file\n"));
  }
};

// The usage text needs no registry: it is shown before the store is
// opened, whatever state that is in.
TEST_F(EndToEndBadStoreTest, UsageComesBeforeAStoreThatDoesNotParse) {
  for (const char* pszArg : {"-?", "-h", "-x"}) {
    SCOPED_TRACE(pszArg);
    const CProcessResult result = Run({pszArg});
    EXPECT_EQ(0, result.nExitStatus);
    EXPECT_NE(std::string::npos, result.strStderr.find("s - silient mode"));
  }
}
// A run that could not start leaves no result file: an earlier run's line
// is never read as its own.
TEST_F(EndToEndBadStoreTest, SilentRunsThatCannotStartLeaveNoResult) {
  for (const char* pszRun : {"update", "delete"}) {
    SCOPED_TRACE(pszRun);
    ASSERT_TRUE(WriteWholeFile(LogPath(), "Update=1\r\n"));
    EXPECT_EQ(1, Run({"-s", pszRun}).nExitStatus);
    EXPECT_FALSE(PathExists(LogPath()));
  }
}
}  // namespace
