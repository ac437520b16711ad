#include "MainWindowRun.h"

#include "ScriptedUi.h"
#include "app/RunMode.h"
#include "app/SplashPanel.h"
#include "fw/FrameWnd.h"

CquorrelView* MainView() {
  auto* pFrame = dynamic_cast<CFrameWnd*>(QuorrelApp().m_pMainWnd);
  return pFrame ? dynamic_cast<CquorrelView*>(pFrame->GetActiveView())
                : nullptr;
}

BOOL RunMainWindow(CScriptedUi&) {
  ResetRunMode();
  CSplashPanel::ResetForTest();
  CquorrelApp& app = QuorrelApp();
  app.m_args.clear();
  app.m_nBusyCount = 0;
  if (!app.InitInstance()) return FALSE;
  app.Run();
  CSplashPanel::ResetForTest();
  return app.m_pMainWnd == nullptr;
}
