// The interactive program in a real terminal (tmux): the splash picture,
// the main window, Update Registry with its two boxes and the focus after
// it, the About box from the menu, File > Exit; at 80 x 24: the focus
// after a message box, the PC Card Configuration dialog's texts, and the
// Clear's folder browser; the Clear's warning read whole at 132 x 43 and
// 80 x 24; a dialog and a box that a small terminal can't hold.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/host/store/FileRegistry.h"
#include "support/ProcessRunner.h"
#include "support/TmuxSession.h"
#include "support/TuiClearSteps.h"
#include "sys/RegistryOps.h"

namespace {

const char kTitle[] =
    "Corvane Tessarine Registry Update Utility for Windows NT";

// The screen's lines with every character one byte ('#' for those outside
// ASCII, such as the box lines), so that columns line up.
std::vector<std::string> Columns(const std::string& strScreen) {
  std::vector<std::string> lines(1);
  for (size_t i = 0; i < strScreen.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(strScreen[i]);
    if (c == '\n')
      lines.emplace_back();
    else if (c < 0x80)
      lines.back() += static_cast<char>(c);
    else if ((c & 0xC0) != 0x80)
      lines.back() += '#';
  }
  return lines;
}

// TRUE when strText stands on the screen whole: on one row, or wrapped at
// blanks onto the rows below, each part starting in the same column.
bool ShowsWhole(const std::string& strScreen, const std::string& strText) {
  const std::vector<std::string> lines = Columns(strScreen);
  const std::string strFirst = strText.substr(0, strText.find(' '));
  for (size_t r = 0; r < lines.size(); ++r) {
    for (size_t c = lines[r].find(strFirst); c != std::string::npos;
         c = lines[r].find(strFirst, c + 1)) {
      std::string strRest = strText;
      for (size_t row = r; row < lines.size() && c < lines[row].size(); ++row) {
        const std::string strPart = lines[row].substr(c);
        size_t k = 0;
        while (k < strRest.size() && k < strPart.size() &&
               strRest[k] == strPart[k])
          ++k;
        if (k == strRest.size()) return true;
        // The line breaks after a matched blank or before an unmatched one.
        if (k > 0 && strRest[k - 1] == ' ')
          strRest = strRest.substr(k);
        else if (k > 0 && strRest[k] == ' ')
          strRest = strRest.substr(k + 1);
        else
          break;
      }
    }
  }
  return false;
}

class TerminalUiEndToEndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveTmux()) GTEST_SKIP() << "tmux is not installed";
  }
  std::string Command() {
    return "env QUORREL_CLOCK_SCALE=" + std::string(kFastClock) +
           " QUORREL_MACHINE=" + m_machine.Path() + " " + QuorrelExe();
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
  // fn with the machine's registry files as the registry.
  template <typename Fn>
  void WithRegistry(Fn fn) {
    CFileRegistry registry;
    std::string strError;
    ASSERT_EQ(ERROR_SUCCESS,
              registry.Open(m_machine.Path() + "/registry", &strError))
        << strError;
    CPlatform saved = Platform();
    CPlatform platform = saved;
    platform.pRegistry = &registry;
    SetPlatform(platform);
    fn();
    SetPlatform(saved);
    registry.Close(&strError);
  }
  void ExitProgram(CTmuxSession& tmux) {
    tmux.SendKeys("F10 Down Enter");
    for (int i = 0; i < 100 && tmux.Alive(); ++i) usleep(50000);
    ASSERT_FALSE(tmux.Alive());
  }
  // Starts the program at 80 x 24 and lets the splash picture go at a key
  // that no control takes.
  void StartSmall(CTmuxSession& tmux) {
    ASSERT_TRUE(tmux.Started());
    std::string strScreen;
    ASSERT_TRUE(tmux.WaitFor("T E S S A R I N E", 10000, &strScreen))
        << strScreen;
    tmux.SendKeys("F5");
    ASSERT_TRUE(tmux.WaitFor("[ Registry Repairs... ]", 1500, &strScreen))
        << strScreen;
  }
  CTempDir m_machine;
};

TEST_F(TerminalUiEndToEndTest, FocusComesBackAfterTheRefusalBox) {
  CTmuxSession tmux("env QUORREL_ADMIN=0 " + Command(), 80, 24);
  StartSmall(tmux);
  std::string strScreen;
  tmux.SendKeys("Tab Enter");
  ASSERT_TRUE(tmux.WaitFor("Administrator", 5000, &strScreen)) << strScreen;
  tmux.SendKeys("Enter");
  ASSERT_TRUE(tmux.WaitFor("Administrator", 5000, &strScreen, true))
      << strScreen;
  // The Customizations button has the focus again: Enter presses it.
  tmux.SendKeys("Enter");
  EXPECT_TRUE(tmux.WaitFor("Administrator", 5000, &strScreen)) << strScreen;
}

