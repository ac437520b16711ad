#include <gtest/gtest.h>

#include "app/quorrelApp.h"
#include "support/TestPlatform.h"

namespace {
TEST(BusyStateTest, NestedCallsKeepTheWindowDisabledUntilTheOutermostEnds) {
  CTestPlatform platform;
  CquorrelApp app;
  app.m_hMainWnd = platform.m_user.AddWindow("main");
  auto& window = platform.m_user.Window(app.m_hMainWnd);

  EXPECT_FALSE(app.RestoreBusyCursor());
  app.SetBusy(TRUE);
  app.SetBusy(TRUE);
  EXPECT_FALSE(window.bEnabled);
  app.SetBusy(FALSE);
  EXPECT_FALSE(window.bEnabled);
  EXPECT_TRUE(app.RestoreBusyCursor());
  app.SetBusy(FALSE);
  EXPECT_TRUE(window.bEnabled);
  EXPECT_FALSE(app.RestoreBusyCursor());
  // An end while not busy is ignored.
  app.SetBusy(FALSE);
  EXPECT_EQ(0u, app.m_nBusyCount);
  EXPECT_TRUE(window.bEnabled);
  // Shown at the begin and at the restore, ended once.
  EXPECT_EQ(1, platform.m_user.m_nWaitCursor);
}
}  // namespace
