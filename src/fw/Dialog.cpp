#include "Dialog.h"

#include "DialogControls.h"
#include "DialogNavigation.h"
#include "DialogTemplate.h"
#include "MessageQueue.h"
#include "WinApp.h"
#include "WindowMap.h"
#include "WindowSystem.h"

CWnd* AfxGetSafeOwner() {
  CWnd* pActive = AfxWindowSystem().GetActiveWnd();
  return pActive ? pActive : AfxGetMainWnd();
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_pParentWnd(pParentWnd), m_nIDTemplate(nIDTemplate) {
  m_kind = CWndKind::Dialog;
}

CDialog::~CDialog() {
  if (m_hWnd) DestroyWindow();
}

BOOL CDialog::CreateDialogWindow(CWnd* pOwner) {
  const CDialogTemplate* pTemplate = FindDialogTemplate(m_nIDTemplate);
  if (!pTemplate) return FALSE;
  const DWORD dwStyle = pTemplate->dwStyle & ~static_cast<DWORD>(WS_VISIBLE);
  if (!AfxWindowSystem().CreateDialogWnd(*this, *pTemplate, dwStyle, pOwner, 0))
    return FALSE;
  return AfxCreateDialogControls(*this, *pTemplate, m_controls);
}

int CDialog::DoModal() {
  CWnd* pOwner =
      m_pParentWnd ? m_pParentWnd->GetTopLevelParent() : AfxGetSafeOwner();
  CWnd* pPreviousFocus = CWnd::GetFocus();
  m_bEnded = FALSE;
  m_nModalResult = -1;
  if (!CreateDialogWindow(pOwner)) {
    if (m_hWnd) DestroyWindow();
    m_controls.clear();
    return -1;
  }
  const BOOL bEnableOwner = pOwner && pOwner->IsWindowEnabled();
  if (bEnableOwner) pOwner->EnableWindow(FALSE);
  CenterWindow();
  m_bInModal = TRUE;
  if (SendMessage(WM_INITDIALOG) && !m_bEnded) {
    CWnd* pFocus = CWnd::GetFocus();
    if (!pFocus || pFocus->GetTopLevelParent() != this) {
      if (CWnd* pFirst = AfxGetNextDlgTabItem(*this, nullptr, FALSE))
        AfxGroupFocusTarget(*pFirst)->SetFocus();
    }
  }
  if (!m_bEnded) {
    ShowWindow(SW_SHOW);
    RunModalLoop();
  }
  m_bInModal = FALSE;
  // The owner comes back before this window goes, as the framework does,
  // so that the focus can return to it.
  if (bEnableOwner) pOwner->EnableWindow(TRUE);
  DestroyWindow();
  m_controls.clear();
  if (pPreviousFocus &&
      AfxWndFromHandle(pPreviousFocus->m_hWnd) == pPreviousFocus)
    pPreviousFocus->SetFocus();
  return m_nModalResult;
}

void CDialog::RunModalLoop() {
  while (!m_bEnded) {
    if (!AfxPumpMessage()) {
      m_nModalResult = -1;
      return;
    }
  }
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int nResult) {
  m_nModalResult = nResult;
  m_bEnded = TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
  return AfxWindowSystem().IsDialogMsg(*this, pMsg);
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog();
    case WM_CLOSE:
      // The dialog manager turns the close box into Cancel.
      SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
      return 0;
    default:
      return CWnd::WindowProc(message, wParam, lParam);
  }
}
