#include "WinApp.h"

#include "DocTemplate.h"
#include "MessageBox.h"
#include "MessageQueue.h"
#include "WindowMap.h"
#include "WindowSystem.h"
#include "Wnd.h"

namespace {
CWinApp* g_pApp = nullptr;
}

CWinApp* AfxGetApp() { return g_pApp; }

CWnd* AfxGetMainWnd() { return g_pApp ? g_pApp->m_pMainWnd : nullptr; }

BOOL AfxPreTranslateWindows(MSG* pMsg) {
  for (CWnd* pWnd = AfxWindowSystem().WindowOf(pMsg->hwnd); pWnd;
       pWnd = pWnd->GetParent()) {
    if (pWnd->PreTranslateMessage(pMsg)) return TRUE;
  }
  return FALSE;
}

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
ON_COMMAND(ID_APP_EXIT, &CWinApp::OnAppExit)
END_MESSAGE_MAP()

CWinApp::CWinApp() : m_pPreviousApp(g_pApp) { g_pApp = this; }

// An application object made for a while beside the program's own (a
// test's) gives the program's back when it goes.
CWinApp::~CWinApp() {
  if (g_pApp == this) g_pApp = m_pPreviousApp;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run() {
  while (AfxPumpMessage()) {
  }
  MSG msg;
  // The quit message that ended the loop was posted again for outer loops.
  if (AfxPeekMessage(&msg) && msg.message == WM_QUIT)
    m_nExitCode = static_cast<int>(msg.wParam);
  return ExitInstance();
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg) {
  return AfxPreTranslateWindows(pMsg);
}

int CWinApp::ExitInstance() { return m_nExitCode; }

void CWinApp::AddDocTemplate(CSingleDocTemplate* pTemplate) {
  m_templates.emplace_back(pTemplate);
}

BOOL CWinApp::OnFileNew() {
  if (m_templates.empty()) return FALSE;
  return m_templates.front()->OpenDocumentFile() != nullptr;
}

void CWinApp::OnAppExit() {
  if (m_pMainWnd) m_pMainWnd->SendMessage(WM_CLOSE);
}
