// The host as a live machine: the interactive program in a real terminal
// (tmux) with a silent run and a second start beside it; its writes kept
// when it is killed or its terminal goes; a restart that ends the run.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/host/store/FileRegistry.h"
#include "support/ProcessRunner.h"
#include "support/StoreTestUtil.h"
#include "support/TmuxSession.h"

namespace {
const char kDatabase[] =
    "System\\CurrentControlSet\\Services\\Dovrel\\DataBase";

class LiveMachineEndToEndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveTmux()) GTEST_SKIP() << "tmux is not installed";
  }
  // The program as the shell's own process, so that its id is known.
  std::string Command() {
    return "sh -c 'echo $$ > " + m_work.Path() +
           "/pid; exec env QUORREL_ADMIN=1 QUORREL_MACHINE=" +
           m_machine.Path() + " " + QuorrelExe() + "'";
  }
  pid_t Pid() {
    return std::atoi(ReadWholeFile(m_work.Path() + "/pid").c_str());
  }
  CProcessResult Run(const std::vector<std::string>& args) {
    CProcessOptions options;
    options.strWorkingDirectory = m_work.Path();
    options.env = {{"QUORREL_MACHINE", m_machine.Path()},
                   {"QUORREL_ADMIN", "1"},
                   {"QUORREL_ANSWERS", ""}};
    std::vector<std::string> argv = {QuorrelExe()};
    argv.insert(argv.end(), args.begin(), args.end());
    return RunProcess(argv, options);
  }
  void StartToMainWindow(CTmuxSession& tmux) {
    std::string strScreen;
    ASSERT_TRUE(tmux.Started());
    ASSERT_TRUE(tmux.WaitFor("T E S S A R I N E", 10000, &strScreen))
        << strScreen;
    tmux.SendKeys("Enter");
    ASSERT_TRUE(tmux.WaitFor("[ Update Registry ]", 5000, &strScreen))
        << strScreen;
  }
  // Update Registry, its result box closed, the restart offer on screen.
  void UpdateToRestartOffer(CTmuxSession& tmux) {
    std::string strScreen;
    tmux.SendKeys("Enter");
    ASSERT_TRUE(tmux.WaitFor("Registry Update Completed Successfully", 10000,
                             &strScreen))
        << strScreen;
    tmux.SendKeys("Enter");
    ASSERT_TRUE(
        tmux.WaitFor("Would you like to restart it now?", 5000, &strScreen))
        << strScreen;
  }
  bool Ends(CTmuxSession& tmux) {
    for (int i = 0; i < 100 && tmux.Alive(); ++i) usleep(50000);
    return !tmux.Alive();
  }
  bool DatabaseStored() {
    CFileRegistry store;
    std::string strError;
    if (store.Open(m_machine.Path() + "/registry", &strError) != ERROR_SUCCESS)
      return false;
    return KeyExists(store, HKEY_LOCAL_MACHINE, kDatabase);
  }

  CTempDir m_machine;
  CTempDir m_work;
};

TEST_F(LiveMachineEndToEndTest, SilentRunAndSecondStartBesideAnOpenWindow) {
  CTmuxSession tmux(Command(), 100, 36);
  StartToMainWindow(tmux);
  const CProcessResult update = Run({"-s", "update"});
  EXPECT_EQ(0, update.nExitStatus) << update.strStderr;
  EXPECT_EQ("Update=1\r\n", ReadWholeFile(m_work.Path() + "/quorrel.log"));
  // A second start finds the first window and ends at once.
  const CProcessResult second = Run({});
  EXPECT_EQ(0, second.nExitStatus) << second.strStderr;
  EXPECT_EQ(std::string::npos, second.strStderr.find("==="))
      << second.strStderr;
  EXPECT_TRUE(tmux.Alive());
  // The open program sees what the silent run stored.
  EXPECT_TRUE(DatabaseStored());
}

TEST_F(LiveMachineEndToEndTest, ChangesOutliveAKill) {
  CTmuxSession tmux(Command(), 100, 36);
  StartToMainWindow(tmux);
  UpdateToRestartOffer(tmux);
  ASSERT_EQ(0, kill(Pid(), SIGKILL));
  ASSERT_TRUE(Ends(tmux));
  EXPECT_TRUE(DatabaseStored());
}

TEST_F(LiveMachineEndToEndTest, ClosedTerminalEndsTheRunInOrder) {
  CTmuxSession tmux(Command(), 100, 36);
  StartToMainWindow(tmux);
  UpdateToRestartOffer(tmux);
  ASSERT_EQ(0, kill(Pid(), SIGHUP));
  ASSERT_TRUE(Ends(tmux));
  // The store was closed: the files hold the update, no journal is left.
  EXPECT_FALSE(PathExists(m_machine.Path() + "/registry/store.journal"));
  EXPECT_TRUE(DatabaseStored());
}

TEST_F(LiveMachineEndToEndTest, YesToTheRestartEndsTheProgramWithStatusZero) {
  const std::string strStatus = m_work.Path() + "/status";
  CTmuxSession tmux(
      "sh -c 'env QUORREL_ADMIN=1 QUORREL_MACHINE=" + m_machine.Path() + " " +
          QuorrelExe() + "; echo $? > " + strStatus + "'",
      100, 36);
  StartToMainWindow(tmux);
  UpdateToRestartOffer(tmux);
  tmux.SendKeys("y");
  std::string strScreen;
  ASSERT_TRUE(tmux.WaitFor("This host is not rebooted", 5000, &strScreen))
      << strScreen;
  tmux.SendKeys("Enter");
  ASSERT_TRUE(Ends(tmux));
  EXPECT_EQ("0\n", ReadWholeFile(strStatus));
  EXPECT_TRUE(DatabaseStored());
  EXPECT_FALSE(PathExists(m_machine.Path() + "/registry/store.journal"));
}
}  // namespace
