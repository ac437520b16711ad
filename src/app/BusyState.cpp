#include "platform/Platform.h"
#include "quorrelApp.h"

void CquorrelApp::SetBusy(BOOL bBusy) {
  if (bBusy) {
    if (m_nBusyCount == 0) {
      User().SetWaitCursor(TRUE);
      if (m_hMainWnd) User().EnableWindow(m_hMainWnd, FALSE);
    }
    ++m_nBusyCount;
    return;
  }
  if (m_nBusyCount == 0) return;
  if (--m_nBusyCount == 0) {
    User().SetWaitCursor(FALSE);
    if (m_hMainWnd) User().EnableWindow(m_hMainWnd, TRUE);
  }
}

BOOL CquorrelApp::RestoreBusyCursor() {
  if (m_nBusyCount == 0) return FALSE;
  User().SetWaitCursor(TRUE);
  return TRUE;
}
