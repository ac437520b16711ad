#include "quorrelView.h"

#include "RunMode.h"
#include "clear/ClearRegistry.h"
#include "custom/CustomizationsDlg.h"
#include "fw/Dialog.h"
#include "fw/MessageBox.h"
#include "fw/StringTable.h"
#include "quorrelApp.h"
#include "repair/RepairsDlg.h"
#include "res/AppStringIds.h"
#include "res/Resource.h"
#include "res/UpdateStringIds.h"
#include "sys/Administrator.h"
#include "sys/Restart.h"
#include "update/UpdateRegistry.h"

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

BOOL CquorrelView::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
  if (QuorrelApp().RestoreBusyCursor()) return TRUE;
  return CFormView::OnSetCursor(pWnd, nHitTest, message);
}

void CquorrelView::OnUpdateRegistry() { ::OnUpdateRegistry(*this); }

void CquorrelView::OnClearRegistry() { ::OnClearRegistry(*this, g_bVerbose); }

void CquorrelView::OnRegistryCustomizations() {
  if (!IsUserAdministrator()) {
    AfxMessageBox(IDS_NOT_ADMINISTRATOR, MB_OK | MB_ICONSTOP);
    return;
  }
  CCustomizationsDlg dlg;
  if (dlg.DoModal() != IDOK) return;
  if (AfxMessageBox(IDS_RESTART_QUESTION, MB_YESNO | MB_ICONQUESTION) == IDYES)
    RestartComputer();
}

void CquorrelView::OnRegistryRepairs() {
  CRepairsDlg dlg;
  dlg.DoModal();
}
