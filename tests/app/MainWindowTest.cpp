// The main window on the scripted UI: title and frame, layout, tab order,
// the four buttons, the menu, the busy state, and the Update button's state
// across a run.
#include <gtest/gtest.h>

#include "app/MainFrame.h"
#include "app/SplashPanel.h"
#include "fw/FrameworkUser.h"
#include "fw/MessageQueue.h"
#include "fw/WindowMap.h"
#include "res/AppStringIds.h"
#include "res/Resource.h"
#include "res/UpdateStringIds.h"
#include "support/FakeSystemInfo.h"
#include "support/MainWindowRun.h"
#include "support/ScriptedUi.h"
#include "support/TestPlatform.h"
#include "sys/RegistryOps.h"

namespace {

const char kTitle[] =
    "Corvane Tessarine Registry Update Utility for Windows NT";

class MainWindowTest : public ::testing::Test {
 protected:
  CTestPlatform m_platform;
  CScriptedUi m_ui{m_platform};
  CFakeSystemInfo m_systemInfo;

  // Lets the splash screen go before the script's own steps.
  CScriptedUi& AfterSplash() { return m_ui.Wait(3000); }
  CWnd* Frame() { return QuorrelApp().m_pMainWnd; }
};

TEST_F(MainWindowTest, FrameIsFixedCentredTitledAndFitsTheForm) {
  AfterSplash().Do([&] {
    CWnd* pFrame = Frame();
    ASSERT_NE(nullptr, pFrame);
    EXPECT_EQ(kTitle, pFrame->GetWindowText());
    EXPECT_EQ(static_cast<DWORD>(WS_CAPTION | WS_SYSMENU),
              pFrame->GetStyle() & ~static_cast<DWORD>(WS_VISIBLE));
    RECT frame, client, form;
    pFrame->GetWindowRect(&frame);
    pFrame->GetClientRect(&client);
    MainView()->GetWindowRect(&form);
    EXPECT_EQ(form.right - form.left, client.right);
    EXPECT_EQ(form.bottom - form.top, client.bottom);
    // 320 x 160 dialog units of 8-point MS Sans Serif, 1024 x 768 screen.
    EXPECT_EQ(480 + 2, form.right - form.left);
    EXPECT_EQ((1024 - (frame.right - frame.left)) / 2, frame.left);
    EXPECT_EQ((768 - (frame.bottom - frame.top)) / 2, frame.top);
    // The single-instance check finds it by that title.
    EXPECT_EQ(pFrame->m_hWnd, User().FindWindowA(nullptr, kTitle));
  });
  RunMainWindow(m_ui);
}

TEST_F(MainWindowTest, TabGoesFromCustomizationsToClearThenRepairs) {
  std::vector<UINT> focus;
  auto record = [&] { focus.push_back(CWnd::GetFocus()->GetDlgCtrlID()); };
  AfterSplash().Do(record);
  for (int i = 0; i < 4; ++i) m_ui.Key(VK_TAB).Do(record);
  m_ui.Key(VK_TAB, kKeyShiftDown).Do(record);
  RunMainWindow(m_ui);
  EXPECT_EQ((std::vector<UINT>{IDC_UPDATE_REGISTRY, IDC_REGISTRY_CUSTOMIZATIONS,
                               IDC_CLEAR_REGISTRY, IDC_REGISTRY_REPAIRS,
                               IDC_UPDATE_REGISTRY, IDC_REGISTRY_REPAIRS}),
            focus);
}

// The Update button has the focus when it greys itself; the focus moves on
// to the next button, so that Enter and Tab still work.
TEST_F(MainWindowTest, FocusMovesOffTheUpdateButtonWhenItGreysItself) {
  std::vector<UINT> focus;
  auto record = [&] {
    CWnd* pFocus = CWnd::GetFocus();
    focus.push_back(pFocus ? pFocus->GetDlgCtrlID() : 0);
  };
  AfterSplash().Key(VK_RETURN).Do(record);
  m_ui.Key(VK_TAB).Do(record);
  m_ui.Key(VK_TAB).Do(record);
  RunMainWindow(m_ui);
  EXPECT_EQ((std::vector<UINT>{IDS_UPDATE_COMPLETED, IDS_RESTART_QUESTION}),
            m_platform.m_user.BoxIds());
  EXPECT_EQ((std::vector<UINT>{IDC_REGISTRY_CUSTOMIZATIONS, IDC_CLEAR_REGISTRY,
                               IDC_REGISTRY_REPAIRS}),
            focus);
}

// A button greyed while it has the focus (Clear, once a Clear was
// confirmed) hands the focus to the next one.
TEST_F(MainWindowTest, FocusMovesOffAButtonGreyedWhileFocused) {
  std::vector<UINT> focus;
  AfterSplash().Key(VK_TAB).Key(VK_TAB).Do([&] {
    focus.push_back(CWnd::GetFocus()->GetDlgCtrlID());
    MainView()->EnableButton(IDC_CLEAR_REGISTRY, FALSE);
    CWnd* pFocus = CWnd::GetFocus();
    focus.push_back(pFocus ? pFocus->GetDlgCtrlID() : 0);
  });
  RunMainWindow(m_ui);
  EXPECT_EQ((std::vector<UINT>{IDC_CLEAR_REGISTRY, IDC_REGISTRY_REPAIRS}),
            focus);
}

TEST_F(MainWindowTest, CustomizationsRefusedWithoutAdministratorRights) {
  m_platform.SetAdministrator(false);
  AfterSplash().Click(IDC_REGISTRY_CUSTOMIZATIONS).Do([&] {
    // No dialog came up: the frame is still the active window.
    EXPECT_EQ(Frame(), ActiveWindow());
  });
  RunMainWindow(m_ui);
  ASSERT_EQ(std::vector<UINT>{IDS_NOT_ADMINISTRATOR},
            m_platform.m_user.BoxIds());
  EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP),
            m_platform.m_user.m_boxes[0].Icon());
}

