// The silent Clear run as an installer runs it, on a machine directory that
// holds a whole installation of the suite: afterwards the registry files are
// read back with the store's own loader and the files listed, and both are
// compared with the machine the Clear must leave.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/Platform.h"
#include "platform/host/HostWindowList.h"
#include "platform/host/services/HostServiceState.h"
#include "platform/host/store/FileRegistry.h"
#include "support/ProcessRunner.h"
#include "support/RegistryTestUtil.h"
#include "support/SuiteInstallation.h"

namespace {
// The registry of a machine directory as the store loads it; an error text
// when it can't be loaded.
std::string StoredRegistry(const std::string& strMachine) {
  CFileRegistry registry;
  std::string strError;
  if (registry.Open(strMachine + "/registry", &strError) != ERROR_SUCCESS)
    return "cannot load: " + strError;
  const CPlatform saved = Platform();
  CPlatform platform = saved;
  platform.pRegistry = &registry;
  SetPlatform(platform);
  const std::string strDump = DumpRegistryTree(HKEY_LOCAL_MACHINE, "") +
                              DumpRegistryTree(HKEY_CURRENT_USER, "") +
                              DumpRegistryTree(HKEY_USERS, "");
  SetPlatform(saved);
  registry.Close(&strError);
  return strDump;
}

// A foreign process standing for the tray application, with its window
// published in the machine's window list.
class CTrayProcess {
 public:
  CTrayProcess(const std::string& strMachine, const std::string& strTitle) {
    m_nPid = fork();
    if (m_nPid == 0) {
      execl("/bin/sleep", "sleep", "120", static_cast<char*>(nullptr));
      _exit(127);
    }
    CHostWindowList::Publish(strMachine + "/run/windows", m_nPid, strTitle,
                             nullptr);
  }
  ~CTrayProcess() {
    if (m_nPid > 0 && !m_bReaped) {
      kill(m_nPid, SIGKILL);
      waitpid(m_nPid, nullptr, 0);
    }
  }
  // True when the process was ended with SIGTERM (within ten seconds).
  bool WasClosed() {
    for (int i = 0; i < 100; ++i) {
      int nStatus = 0;
      if (waitpid(m_nPid, &nStatus, WNOHANG) == m_nPid) {
        m_bReaped = true;
        return WIFSIGNALED(nStatus) && WTERMSIG(nStatus) == SIGTERM;
      }
      usleep(100 * 1000);
    }
    return false;
  }

 private:
  pid_t m_nPid = -1;
  bool m_bReaped = false;
};

class EndToEndClearRun : public ::testing::Test {
 protected:
  CProcessResult RunQuorrel(const std::vector<std::string>& args) {
    std::vector<std::string> argv = {QuorrelExe()};
    argv.insert(argv.end(), args.begin(), args.end());
    CProcessOptions options;
    options.strWorkingDirectory = m_work.Path();
    options.env["QUORREL_MACHINE"] = m_machine.Path();
    options.env["QUORREL_ADMIN"] = "1";
    options.env["QUORREL_ANSWERS"] = "";
    options.env["QUORREL_BROWSE"] = "";
    options.env["USER"] = "Administrator";
    options.env["QUORREL_CLOCK_SCALE"] = kFastClock;
    return RunProcess(argv, options);
  }
  std::string Log() { return ReadWholeFile(m_work.Path() + "/quorrel.log"); }

