// The splash screen's states in a running main window: shown centred on the
// first paint, gone after three seconds or at the first key or click, which
// is swallowed; later paints never bring it back.
#include <gtest/gtest.h>

#include "app/SplashPanel.h"
#include "fw/Gdi.h"
#include "res/Resource.h"
#include "res/UpdateStringIds.h"
#include "support/FakeSystemInfo.h"
#include "support/MainWindowRun.h"
#include "support/ScriptedUi.h"
#include "support/TestPlatform.h"

namespace {

class SplashPanelTest : public ::testing::Test {
 protected:
  CTestPlatform m_platform;
  CScriptedUi m_ui{m_platform};
  CFakeSystemInfo m_info;

  static BOOL Showing() { return CSplashPanel::s_pSplash != nullptr; }
};

TEST_F(SplashPanelTest, ComesUpCentredOverTheFrameAndGoesAfterThreeSeconds) {
  m_ui.Do([&] {
        ASSERT_TRUE(Showing());
        EXPECT_TRUE(CSplashPanel::s_bSplashShown);
        CWnd* pSplash = CSplashPanel::s_pSplash;
        RECT splash, frame;
        pSplash->GetWindowRect(&splash);
        QuorrelApp().m_pMainWnd->GetWindowRect(&frame);
        EXPECT_EQ(520, splash.right - splash.left);
        EXPECT_EQ(317, splash.bottom - splash.top);
        EXPECT_EQ((frame.left + frame.right) / 2,
                  (splash.left + splash.right) / 2);
        EXPECT_EQ((frame.top + frame.bottom) / 2,
                  (splash.top + splash.bottom) / 2);
        ASSERT_EQ(1u, pSplash->GetBlits().size());
        EXPECT_EQ(IDB_SPLASH, pSplash->GetBlits()[0].nBitmap);
      })
      .Wait(2999)
      .Do([&] { EXPECT_TRUE(Showing()); })
      .Wait(1)
      .Do([&] {
        EXPECT_FALSE(Showing());
        // A later paint of the frame shows nothing.
        QuorrelApp().m_pMainWnd->Invalidate();
        QuorrelApp().m_pMainWnd->UpdateWindow();
        EXPECT_FALSE(Showing());
        EXPECT_TRUE(CSplashPanel::s_bSplashShown);
      });
  RunMainWindow(m_ui);
}

TEST_F(SplashPanelTest, ClickOnAButtonOnlyClosesThePicture) {
  // The button lies beside the picture, not under it.
  auto button = [] {
    return MainView()->GetDlgItem(IDC_UPDATE_REGISTRY)->m_hWnd;
  };
  m_ui.Send(button, WM_LBUTTONDOWN).Send(button, WM_LBUTTONUP).Do([&] {
    EXPECT_FALSE(Showing());
    // The release reached the button, which saw no press: nothing ran.
    EXPECT_TRUE(MainView()->IsButtonEnabled(IDC_UPDATE_REGISTRY));
  });
  RunMainWindow(m_ui);
  EXPECT_TRUE(m_platform.m_user.BoxIds().empty());
}

TEST_F(SplashPanelTest, KeyPressClosesItAndHasNoOtherEffect) {
  m_ui.Key(VK_RETURN).Do([&] {
    EXPECT_FALSE(Showing());
    EXPECT_TRUE(MainView()->IsButtonEnabled(IDC_UPDATE_REGISTRY));
  });
  // After it has gone, the same key reaches the focused button.
  m_ui.Key(VK_RETURN).Do(
      [&] { EXPECT_FALSE(MainView()->IsButtonEnabled(IDC_UPDATE_REGISTRY)); });
  RunMainWindow(m_ui);
  EXPECT_EQ((std::vector<UINT>{IDS_UPDATE_COMPLETED, IDS_RESTART_QUESTION}),
            m_platform.m_user.BoxIds());
}

TEST_F(SplashPanelTest, MouseMovesAndKeyReleasesLeaveItUp) {
  auto frame = [] { return QuorrelApp().m_pMainWnd->m_hWnd; };
  m_ui.Send(frame, WM_MOUSEMOVE)
      .Send(frame, WM_KEYUP, VK_SPACE)
      .Send(frame, WM_LBUTTONUP)
      .Do([&] { EXPECT_TRUE(Showing()); })
      .Send(frame, WM_NCLBUTTONDOWN, HTCAPTION)
      .Do([&] { EXPECT_FALSE(Showing()); });
  RunMainWindow(m_ui);
}

TEST_F(SplashPanelTest, FailedMemoryContextPaintsNothingAndProgramGoesOn) {
  AfxFailMemoryDCs(TRUE);
  m_ui.Do([&] {
    ASSERT_TRUE(Showing());
    EXPECT_TRUE(CSplashPanel::s_pSplash->GetBlits().empty());
  });
  RunMainWindow(m_ui);
  AfxFailMemoryDCs(FALSE);
}

TEST_F(SplashPanelTest, FilterLetsEverythingThroughWhenNoPictureIsUp) {
  m_ui.ExpectNoWindow();
  CSplashPanel::ResetForTest();
  MSG msg = AfxMakeMsg(nullptr, WM_KEYDOWN, VK_SPACE);
  EXPECT_FALSE(CSplashPanel::FilterSplashMessage(&msg));
}

}  // namespace
