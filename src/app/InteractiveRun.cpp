// The interactive run: the single-document template of resource 101 with
// the document, the main frame and the form view, and the framework's
// new-document command, which creates and shows them.
#include "MainFrame.h"
#include "fw/DocTemplate.h"
#include "fw/MessageBox.h"
#include "quorrelApp.h"
#include "quorrelDoc.h"
#include "quorrelView.h"
#include "res/Resource.h"

BOOL CquorrelApp::RunInteractive() {
  AddDocTemplate(
      AfxMakeSingleDocTemplate<CquorrelDoc, CMainFrame, CquorrelView>(
          IDR_MAINFRAME));
  if (!OnFileNew()) return FALSE;
  // The busy state and the message boxes address the main window by handle.
  m_hMainWnd = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
  AfxSetMainHwnd(m_hMainWnd);
  return m_pMainWnd != nullptr;
}