TEST_F(TerminalUiEndToEndTest, CardConfigurationShowsWholeTextsAt80By24) {
  CTmuxSession tmux(Command(), 80, 24);
  StartSmall(tmux);
  std::string strScreen;
  tmux.SendKeys("Tab Enter");
  ASSERT_TRUE(tmux.WaitFor("[ PC Card Configuration... ]", 5000, &strScreen))
      << strScreen;
  tmux.SendKeys("Enter");
  ASSERT_TRUE(tmux.WaitFor("Allocation", 5000, &strScreen)) << strScreen;
  for (const char* pszText :
       {"Use PCI address space for CIS processing and Tessarine.",
        "Enable Modem PC Cards at boot time (version 5.00.07 or higher).",
        "Reserved Memory Windows Allocation Start Address",
        "16 bit PC Card Configuration (version 5.10.00 or higher)"})
    EXPECT_TRUE(ShowsWhole(strScreen, pszText)) << pszText << "\n" << strScreen;
  EXPECT_NE(std::string::npos, strScreen.find("[ More Information ]"))
      << strScreen;
  // The radio group's keys are shown, and the dialog's border is whole.
  EXPECT_NE(std::string::npos, strScreen.find("Up/Down: choose"));
  const std::vector<std::string> lines = Columns(strScreen);
  ASSERT_EQ(24u, lines.size() - (lines.back().empty() ? 1 : 0));
  EXPECT_EQ(std::string(80, '#'), lines[22]) << strScreen;
  // The allocation start's list, with no room below its field, opens
  // above it and leaves the field in sight.
  tmux.SendKeys("Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Space");
  ASSERT_TRUE(tmux.WaitFor("DF000", 5000, &strScreen)) << strScreen;
  EXPECT_NE(std::string::npos, strScreen.find("[D8000|v]")) << strScreen;
  tmux.SendKeys("Escape");
  ASSERT_TRUE(tmux.WaitFor("DF000", 5000, &strScreen, true)) << strScreen;
  tmux.SendKeys("Escape");
  ASSERT_TRUE(tmux.WaitFor("Allocation", 5000, &strScreen, true));
}

TEST_F(TerminalUiEndToEndTest, ClearFolderBrowserTakesATypedPathAndCancels) {
  const std::string strFolder =
      m_machine.Path() + "/Program Files/Corvane/Tessarine";
  ASSERT_EQ(0, std::system(("mkdir -p '" + strFolder + "'").c_str()));
  CTmuxSession tmux(Command(), 80, 24);
  StartSmall(tmux);
  std::string strScreen;
  ASSERT_NO_FATAL_FAILURE(ClearToFolderBrowser(tmux, &strScreen));
  // The folders below the typed path are listed.
  EXPECT_NE(std::string::npos, strScreen.find("Program Files")) << strScreen;
  // Too low a terminal hides it, and Enter does not accept the path.
  tmux.Resize(80, 8);
  ASSERT_TRUE(tmux.WaitFor("make it at least 9 rows", 5000, &strScreen))
      << strScreen;
  tmux.SendKeys("Enter");
  tmux.Resize(80, 24);
  ASSERT_TRUE(tmux.WaitFor("Type a path", 5000, &strScreen)) << strScreen;
  tmux.SendKeys("C-u");
  tmux.SendKeys("-l 'C:\\Program Files\\Corvane\\Tessarine'");
  tmux.SendKeys("Enter");
  ASSERT_TRUE(tmux.WaitFor("WILL BE DELETED", 5000, &strScreen)) << strScreen;
  EXPECT_NE(std::string::npos,
            strScreen.find("\"C:\\Program Files\\Corvane\\Tessarine\""))
      << strScreen;
  // No: the browser asks again, from the path typed; Escape cancels it,
  // the folder stays.
  tmux.SendKeys("n");
  ASSERT_TRUE(tmux.WaitFor("Browse for Folder", 5000, &strScreen)) << strScreen;
  // (On the input line, after the box's edge; the title quotes the path.)
  EXPECT_NE(
      std::string::npos,
      strScreen.find("\xE2\x94\x82 C:\\Program Files\\Corvane\\Tessarine"))
      << strScreen;
  tmux.SendKeys("Escape");
  ASSERT_TRUE(tmux.WaitFor("Browse for Folder", 5000, &strScreen, true))
      << strScreen;
  EXPECT_EQ(0, std::system(("test -d '" + strFolder + "'").c_str()));
}

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
  // The focus moved off the greyed Update button: Enter presses the next
  // button, Registry Customizations....
  tmux.SendKeys("Enter");
  ASSERT_TRUE(tmux.WaitFor("[ PC Card Configuration... ]", 5000, &strScreen))
      << strScreen;
  tmux.SendKeys("Escape");
  ASSERT_TRUE(
      tmux.WaitFor("[ PC Card Configuration... ]", 5000, &strScreen, true))
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
  ASSERT_NO_FATAL_FAILURE(ExitProgram(tmux));

  // The update is in the machine's registry files.
  WithRegistry([] {
    HKEY hKey = nullptr;
    EXPECT_TRUE(OpenRegKey(
        HKEY_LOCAL_MACHINE,
        "System\\CurrentControlSet\\Services\\Dovrel\\DataBase", &hKey));
    if (hKey) Platform().pRegistry->RegCloseKey(hKey);
    EXPECT_EQ(11u, ReadRegDword(HKEY_LOCAL_MACHINE,
                                "System\\CurrentControlSet\\Services\\Velcor\\"
                                "Parameters\\PIRQS",
                                "1"));
  });
}