  CSuiteInstallation m_installation;
  CTempDir m_machine;
  CTempDir m_expected;
  CTempDir m_work;
};

class EndToEndClearTest : public EndToEndClearRun,
                          public ::testing::WithParamInterface<const char*> {
 protected:
  EndToEndClearTest() { m_installation.strProfileAlias = GetParam(); }
};

TEST_P(EndToEndClearTest, SilentDeleteRemovesEveryTraceAndNothingElse) {
  m_installation.SeedBefore(m_machine.Path());
  m_installation.SeedExpectedAfter(m_expected.Path());
  ASSERT_EQ(ERROR_SUCCESS,
            HostSetServiceRunning(m_machine.Path(), "Trevant", true));
  CTrayProcess tray(m_machine.Path(), "Glimmet Background Application");
  ASSERT_NE(StoredRegistry(m_machine.Path()),
            StoredRegistry(m_expected.Path()));

  const CProcessResult result =
      RunQuorrel({"-s", "delete", "-d", CSuiteInstallation::kProgramFolder});

  EXPECT_EQ(0, result.nExitStatus);
  EXPECT_EQ("Delete=1\r\n", Log());
  EXPECT_EQ("", result.strStderr);  // no box of any kind
  EXPECT_TRUE(tray.WasClosed());
  bool bRunning = true;
  EXPECT_EQ(
      DWORD(ERROR_SUCCESS),
      CHostServiceState(m_machine.Path()).IsRunning("Trevant", &bRunning));
  EXPECT_FALSE(bRunning);  // stopped before its program was deleted
  EXPECT_EQ(MachineFiles(m_expected.Path()), MachineFiles(m_machine.Path()));
  EXPECT_EQ(StoredRegistry(m_expected.Path()),
            StoredRegistry(m_machine.Path()));
}

TEST_P(EndToEndClearTest, SilentDeleteWithoutTheFolderKeepsItAndFails) {
  m_installation.SeedBefore(m_machine.Path());
  m_installation.SeedExpectedAfter(m_expected.Path(), false);

  const CProcessResult result = RunQuorrel({"-s", "delete"});

  EXPECT_EQ(0, result.nExitStatus);
  EXPECT_EQ("Delete=0\r\n", Log());
  EXPECT_NE(std::string::npos,
            result.strStderr.find(
                "A Tessarine Program Files directory pathname has not been "
                "provided.\nThe Tessarine Program Files directory has not been "
                "deleted.  "));
  EXPECT_NE(std::string::npos, result.strStderr.find("(Exclamation)"));
  EXPECT_EQ(MachineFiles(m_expected.Path()), MachineFiles(m_machine.Path()));
  EXPECT_EQ(StoredRegistry(m_expected.Path()),
            StoredRegistry(m_machine.Path()));
}

// A drive named as the program folder: the step is refused and skipped,
// every other step of the suite's own still runs, and the run reports 0.
TEST_F(EndToEndClearRun, SilentDeleteRefusesADriveAsTheProgramFolder) {
  m_installation.SeedBefore(m_machine.Path());
  m_installation.SeedExpectedAfter(m_expected.Path(), false);
  for (const CTempDir* pMachine : {&m_machine, &m_expected})
    WriteHostFile(pMachine->Path() + "/boot.ini", "[boot loader]");

  const CProcessResult result = RunQuorrel({"-s", "delete", "-d", "C:\\"});

  EXPECT_EQ("Delete=0\r\n", Log());
  EXPECT_NE(std::string::npos,
            result.strStderr.find("\"C:\\\" cannot be the Tessarine program "
                                  "folder"));
  EXPECT_NE(std::string::npos, result.strStderr.find("(Stop)"));
  EXPECT_EQ(MachineFiles(m_expected.Path()), MachineFiles(m_machine.Path()));
  EXPECT_EQ(StoredRegistry(m_expected.Path()),
            StoredRegistry(m_machine.Path()));
}

// Removing leaves nothing of its own: no folder the machine did not have.
TEST_F(EndToEndClearRun, SilentDeleteOnABareMachineCreatesNoFolder) {
  const CProcessResult result =
      RunQuorrel({"-s", "delete", "-d", CSuiteInstallation::kProgramFolder});
  EXPECT_EQ("Delete=1\r\n", Log());
  EXPECT_EQ("", result.strStderr);
  EXPECT_EQ(std::vector<std::string>{}, MachineFiles(m_machine.Path()));
}

INSTANTIATE_TEST_SUITE_P(ProfileAlias, EndToEndClearTest,
                         ::testing::Values("Current", "current"));
}  // namespace
