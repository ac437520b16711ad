#include "quorrelView.h"

#include "fw/Dialog.h"
#include "fw/MessageBox.h"
#include "quorrelApp.h"
#include "res/Resource.h"
#include "res/StringTable.h"
#include "sys/Administrator.h"
#include "sys/Restart.h"
#include "update/UpdateRegistry.h"

// The dialogs and the Clear operation come from their own subsystems; until
// one is part of the build, its button opens the bare template (or, for
// Clear, does nothing), so the window can still be shown and driven.
#if __has_include("clear/ClearRegistry.h")
#include "clear/ClearRegistry.h"
#define QUORREL_HAS_CLEAR 1
#endif
#if __has_include("custom/CustomizationsDlg.h")
#include "custom/CustomizationsDlg.h"
#define QUORREL_HAS_CUSTOMIZATIONS 1
#endif
#if __has_include("repair/RepairsDlg.h")
#include "repair/RepairsDlg.h"
#define QUORREL_HAS_REPAIRS 1
#endif

BEGIN_MESSAGE_MAP(CquorrelView, CFormView)
ON_BN_CLICKED(IDC_UPDATE_REGISTRY, &CquorrelView::OnUpdateRegistry)
ON_BN_CLICKED(IDC_CLEAR_REGISTRY, &CquorrelView::OnClearRegistry)
ON_WM_SETCURSOR(&CquorrelView::OnSetCursor)
ON_BN_CLICKED(IDC_REGISTRY_CUSTOMIZATIONS,
              &CquorrelView::OnRegistryCustomizations)
ON_BN_CLICKED(IDC_REGISTRY_REPAIRS, &CquorrelView::OnRegistryRepairs)
END_MESSAGE_MAP()

CquorrelView::CquorrelView() : CFormView(IDD_FORM) {}

void CquorrelView::OnInitialUpdate() {
  CFormView::OnInitialUpdate();
  ResizeParentToFit(FALSE);
}

BOOL CquorrelView::IsButtonEnabled(UINT nID) const {
  CWnd* pButton = GetDlgItem(nID);
  return pButton && pButton->IsWindowEnabled();
}

void CquorrelView::EnableButton(UINT nID, BOOL bEnable) {
  if (CWnd* pButton = GetDlgItem(nID)) pButton->EnableWindow(bEnable);
}

BOOL CquorrelView::OnSetCursor(CWnd*, UINT, UINT) {
  if (QuorrelApp().RestoreBusyCursor()) return TRUE;
  return FALSE;
}

void CquorrelView::OnUpdateRegistry() { ::OnUpdateRegistry(*this); }

void CquorrelView::OnClearRegistry() {
#ifdef QUORREL_HAS_CLEAR
  ::OnClearRegistry(*this);
#endif
}

void CquorrelView::OnRegistryCustomizations() {
  if (!IsUserAdministrator()) {
    AfxMessageBox(IDS_NOT_ADMINISTRATOR, MB_OK | MB_ICONSTOP);
    return;
  }
#ifdef QUORREL_HAS_CUSTOMIZATIONS
  CCustomizationsDlg dlg;
#else
  CDialog dlg(IDD_CUSTOMIZATIONS);
#endif
  if (dlg.DoModal() != IDOK) return;
  if (AfxMessageBox(IDS_RESTART_QUESTION, MB_YESNO | MB_ICONQUESTION) == IDYES)
    RestartComputer();
}

void CquorrelView::OnRegistryRepairs() {
#ifdef QUORREL_HAS_REPAIRS
  CRepairsDlg dlg;
#else
  CDialog dlg(IDD_REPAIRS);
#endif
  dlg.DoModal();
}