// A terminal whose character set is not UTF-8 gets plain letters.
TEST_F(TerminalUiEndToEndTest, AboutBoxInAnAsciiLocaleSpellsTheTradeMark) {
  CTmuxSession tmux("env LC_ALL=C " + Command(), 80, 24);
  StartSmall(tmux);
  std::string strScreen;
  tmux.SendKeys("F10 Right Down Enter");
  ASSERT_TRUE(tmux.WaitFor("Product Version:", 5000, &strScreen)) << strScreen;
  EXPECT_NE(std::string::npos, strScreen.find("Windows NT (TM)")) << strScreen;
}

// What a too small terminal hides takes no key but Escape: Enter on the
// hidden PC Card Configuration dialog writes nothing; Escape cancels it.
TEST_F(TerminalUiEndToEndTest, HiddenDialogTakesOnlyEscape) {
  CTmuxSession tmux(Command(), 70, 20);
  StartSmall(tmux);
  std::string strScreen;
  tmux.SendKeys("Tab Enter");
  ASSERT_TRUE(tmux.WaitFor("[ PC Card Configuration... ]", 5000, &strScreen))
      << strScreen;
  tmux.SendKeys("Enter");
  ASSERT_TRUE(tmux.WaitFor("make it at least 21 rows", 5000, &strScreen))
      << strScreen;
  EXPECT_NE(std::string::npos, strScreen.find("Esc: cancel")) << strScreen;
  tmux.SendKeys("Enter Space Down Enter Escape");
  ASSERT_TRUE(tmux.WaitFor("[ PC Card Configuration... ]", 5000, &strScreen))
      << strScreen;
  // Nothing was confirmed, so Customizations ends without the restart
  // question.
  tmux.SendKeys("Escape");
  ASSERT_TRUE(tmux.WaitFor("[ Update Registry ]", 5000, &strScreen))
      << strScreen;
  EXPECT_EQ(std::string::npos, strScreen.find("restart")) << strScreen;
  ASSERT_NO_FATAL_FAILURE(ExitProgram(tmux));
  WithRegistry([] {
    EXPECT_EQ(0xFFFFFFFFu,
              ReadRegDword(HKEY_LOCAL_MACHINE,
                           "System\\CurrentControlSet\\Services\\Dovrel\\"
                           "System\\",
                           "R2Configuration"));
  });
}

// The Clear's warning, every line of it with its own blanks, at 132 x 43
// on the lines it was written in and at 80 x 24 whole; at 80 x 12 it is
// not shown and only Escape answers it, with No.
TEST_F(TerminalUiEndToEndTest, ClearWarningIsReadWholeOrNotAtAll) {
  CTmuxSession tmux(Command(), 132, 43);
  StartSmall(tmux);
  std::string strScreen;
  tmux.SendKeys("Tab Tab Enter");
  ASSERT_TRUE(tmux.WaitFor("Do you wish to continue?", 5000, &strScreen))
      << strScreen;
  const char* const lines[] = {
      "!!!!   WARNING   !!!!   CONTINUE AT YOUR OWN RISK   !!!!",
      "This operation will remove Tessarine from your system!",
      "This operation should only be performed in the event the",
      "Tessarine for Windows NT Installation or Uninstallation has failed.",
      "Corvane will NOT assume responsibility for any system corruption",
      "or side effects which may occur as a result of this operation.",
      "[ Yes ]  [ No ]"};
  for (const char* pszLine : lines)
    EXPECT_NE(std::string::npos, strScreen.find(pszLine)) << pszLine << "\n"
                                                          << strScreen;
  tmux.Resize(80, 24);
  ASSERT_TRUE(tmux.WaitFor("Do you wish to continue?", 5000, &strScreen))
      << strScreen;
  ASSERT_TRUE(tmux.WaitFor("WARNING", 5000, &strScreen)) << strScreen;
  for (const char* pszLine : lines)
    EXPECT_TRUE(ShowsWhole(strScreen, pszLine)) << pszLine << "\n" << strScreen;
  tmux.Resize(80, 12);
  ASSERT_TRUE(tmux.WaitFor("make it at least 16 rows", 5000, &strScreen))
      << strScreen;
  EXPECT_EQ(std::string::npos, strScreen.find("[ Yes ]")) << strScreen;
  // Yes by its letter and by Enter are refused; Escape is No, after which
  // the Clear points to the manual removal.
  tmux.SendKeys("y Enter Escape");
  tmux.Resize(80, 24);
  ASSERT_TRUE(tmux.WaitFor("support/removal.html", 5000, &strScreen))
      << strScreen;
}

}  // namespace
