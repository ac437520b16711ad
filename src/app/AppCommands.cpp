// The application object's command map and message filter.
#include "SplashPanel.h"
#include "quorrelApp.h"

BEGIN_MESSAGE_MAP(CquorrelApp, CWinApp)
ON_COMMAND(ID_APP_ABOUT, &CquorrelApp::OnAppAbout)
END_MESSAGE_MAP()

BOOL CquorrelApp::PreTranslateMessage(MSG* pMsg) {
  if (CSplashPanel::FilterSplashMessage(pMsg)) return TRUE;
  return CWinApp::PreTranslateMessage(pMsg);
}
