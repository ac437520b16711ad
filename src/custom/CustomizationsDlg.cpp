#include "CustomizationsDlg.h"

#include "CardConfigDlg.h"
#include "InterruptsDlg.h"
#include "MiscDlg.h"
#include "res/Resource.h"

BEGIN_MESSAGE_MAP(CCustomizationsDlg, CDialog)
ON_BN_CLICKED(IDC_CARD_CONFIGURATION, &CCustomizationsDlg::OnCardConfiguration)
ON_BN_CLICKED(IDC_INTERRUPTS, &CCustomizationsDlg::OnInterrupts)
ON_BN_CLICKED(IDC_MISCELLANEOUS, &CCustomizationsDlg::OnMiscellaneous)
END_MESSAGE_MAP()

CCustomizationsDlg::CCustomizationsDlg(CWnd* pParent)
    : CDialog(IDD_CUSTOMIZATIONS, pParent) {}

void CCustomizationsDlg::OnOK() {
  if (m_bAccepted)
    CDialog::OnOK();
  else
    CDialog::OnCancel();
}

void CCustomizationsDlg::OnCardConfiguration() {
  CCardConfigDlg dlg(this);
  if (dlg.DoModal() == IDOK) m_bAccepted = TRUE;
}

void CCustomizationsDlg::OnInterrupts() {
  CInterruptsDlg dlg(this);
  if (dlg.DoModal() == IDOK) m_bAccepted = TRUE;
}

void CCustomizationsDlg::OnMiscellaneous() {
  CMiscDlg dlg(this);
  if (dlg.DoModal() == IDOK) m_bAccepted = TRUE;
}