// A message box over the main window hands the focus back to the button
// that had it, so Enter presses that button again.
TEST_F(MainWindowTest, FocusComesBackAfterAMessageBox) {
  m_platform.SetAdministrator(false);
  UINT nFocus = 0;
  AfterSplash().Key(VK_TAB).Key(VK_RETURN).Do([&] {
    nFocus = CWnd::GetFocus() ? CWnd::GetFocus()->GetDlgCtrlID() : 0;
  });
  m_ui.Key(VK_RETURN);
  RunMainWindow(m_ui);
  EXPECT_EQ(static_cast<UINT>(IDC_REGISTRY_CUSTOMIZATIONS), nFocus);
  EXPECT_EQ((std::vector<UINT>{IDS_NOT_ADMINISTRATOR, IDS_NOT_ADMINISTRATOR}),
            m_platform.m_user.BoxIds());
}

TEST_F(MainWindowTest, CustomizationsClosedWithCancelOffersNoRestart) {
  AfterSplash()
      .Click(IDC_REGISTRY_CUSTOMIZATIONS)
      .ExpectDialog(IDD_CUSTOMIZATIONS)
      .Do([&] { EXPECT_FALSE(Frame()->IsWindowEnabled()); })
      .Key(VK_ESCAPE)
      .Do([&] { EXPECT_TRUE(Frame()->IsWindowEnabled()); });
  RunMainWindow(m_ui);
  EXPECT_TRUE(m_platform.m_user.BoxIds().empty());
}

TEST_F(MainWindowTest, ConfirmedSettingsDialogLeadsToTheRestartQuestion) {
  AfterSplash()
      .Click(IDC_REGISTRY_CUSTOMIZATIONS)
      .ExpectDialog(IDD_CUSTOMIZATIONS)
      .Click(IDC_MISCELLANEOUS)
      .ExpectDialog(IDD_MISC)
      .Click(IDOK)
      .ExpectDialog(IDD_CUSTOMIZATIONS)
      .Click(IDOK)
      .Do([&] {
        // Answered No (the default): still running, settings written.
        EXPECT_EQ(Frame(), ActiveWindow());
      });
  RunMainWindow(m_ui);
  EXPECT_EQ(std::vector<UINT>{IDS_RESTART_QUESTION},
            m_platform.m_user.BoxIds());
  EXPECT_EQ(1u, ReadRegDword(HKEY_LOCAL_MACHINE,
                             "System\\CurrentControlSet\\Services\\Brannic\\"
                             "Parameters\\",
                             "PowerOffSlotsOnSD"));
}

TEST_F(MainWindowTest, RepairsOpensForAnyUser) {
  m_platform.SetAdministrator(false);
  AfterSplash()
      .Click(IDC_REGISTRY_REPAIRS)
      .ExpectDialog(IDD_REPAIRS)
      .Click(IDOK);
  RunMainWindow(m_ui);
  EXPECT_TRUE(m_platform.m_user.BoxIds().empty());
}

