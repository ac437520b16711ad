// The UI adapter of the Windows build against real windows: the framework's
// windows come up as real ones with their titles, styles, sizes, menus and
// controls, follow the framework's state, and real input on them reaches
// the framework as its own input. Needs a display (Xvfb under Wine).
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ScreenCapture.h"
#include "fw/Button.h"
#include "fw/ComboBox.h"
#include "fw/DialogTemplate.h"
#include "fw/FrameWnd.h"
#include "fw/MessageQueue.h"
#include "fw/StringTable.h"
#include "fw/View.h"
#include "fw/WindowMap.h"
#include "platform/win32/ui/Win32Mirrors.h"
#include "platform/win32/ui/Win32Ui.h"
#include "res/Resource.h"
#include "sys/MainForm.h"

namespace {
class CTestFrame : public CFrameWnd {
 public:
  BOOL PreCreateWindow(CREATESTRUCT& cs) override {
    cs.style = WS_CAPTION | WS_SYSMENU;
    return TRUE;
  }
};

class Win32UiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_pPrevious = SetUi(&m_ui);
    AfxResetMessageQueue();
    CWin32Mirrors::Get().ClearInput();
  }
  void TearDown() override {
    if (m_pFrame && m_pFrame->m_hWnd) m_pFrame->DestroyWindow();
    m_ui.Render();
    SetUi(m_pPrevious);
    AfxResetMessageQueue();
  }

  // The main frame with form 100, shown.
  void ShowMainFrame() {
    m_pFrame = std::make_unique<CTestFrame>();
    ASSERT_TRUE(m_pFrame->LoadFrame(
        IDR_MAINFRAME, std::make_unique<CFormView>(IDD_FORM), nullptr));
    auto* pView = static_cast<CFormView*>(m_pFrame->GetActiveView());
    pView->ResizeParentToFit(FALSE);
    m_pFrame->CenterWindow();
    m_pFrame->InitialUpdateFrame(SW_SHOW);
    m_ui.Render();
  }

  HWND Real(CWnd* pWnd) { return CWin32Mirrors::Get().RealOf(pWnd->m_hWnd); }
  CWnd* FormControl(UINT nID) {
    return m_pFrame->GetActiveView()->GetDlgItem(nID);
  }
  // Real messages dispatched, then the framework input they gave, if any;
  // the pointer's movements (Wine reports some as windows come up) aside.
  BOOL NextInput(MSG* pMsg, DWORD dwTimeout = 50) {
    while (m_ui.WaitInput(pMsg, dwTimeout))
      if (pMsg->message != WM_MOUSEMOVE) return TRUE;
    return FALSE;
  }

  CWin32Ui m_ui;
  IUiAdapter* m_pPrevious = nullptr;
  std::unique_ptr<CTestFrame> m_pFrame;
};

