#include "MainFrame.h"

#include "SplashPanel.h"
#include "fw/Gdi.h"
#include "fw/StringTable.h"
#include "quorrelApp.h"

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
ON_WM_PAINT(&CMainFrame::OnPaint)
ON_WM_SHOWWINDOW(&CMainFrame::OnShowWindow)
ON_WM_SETCURSOR(&CMainFrame::OnSetCursor)
END_MESSAGE_MAP()

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs) {
  // A caption and a system menu only: no sizing border, no minimize or
  // maximize box, and no title-updating bits, so the title stays exact.
  cs.style = static_cast<LONG>(WS_CAPTION | WS_SYSMENU);
  m_strWindowTitle = LoadResString(IDS_APP_TITLE);
  cs.lpszName = m_strWindowTitle.c_str();
  return CFrameWnd::PreCreateWindow(cs);
}

void CMainFrame::OnPaint() {
  CPaintDC dc(this);
  CSplashPanel::ShowSplash(this);
}

void CMainFrame::OnShowWindow(BOOL bShow, UINT nStatus) {
  CenterWindow();
  DefWindowProc(WM_SHOWWINDOW, bShow, nStatus);
}

BOOL CMainFrame::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
  if (QuorrelApp().RestoreBusyCursor()) return TRUE;
  return CFrameWnd::OnSetCursor(pWnd, nHitTest, message);
}