TEST_F(MainWindowTest, UpdateDisablesItsButtonAndWritesTheCardDatabase) {
  BOOL bEnabledAfter = TRUE;
  BOOL bClearEnabledAfter = FALSE;
  AfterSplash()
      .Click(IDC_UPDATE_REGISTRY)
      .Do([&] {
        bEnabledAfter = MainView()->IsButtonEnabled(IDC_UPDATE_REGISTRY);
        bClearEnabledAfter = MainView()->IsButtonEnabled(IDC_CLEAR_REGISTRY);
        EXPECT_TRUE(Frame()->IsWindowEnabled());
        EXPECT_FALSE(AfxIsWaitCursor());
      })
      // A second click on the greyed button does nothing.
      .Click(IDC_UPDATE_REGISTRY);
  RunMainWindow(m_ui);
  EXPECT_FALSE(bEnabledAfter);
  EXPECT_TRUE(bClearEnabledAfter);
  // Completed, then the restart question, answered No by default.
  EXPECT_EQ((std::vector<UINT>{IDS_UPDATE_COMPLETED, IDS_RESTART_QUESTION}),
            m_platform.m_user.BoxIds());
  HKEY hKey = nullptr;
  EXPECT_TRUE(OpenRegKey(
      HKEY_LOCAL_MACHINE,
      "System\\CurrentControlSet\\Services\\Dovrel\\DataBase", &hKey));
  if (hKey) Registry().RegCloseKey(hKey);
}

TEST_F(MainWindowTest, UpdateRefusedWhileClearButtonIsDisabled) {
  AfterSplash()
      .Do([&] { MainView()->EnableButton(IDC_CLEAR_REGISTRY, FALSE); })
      .Click(IDC_UPDATE_REGISTRY);
  RunMainWindow(m_ui);
  EXPECT_EQ(std::vector<UINT>{IDS_REINSTALL_FIRST}, m_platform.m_user.BoxIds());
}

TEST_F(MainWindowTest, BusyStateNestsDisablesTheWindowAndKeepsTheWaitCursor) {
  CquorrelApp& app = QuorrelApp();
  AfterSplash().Do([&] {
    app.SetBusy(TRUE);
    app.SetBusy(TRUE);
    app.SetBusy(FALSE);
    EXPECT_FALSE(Frame()->IsWindowEnabled());
    EXPECT_TRUE(AfxIsWaitCursor());
    // The cursor handlers of the form and of the frame keep it.
    EXPECT_EQ(TRUE, MainView()->SendMessage(WM_SETCURSOR));
    EXPECT_EQ(TRUE, Frame()->SendMessage(WM_SETCURSOR));
  });
  // A click on a button of the disabled window goes nowhere. (The scripted
  // Click finds no active window to aim at, so the press is sent as is.)
  auto button = [] {
    return MainView()->GetDlgItem(IDC_UPDATE_REGISTRY)->m_hWnd;
  };
  m_ui.Send(button, WM_LBUTTONDOWN).Send(button, WM_LBUTTONUP).Do([&] {
    EXPECT_TRUE(MainView()->IsButtonEnabled(IDC_UPDATE_REGISTRY));
    app.SetBusy(FALSE);
    EXPECT_TRUE(Frame()->IsWindowEnabled());
    EXPECT_FALSE(AfxIsWaitCursor());
    app.SetBusy(FALSE);  // ignored
    EXPECT_EQ(0u, app.m_nBusyCount);
    EXPECT_EQ(FALSE, MainView()->SendMessage(WM_SETCURSOR));
  });
  RunMainWindow(m_ui);
  EXPECT_TRUE(m_platform.m_user.BoxIds().empty());
}

TEST_F(MainWindowTest, MenuOpensAboutAndExitEndsTheProgram) {
  AfterSplash()
      .Menu(ID_APP_ABOUT)
      .ExpectDialog(IDD_ABOUTBOX)
      .Click(IDOK)
      .Menu(ID_APP_EXIT)
      .Do([&] { ADD_FAILURE() << "the program should have ended"; });
  RunMainWindow(m_ui);
  // F10's release and the failing step were never reached.
  EXPECT_EQ(2u, m_ui.DropRemaining());
  EXPECT_EQ(2u, m_ui.m_menusTracked.size());
}

TEST_F(MainWindowTest, CloseBoxEndsTheProgramWithoutAQuestion) {
  AfterSplash().Close();
  RunMainWindow(m_ui);
  EXPECT_TRUE(m_platform.m_user.BoxIds().empty());
}

}  // namespace