TEST_F(Win32UiTest, MainFrameIsARealWindowWithTheProgramsTitle) {
  ShowMainFrame();
  const std::string strTitle = LoadResString(IDS_APP_TITLE);
  HWND hReal = FindWindowA(nullptr, strTitle.c_str());
  ASSERT_NE(hReal, nullptr);
  EXPECT_EQ(hReal, Real(m_pFrame.get()));
  EXPECT_TRUE(IsWindowVisible(hReal));
  const DWORD dwStyle = static_cast<DWORD>(GetWindowLongA(hReal, GWL_STYLE));
  EXPECT_EQ(dwStyle & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
  EXPECT_EQ(dwStyle & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  Sleep(200);
  EXPECT_TRUE(CaptureWindow(hReal, ArtifactDirectory() + "form100-frame.bmp"));
}

TEST_F(Win32UiTest, ClientAreaIsExactlyTheForm) {
  ShowMainFrame();
  HWND hReal = Real(m_pFrame.get());
  RECT client;
  GetClientRect(hReal, &client);
  RECT form;
  m_pFrame->GetActiveView()->GetWindowRect(&form);
  EXPECT_EQ(client.right, form.right - form.left);
  EXPECT_EQ(client.bottom, form.bottom - form.top);
  // Where the framework has the client area, the real one is.
  POINT origin = {0, 0};
  ClientToScreen(hReal, &origin);
  EXPECT_EQ(origin.x, m_pFrame->ClientOrigin().x);
  EXPECT_EQ(origin.y, m_pFrame->ClientOrigin().y);
}

TEST_F(Win32UiTest, MenuBarAndFormButtonsAreReal) {
  ShowMainFrame();
  HWND hReal = Real(m_pFrame.get());
  HMENU hMenu = GetMenu(hReal);
  ASSERT_NE(hMenu, nullptr);
  EXPECT_EQ(GetMenuItemCount(hMenu), 2);
  EXPECT_EQ(GetMenuItemID(GetSubMenu(hMenu, 0), 0), UINT{ID_APP_EXIT});
  EXPECT_EQ(GetMenuItemID(GetSubMenu(hMenu, 1), 0), UINT{ID_APP_ABOUT});
  for (const auto& item :
       {std::make_pair(IDC_UPDATE_REGISTRY, "Update Registry"),
        std::make_pair(IDC_CLEAR_REGISTRY, "Clear Registry && Delete Files")}) {
    HWND hButton = Real(FormControl(item.first));
    ASSERT_NE(hButton, nullptr) << item.first;
    char szText[64];
    GetWindowTextA(hButton, szText, sizeof(szText));
    EXPECT_STREQ(szText, item.second);
    EXPECT_EQ(static_cast<UINT>(GetDlgCtrlID(hButton)), item.first);
  }
}

TEST_F(Win32UiTest, RealWindowsFollowTheFrameworksState) {
  ShowMainFrame();
  CWnd* pUpdate = FormControl(IDC_UPDATE_REGISTRY);
  pUpdate->EnableWindow(FALSE);
  m_pFrame->SetWindowText("changed");
  m_ui.Render();
  EXPECT_FALSE(IsWindowEnabled(Real(pUpdate)));
  char szTitle[32];
  GetWindowTextA(Real(m_pFrame.get()), szTitle, sizeof(szTitle));
  EXPECT_STREQ(szTitle, "changed");
  HWND hReal = Real(m_pFrame.get());
  m_pFrame->DestroyWindow();
  m_ui.Render();
  EXPECT_FALSE(IsWindow(hReal));
}

TEST_F(Win32UiTest, RealClickBecomesTheFrameworksInputForThatButton) {
  ShowMainFrame();
  CWnd* pRepairs = FormControl(IDC_REGISTRY_REPAIRS);
  HWND hButton = Real(pRepairs);
  PostMessageA(hButton, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageA(hButton, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  MSG msg;
  ASSERT_TRUE(NextInput(&msg));
  EXPECT_EQ(msg.hwnd, pRepairs->m_hWnd);
  EXPECT_EQ(msg.message, UINT{WM_LBUTTONDOWN});
  ASSERT_TRUE(NextInput(&msg));
  EXPECT_EQ(msg.message, UINT{WM_LBUTTONUP});
  EXPECT_FALSE(NextInput(&msg));  // nothing else, and no real click
}

TEST_F(Win32UiTest, CloseBoxAndMenuCommandsReachTheFramework) {
  ShowMainFrame();
  HWND hReal = Real(m_pFrame.get());
  PostMessageA(hReal, WM_SYSCOMMAND, SC_CLOSE, 0);
  PostMessageA(hReal, WM_COMMAND, MAKEWPARAM(ID_APP_ABOUT, 0), 0);
  MSG msg;
  ASSERT_TRUE(NextInput(&msg));
  EXPECT_EQ(msg.hwnd, m_pFrame->m_hWnd);
  EXPECT_EQ(msg.message, UINT{WM_SYSCOMMAND});
  ASSERT_TRUE(NextInput(&msg));
  EXPECT_EQ(msg.message, UINT{WM_COMMAND});
  EXPECT_EQ(LOWORD(msg.wParam), WORD{ID_APP_ABOUT});
  // The real window stays until the framework destroys its own.
  EXPECT_TRUE(IsWindow(hReal));
}

// A press on the menu bar names the popup under the pointer, found by the
// items' rectangles; a press beside every item names none.
TEST_F(Win32UiTest, MenuBarPressNamesThePopupUnderThePointer) {
  ShowMainFrame();
  HWND hReal = Real(m_pFrame.get());
  const int nPopups = GetMenuItemCount(GetMenu(hReal));
  ASSERT_GE(nPopups, 2);
  RECT rcLast;
  for (int i = 0; i < nPopups; ++i) {
    ASSERT_TRUE(GetMenuItemRect(hReal, GetMenu(hReal), i, &rcLast));
    const int x = (rcLast.left + rcLast.right) / 2;
    const int y = (rcLast.top + rcLast.bottom) / 2;
    PostMessageA(hReal, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(x, y));
    MSG msg;
    ASSERT_TRUE(NextInput(&msg));
    EXPECT_EQ(msg.message, UINT{WM_NCLBUTTONDOWN});
    EXPECT_EQ(static_cast<short>(LOWORD(msg.lParam)), i);
  }
  PostMessageA(hReal, WM_NCLBUTTONDOWN, HTMENU,
               MAKELPARAM(rcLast.right + 40, (rcLast.top + rcLast.bottom) / 2));
  MSG msg;
  ASSERT_TRUE(NextInput(&msg));
  EXPECT_EQ(static_cast<short>(LOWORD(msg.lParam)), -1);
}

TEST_F(Win32UiTest, KeysGoToTheFrameworksFocus) {
  ShowMainFrame();
  CWnd* pFocus = CWnd::GetFocus();
  ASSERT_NE(pFocus, nullptr);
  PostMessageA(Real(m_pFrame.get()), WM_KEYDOWN, VK_TAB, 0);
  MSG msg;
  ASSERT_TRUE(NextInput(&msg));
  EXPECT_EQ(msg.hwnd, pFocus->m_hWnd);
  EXPECT_EQ(msg.message, UINT{WM_KEYDOWN});
  EXPECT_EQ(msg.wParam, WPARAM{VK_TAB});
}

TEST_F(Win32UiTest, WaitEndsAtItsTimeoutWithoutInput) {
  MSG msg;
  const DWORD dwStart = GetTickCount();
  EXPECT_FALSE(NextInput(&msg, 200));
  EXPECT_GE(GetTickCount() - dwStart, 190u);
}
}  // namespace
