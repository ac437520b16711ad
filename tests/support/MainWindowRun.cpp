#include "MainWindowRun.h"

#include <gtest/gtest.h>

#include "ScriptedUi.h"
#include "app/RunMode.h"
#include "app/SplashPanel.h"
#include "fw/FrameWnd.h"

CquorrelView* MainView() {
  auto* pFrame = dynamic_cast<CFrameWnd*>(QuorrelApp().m_pMainWnd);
  return pFrame ? dynamic_cast<CquorrelView*>(pFrame->GetActiveView())
                : nullptr;
}

void RunMainWindow(CScriptedUi&) {
  ResetRunMode();
  CSplashPanel::ResetForTest();
  CquorrelApp& app = QuorrelApp();
  app.m_args.clear();
  app.m_nBusyCount = 0;
  const BOOL bStarted = app.InitInstance();
  EXPECT_TRUE(bStarted) << "the program did not start";
  EXPECT_NE(nullptr, app.m_pMainWnd) << "no main window came up";
  // Without a window the loop would wait for good.
  if (bStarted && app.m_pMainWnd) app.Run();
  CSplashPanel::ResetForTest();
  EXPECT_EQ(nullptr, app.m_pMainWnd) << "the main window outlived its loop";
}
