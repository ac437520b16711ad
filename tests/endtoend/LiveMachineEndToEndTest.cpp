// The host as a live machine: the interactive program in a real terminal
// (tmux) with a silent run and a second start beside it; its writes kept
// when it is killed or its terminal goes; a restart that ends the run.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/Platform.h"
#include "platform/host/store/FileRegistry.h"
#include "support/ProcessRunner.h"
#include "support/StoreTestUtil.h"
#include "support/SuiteInstallation.h"
#include "support/TmuxSession.h"
#include "support/TuiClearSteps.h"
#include "sys/RegistryOps.h"

namespace {
const char kDatabase[] =
    "System\\CurrentControlSet\\Services\\Dovrel\\DataBase";
const char kGroupOrderList[] =
    "System\\CurrentControlSet\\Control\\GroupOrderList";
const char kServices[] = "System\\CurrentControlSet\\Services\\";

std::vector<BYTE> Words(const std::vector<DWORD>& words) {
  std::vector<BYTE> bytes;
  for (DWORD dw : words)
    for (int i = 0; i < 4; ++i) bytes.push_back((dw >> (8 * i)) & 0xFF);
  return bytes;
}

// A group order list value: the count, then the tags.
std::vector<BYTE> TagList(std::vector<DWORD> tags) {
  tags.insert(tags.begin(), static_cast<DWORD>(tags.size()));
  return Words(tags);
}

class LiveMachineEndToEndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveTmux()) GTEST_SKIP() << "tmux is not installed";
  }
  // The program as the shell's own process, so that its id is known.
  std::string Command() {
    return "sh -c 'echo $$ > " + m_work.Path() +
           "/pid; exec env QUORREL_CLOCK_SCALE=" + kFastClock +
           " QUORREL_ADMIN=1 QUORREL_MACHINE=" + m_machine.Path() + " " +
           QuorrelExe() + "'";
  }
  pid_t Pid() {
    return std::atoi(ReadWholeFile(m_work.Path() + "/pid").c_str());
  }
  CProcessResult Run(const std::vector<std::string>& args) {
    CProcessOptions options;
    options.strWorkingDirectory = m_work.Path();
    options.env = {{"QUORREL_MACHINE", m_machine.Path()},
                   {"QUORREL_ADMIN", "1"},
                   {"QUORREL_ANSWERS", ""},
                   {"QUORREL_CLOCK_SCALE", kFastClock}};
    std::vector<std::string> argv = {QuorrelExe()};
    argv.insert(argv.end(), args.begin(), args.end());
    return RunProcess(argv, options);
  }
  void StartToMainWindow(CTmuxSession& tmux) {
    std::string strScreen;
    ASSERT_TRUE(tmux.Started());
    ASSERT_TRUE(tmux.WaitFor("T E S S A R I N E", 10000, &strScreen))
        << strScreen;
    // F5 closes the picture; no control takes it, should the picture
    // have gone by itself already.
    tmux.SendKeys("F5");
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
    for (int i = 0; i < 200 && tmux.Alive(); ++i) usleep(50000);
    return !tmux.Alive();
  }
  // Runs fn on the machine's store as a program of its own would, the
  // store closed afterwards; false when it can't be opened.
  bool WithStore(const std::function<void(CFileRegistry&)>& fn) {
    CFileRegistry store;
    std::string strError;
    if (store.Open(m_machine.Path() + "/registry", &strError) != ERROR_SUCCESS)
      return false;
    fn(store);
    return store.Close(&strError) == ERROR_SUCCESS;
  }
  bool DatabaseStored() {
    bool bStored = false;
    WithStore([&](CFileRegistry& store) {
      bStored = KeyExists(store, HKEY_LOCAL_MACHINE, kDatabase);
    });
    return bStored;
  }
  // Windows' Pcmcia (tag 1) and the suite's Velcor (tag 2) in the group; the
  // list holds a tag no service has and Pcmcia after Velcor.
  void SeedDamagedGroupOrderList() {
    ASSERT_TRUE(WithStore([](CFileRegistry& store) {
      for (const auto& service :
           {std::make_pair("Pcmcia", 1u), std::make_pair("Velcor", 2u)}) {
        const std::string strKey = kServices + std::string(service.first);
        EXPECT_TRUE(PutString(store, HKEY_LOCAL_MACHINE, strKey, "Group",
                              "System Bus Extender"));
        EXPECT_TRUE(PutValue(store, HKEY_LOCAL_MACHINE, strKey, "Tag",
                             REG_DWORD, Words({service.second})));
      }
      EXPECT_TRUE(PutValue(store, HKEY_LOCAL_MACHINE, kGroupOrderList,
                           "System Bus Extender", REG_BINARY,
                           TagList({2, 9, 1})));
    }));
  }
  std::vector<BYTE> StoredGroupOrderList() {
    std::vector<BYTE> data;
    DWORD dwType = 0;
    WithStore([&](CFileRegistry& store) {
      GetValue(store, HKEY_LOCAL_MACHINE, kGroupOrderList,
               "System Bus Extender", &dwType, &data);
    });
    return data;
  }
  // Registry Repairs, Repair Group Order List, the result box on screen;
  // then nSignal ends the program.
  void RepairGroupOrderListThenSignal(int nSignal) {
    SeedDamagedGroupOrderList();
    CTmuxSession tmux(Command(), 100, 36);
    StartToMainWindow(tmux);
    std::string strScreen;
    tmux.SendKeys("Tab Tab Tab Enter");
    ASSERT_TRUE(tmux.WaitFor("[ Repair Group Order List ]", 5000, &strScreen))
        << strScreen;
    tmux.SendKeys("Tab Enter");
    ASSERT_TRUE(tmux.WaitFor("successfully repaired", 5000, &strScreen))
        << strScreen;
    ASSERT_EQ(0, kill(Pid(), nSignal));
    ASSERT_TRUE(Ends(tmux));
    EXPECT_EQ(TagList({1, 2}), StoredGroupOrderList());
    // The title the ended program published is no earlier instance.
    CTmuxSession next(Command(), 100, 36);
    StartToMainWindow(next);
  }

  CTempDir m_machine;
  CTempDir m_work;
};

