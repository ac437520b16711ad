// The dialog-item operations of CWnd: data exchange, check and radio
// buttons, item texts.
#include "Button.h"
#include "DataExchange.h"
#include "Wnd.h"

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange dx(this, bSaveAndValidate);
  DoDataExchange(&dx);
  return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

void CWnd::CheckRadioButton(int nIDFirst, int nIDLast, int nIDCheck) {
  for (CWnd* pChild : m_children) {
    const int nID = static_cast<int>(pChild->GetDlgCtrlID());
    auto* pButton = dynamic_cast<CButton*>(pChild);
    if (!pButton || nID < nIDFirst || nID > nIDLast) continue;
    pButton->SetCheck(nID == nIDCheck ? BST_CHECKED : BST_UNCHECKED);
  }
}

int CWnd::GetCheckedRadioButton(int nIDFirst, int nIDLast) const {
  for (int nID = nIDFirst; nID <= nIDLast; ++nID)
    if (IsDlgButtonChecked(nID) == BST_CHECKED) return nID;
  return 0;
}

UINT CWnd::IsDlgButtonChecked(int nID) const {
  auto* pButton = dynamic_cast<CButton*>(GetDlgItem(static_cast<UINT>(nID)));
  return pButton ? static_cast<UINT>(pButton->GetCheck()) : BST_UNCHECKED;
}

void CWnd::SetDlgItemText(int nID, const std::string& strText) {
  if (CWnd* pWnd = GetDlgItem(static_cast<UINT>(nID)))
    pWnd->SetWindowText(strText);
}

std::string CWnd::GetDlgItemText(int nID) const {
  CWnd* pWnd = GetDlgItem(static_cast<UINT>(nID));
  return pWnd ? pWnd->GetWindowText() : std::string();
}
