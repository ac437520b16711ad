#include "DataExchange.h"

#include "Button.h"
#include "ComboBox.h"

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
  auto* pButton = dynamic_cast<CButton*>(
      pDX->m_pDlgWnd->GetDlgItem(static_cast<UINT>(nIDC)));
  if (!pButton) return;
  if (pDX->m_bSaveAndValidate)
    value = pButton->GetCheck();
  else
    pButton->SetCheck(value ? BST_CHECKED : BST_UNCHECKED);
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
  auto* pCombo = dynamic_cast<CComboBox*>(
      pDX->m_pDlgWnd->GetDlgItem(static_cast<UINT>(nIDC)));
  if (!pCombo) return;
  if (pDX->m_bSaveAndValidate)
    index = pCombo->GetCurSel();
  else
    pCombo->SetCurSel(index);
}

void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value) {
  CWnd* pWnd = pDX->m_pDlgWnd->GetDlgItem(static_cast<UINT>(nIDC));
  if (!pWnd) return;
  if (pDX->m_bSaveAndValidate)
    value = pWnd->GetWindowText();
  else
    pWnd->SetWindowText(value);
}
