// The interactive program in a real terminal (tmux): the splash picture,
// the main window, Update Registry with its two boxes, the About box from
// the menu, and File > Exit.
#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/Platform.h"
#include "platform/host/FileRegistry.h"
#include "support/ProcessRunner.h"
#include "support/TmuxSession.h"
#include "sys/RegistryOps.h"

namespace {

const char kTitle[] =
    "Corvane Tessarine Registry Update Utility for Windows NT";

class TerminalUiEndToEndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveTmux()) GTEST_SKIP() << "tmux is not installed";
  }
  std::string Command() {
    return "env QUORREL_MACHINE=" + m_machine.Path() + " " + QuorrelExe();
  }
  // The PCI configuration service is registered, so that the update gives
  // its routing values their defaults.
  void SeedVelcorService() {
    CFileRegistry registry;
    std::string strError;
    ASSERT_EQ(ERROR_SUCCESS,
              registry.Open(m_machine.Path() + "/registry", &strError));
    CPlatform saved = Platform();
    CPlatform platform = saved;
    platform.pRegistry = &registry;
    SetPlatform(platform);
    HKEY hKey = nullptr;
    EXPECT_TRUE(CreateRegKey(HKEY_LOCAL_MACHINE,
                             "System\\CurrentControlSet\\Services\\Velcor",
                             &hKey));
    if (hKey) registry.RegCloseKey(hKey);
    SetPlatform(saved);
    ASSERT_EQ(ERROR_SUCCESS, registry.Close(&strError)) << strError;
  }
  CTempDir m_machine;
};

TEST_F(TerminalUiEndToEndTest, UpdateRegistryThenNoRestartThenExit) {
  SeedVelcorService();
  CTmuxSession tmux(Command(), 100, 36);
  ASSERT_TRUE(tmux.Started());
  std::string strScreen;
  ASSERT_TRUE(tmux.WaitFor("T E S S A R I N E", 10000, &strScreen))
      << strScreen;
  // A key closes the picture and is swallowed: the Update button, which
  // has the focus, does not run.
  tmux.SendKeys("Enter");
  ASSERT_TRUE(tmux.WaitFor("T E S S A R I N E", 5000, &strScreen, true))
      << strScreen;
  ASSERT_TRUE(tmux.WaitFor("[ Update Registry ]", 5000, &strScreen))
      << strScreen;
  EXPECT_NE(std::string::npos, strScreen.find(kTitle));
  EXPECT_NE(std::string::npos, strScreen.find("File  Help"));
  EXPECT_EQ(std::string::npos, strScreen.find("Completed"));
  // The buttons stand in this order on the screen.
  const size_t nUpdate = strScreen.find("[ Update Registry ]");
  const size_t nCustom = strScreen.find("[ Registry Customizations... ]");
  const size_t nRepairs = strScreen.find("[ Registry Repairs... ]");
  const size_t nClear = strScreen.find("[ Clear Registry & Delete Files ]");
  ASSERT_NE(std::string::npos, nClear);
  EXPECT_LT(nUpdate, nCustom);
  EXPECT_LT(nCustom, nRepairs);
  EXPECT_LT(nRepairs, nClear);

  tmux.SendKeys("Enter");
  ASSERT_TRUE(
      tmux.WaitFor("Registry Update Completed Successfully", 10000, &strScreen))
      << strScreen;
  EXPECT_NE(std::string::npos, strScreen.find("(i)"));
  tmux.SendKeys("Enter");
  ASSERT_TRUE(
      tmux.WaitFor("Would you like to restart it now?", 5000, &strScreen))
      << strScreen;
  EXPECT_NE(std::string::npos, strScreen.find("[ Yes ]  [ No ]"));
  tmux.SendKeys("n");
  ASSERT_TRUE(tmux.WaitFor("Would you like to restart", 5000, &strScreen, true))
      << strScreen;
  // Still running, the Update button greyed (no brackets), the others not.
  EXPECT_NE(std::string::npos, strScreen.find(kTitle));
  EXPECT_EQ(std::string::npos, strScreen.find("[ Update Registry ]"));
  EXPECT_NE(std::string::npos, strScreen.find("Update Registry"));
  EXPECT_NE(std::string::npos,
            strScreen.find("[ Clear Registry & Delete Files ]"));
  // No restart was asked of the machine.
  EXPECT_EQ(std::string::npos, strScreen.find("This host is not rebooted"));
  EXPECT_EQ(std::string::npos,
            ReadWholeFile(m_machine.Path() + "/quorrel-debug.log")
                .find("restart of the Windows system"));

  // Help > About, then OK.
  tmux.SendKeys("F10 Right Down Enter");
  ASSERT_TRUE(tmux.WaitFor("Product Version:", 5000, &strScreen)) << strScreen;
  EXPECT_NE(std::string::npos, strScreen.find("5.20.04"));
  EXPECT_NE(std::string::npos, strScreen.find("KB Free"));
  EXPECT_NE(std::string::npos, strScreen.find("(KB)"));
  tmux.SendKeys("Enter");
  ASSERT_TRUE(tmux.WaitFor("Product Version", 5000, &strScreen, true));

  // File > Exit ends the program.
  tmux.SendKeys("F10 Down Enter");
  for (int i = 0; i < 100 && tmux.Alive(); ++i) usleep(50000);
  ASSERT_FALSE(tmux.Alive());

  // The update is in the machine's registry files.
  CFileRegistry registry;
  std::string strError;
  ASSERT_EQ(ERROR_SUCCESS,
            registry.Open(m_machine.Path() + "/registry", &strError))
      << strError;
  CPlatform saved = Platform();
  CPlatform platform = saved;
  platform.pRegistry = &registry;
  SetPlatform(platform);
  HKEY hKey = nullptr;
  EXPECT_TRUE(OpenRegKey(
      HKEY_LOCAL_MACHINE,
      "System\\CurrentControlSet\\Services\\Dovrel\\DataBase", &hKey));
  if (hKey) registry.RegCloseKey(hKey);
  EXPECT_EQ(11u, ReadRegDword(HKEY_LOCAL_MACHINE,
                              "System\\CurrentControlSet\\Services\\Velcor\\"
                              "Parameters\\PIRQS",
                              "1"));
  SetPlatform(saved);
  registry.Close(&strError);
}

}  // namespace