TEST_F(LiveMachineEndToEndTest, SilentRunAndSecondStartBesideAnOpenWindow) {
  CTmuxSession tmux(Command(), 100, 36);
  StartToMainWindow(tmux);
  tmux.OpenShellWindow();
  ASSERT_FALSE(tmux.ProgramWindowInFront());
  const CProcessResult update = Run({"-s", "update"});
  EXPECT_EQ(0, update.nExitStatus) << update.strStderr;
  EXPECT_EQ("Update=1\r\n", ReadWholeFile(m_work.Path() + "/quorrel.log"));
  // A second start finds the first window and ends at once.
  const CProcessResult second = Run({});
  EXPECT_EQ(0, second.nExitStatus) << second.strStderr;
  EXPECT_EQ("quorrel is already running (process " + std::to_string(Pid()) +
                "); it was asked to come forward.\n",
            second.strStderr);
  EXPECT_TRUE(tmux.Alive());
  // The first program's terminal window came forward.
  for (int i = 0; i < 200 && !tmux.ProgramWindowInFront(); ++i) usleep(50000);
  EXPECT_TRUE(tmux.ProgramWindowInFront());
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

// The repair never flushes: only the journal written as each change is
// made keeps it.
TEST_F(LiveMachineEndToEndTest, GroupOrderRepairOutlivesAKill) {
  RepairGroupOrderListThenSignal(SIGKILL);
}

TEST_F(LiveMachineEndToEndTest, GroupOrderRepairOutlivesAClosedTerminal) {
  RepairGroupOrderListThenSignal(SIGHUP);
}

// SIGTERM while the folder browser is open, after the registry steps ran.
TEST_F(LiveMachineEndToEndTest, ClearEndedBySigtermLeavesNoneOfItsKeys) {
  CSuiteInstallation().SeedBefore(m_machine.Path());
  CTmuxSession tmux(Command(), 100, 36);
  StartToMainWindow(tmux);
  std::string strScreen;
  ASSERT_NO_FATAL_FAILURE(ClearToFolderBrowser(tmux, &strScreen));
  ASSERT_EQ(0, kill(Pid(), SIGTERM));
  ASSERT_TRUE(Ends(tmux));
  const std::string strSuite = "SOFTWARE\\Corvane\\Tessarine for Windows NT";
  const std::string strDefault = ".DEFAULT\\Software\\Corvane\\";
  ASSERT_TRUE(WithStore([&](CFileRegistry& store) {
    DWORD dwType = 0;
    std::vector<BYTE> data;
    EXPECT_FALSE(GetValue(store, HKEY_LOCAL_MACHINE,
                          "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
                          "Glimmet", &dwType, &data));
    ASSERT_TRUE(GetValue(store, HKEY_LOCAL_MACHINE,
                         "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\"
                         "Winlogon",
                         "Userinit", &dwType, &data));
    EXPECT_EQ(SzBytes("C:\\WINNT\\system32\\userinit.exe,"), data);
    for (const auto& key :
         {std::make_pair(HKEY_LOCAL_MACHINE, strSuite),
          std::make_pair(HKEY_CURRENT_USER, strSuite),
          std::make_pair(HKEY_USERS, strDefault + "Tessarine for Windows NT"),
          std::make_pair(HKEY_USERS, strDefault + "ATA"),
          std::make_pair(HKEY_USERS, strDefault + "Sound"),
          std::make_pair(HKEY_USERS, strDefault + "COM"),
          std::make_pair(HKEY_LOCAL_MACHINE,
                         std::string("SOFTWARE\\Microsoft\\Windows\\"
                                     "CurrentVersion\\Uninstall\\Tessarine "
                                     "for Windows NT"))}) {
      SCOPED_TRACE(key.second);
      EXPECT_FALSE(KeyExists(store, key.first, key.second));
    }
  }));
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
