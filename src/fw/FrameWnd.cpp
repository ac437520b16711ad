#include "FrameWnd.h"

#include "Document.h"
#include "MenuTemplate.h"
#include "MessageQueue.h"
#include "StringTable.h"
#include "View.h"
#include "WinApp.h"
#include "WindowMap.h"

CFrameWnd::~CFrameWnd() {
  if (m_hWnd) DestroyWindow();
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT&) { return TRUE; }

BOOL CFrameWnd::LoadFrame(UINT nIDResource, std::unique_ptr<CView> pView,
                          CDocument* pDocument) {
  CREATESTRUCT cs = {};
  cs.style = static_cast<LONG>(WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE);
  cs.x = cs.y = cs.cx = cs.cy = CW_USEDEFAULT;
  const std::string strTitle = LoadResString(IDS_APP_TITLE);
  cs.lpszName = strTitle.c_str();
  if (!PreCreateWindow(cs)) return FALSE;
  m_pMenu = FindMenuTemplate(nIDResource);
  m_pDocument = pDocument;
  const RECT rect = {0, 0, 400, 300};
  if (!CreateEx(static_cast<DWORD>(cs.style) & ~static_cast<DWORD>(WS_VISIBLE),
                cs.lpszName, rect, nullptr, 0))
    return FALSE;
  m_pView = std::move(pView);
  if (!m_pView) return TRUE;
  m_pView->SetDocument(pDocument);
  return m_pView->Create(this, AFX_IDW_PANE_FIRST);
}

void CFrameWnd::InitialUpdateFrame(int nCmdShow) {
  if (m_pView) m_pView->OnInitialUpdate();
  OnUpdateFrameTitle();
  ShowWindow(nCmdShow);
  if (m_pView) m_pView->OnActivateView();
  UpdateWindow();
}

// Keys reach the frame itself only when nothing in it has the focus, as
// after its focused button disabled itself. Tab then gives the view the
// focus, as activating the frame does; without it the keyboard could not
// reach the form again.
BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_TAB && m_pView &&
      AfxWndFromHandle(pMsg->hwnd) == this) {
    m_pView->OnActivateView();
    return TRUE;
  }
  return CWnd::PreTranslateMessage(pMsg);
}

void CFrameWnd::OnUpdateFrameTitle() {
  if (!(GetStyle() & FWS_ADDTOTITLE) || !m_pDocument) return;
  SetWindowText(m_pDocument->GetTitle() + " - " + LoadResString(IDS_APP_TITLE));
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, UINT nCode) {
  if (m_pView && m_pView->OnCmdMsg(nID, nCode)) return TRUE;
  if (CWnd::OnCmdMsg(nID, nCode)) return TRUE;
  CWinApp* pApp = AfxGetApp();
  return pApp && pApp->OnCmdMsg(nID, nCode);
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // The frame passes the focus on to its view, which gives it back to the
  // control that had it.
  if (message == WM_SETFOCUS && m_pView && m_pView->m_hWnd) {
    m_pView->SetFocus();
    return 0;
  }
  if (message == WM_NCDESTROY) {
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_pMainWnd == this) {
      pApp->m_pMainWnd = nullptr;
      AfxPostQuitMessage(0);
    }
  }
  return CWnd::WindowProc(message, wParam, lParam);
}
