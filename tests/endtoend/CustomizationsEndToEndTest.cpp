// Registry Customizations used by a person in a real terminal (tmux): one
// settings dialog confirmed, one cancelled, the menu confirmed, the restart
// declined; then the machine's registry holds exactly what was confirmed.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/host/store/FileRegistry.h"
#include "support/ProcessRunner.h"
#include "support/TmuxSession.h"
#include "sys/RegistryOps.h"

namespace {
class CustomizationsEndToEndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveTmux()) GTEST_SKIP() << "tmux is not installed";
  }
  std::string Command() {
    return "env QUORREL_MACHINE=" + m_machine.Path() + " " + QuorrelExe();
  }
  // A value of the stored registry; kRegDwordMissing when absent.
  DWORD StoredDword(const std::string& strKey, const char* pszValue) {
    CFileRegistry registry;
    std::string strError;
    EXPECT_EQ(ERROR_SUCCESS,
              registry.Open(m_machine.Path() + "/registry", &strError))
        << strError;
    DWORD dwData = kRegDwordMissing;
    HKEY hKey = nullptr;
    if (registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, strKey.c_str(), &hKey) ==
        ERROR_SUCCESS) {
      DWORD cbData = sizeof(dwData);
      DWORD dwType = 0;
      if (registry.RegQueryValueExA(hKey, pszValue, &dwType,
                                    reinterpret_cast<BYTE*>(&dwData),
                                    &cbData) != ERROR_SUCCESS ||
          dwType != REG_DWORD)
        dwData = kRegDwordMissing;
      registry.RegCloseKey(hKey);
    }
    registry.Close(&strError);
    return dwData;
  }

  CTempDir m_machine;
};

TEST_F(CustomizationsEndToEndTest, ConfirmedInterruptsCancelledMiscellaneous) {
  CTmuxSession tmux(Command(), 100, 40);
  ASSERT_TRUE(tmux.Started());
  std::string strScreen;
  ASSERT_TRUE(tmux.WaitFor("T E S S A R I N E", 10000, &strScreen))
      << strScreen;
  tmux.SendKeys("F5");  // closes the splash picture; no control takes it
  ASSERT_TRUE(tmux.WaitFor("[ Registry Customizations... ]", 5000, &strScreen))
      << strScreen;
  tmux.SendKeys("Tab Enter");
  ASSERT_TRUE(tmux.WaitFor("[ Interrupts... ]", 5000, &strScreen)) << strScreen;

  tmux.SendKeys("Tab Enter");
  ASSERT_TRUE(tmux.WaitFor("16 bit Modem and ATA PC Card IRQ Sharing", 5000,
                           &strScreen))
      << strScreen;
  EXPECT_NE(std::string::npos, strScreen.find("(*) Share the PCI/CardBus"));
  // The radio group, its three More Information buttons, then the box.
  tmux.SendKeys("Tab Tab Tab Tab Space");
  ASSERT_TRUE(tmux.WaitFor("[X] Configure ALL PC Cards", 5000, &strScreen))
      << strScreen;
  // The sharing group's buttons are greyed (shown without brackets); the
  // box's own button is not.
  size_t nFirstMore = strScreen.find("More Information");
  ASSERT_NE(std::string::npos, nFirstMore);
  EXPECT_NE('[', strScreen[nFirstMore - 2]);
  EXPECT_NE(std::string::npos, strScreen.find("[ More Information ]"));
  tmux.SendKeys("Enter");  // OK, the default button
  ASSERT_TRUE(tmux.WaitFor("[ Miscellaneous... ]", 5000, &strScreen))
      << strScreen;

  tmux.SendKeys("Tab Enter");
  ASSERT_TRUE(tmux.WaitFor("[X] Power off PC Card slots", 5000, &strScreen))
      << strScreen;
  tmux.SendKeys("Space");
  ASSERT_TRUE(tmux.WaitFor("[ ] Power off PC Card slots", 5000, &strScreen))
      << strScreen;
  tmux.SendKeys("Escape");
  ASSERT_TRUE(tmux.WaitFor("Power off PC Card slots", 5000, &strScreen, true))
      << strScreen;

  tmux.SendKeys("Tab Enter");  // the menu's OK
  ASSERT_TRUE(
      tmux.WaitFor("Would you like to restart it now?", 5000, &strScreen))
      << strScreen;
  tmux.SendKeys("n");
  ASSERT_TRUE(tmux.WaitFor("Would you like", 5000, &strScreen, true));
  tmux.SendKeys("F10 Down Enter");
  for (int i = 0; i < 100 && tmux.Alive(); ++i) usleep(50000);
  ASSERT_FALSE(tmux.Alive());

  const std::string kServices = "SYSTEM\\ControlSet001\\Services\\";
  EXPECT_EQ(3u, StoredDword(kServices + "Kestan\\Parameters", "ShareIRQ"));
  EXPECT_EQ(0u,
            StoredDword(kServices + "Dovrel\\System", "EnableSpecialIrqMask"));
  EXPECT_EQ(0u, StoredDword(kServices + "Brannic\\Parameters",
                            "ExcludePciIrqsFromIsaIrqMask"));
  // The cancelled dialog wrote nothing.
  EXPECT_EQ(kRegDwordMissing, StoredDword(kServices + "Brannic\\Parameters",
                                          "PowerOffSlotsOnSD"));
}
}  // namespace
