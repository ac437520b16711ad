#include "InterruptsDlg.h"

#include "InterruptSettings.h"
#include "MoreInformation.h"
#include "fw/DataExchange.h"
#include "res/CustomStringIds.h"
#include "res/Resource.h"
#include "sys/BusyScope.h"

namespace {
// The controls greyed out while all cards share the PCI interrupt; the
// "all cards" box and its own More Information button stay enabled.
const UINT kSharingGroup[] = {
    IDC_SHARING_GROUP,     IDC_SHARE_SINGLE_ISA,      IDC_SHARE_PCI,
    IDC_DIFFERENT_ISA,     IDC_MORE_SHARE_SINGLE_ISA, IDC_MORE_SHARE_PCI,
    IDC_MORE_DIFFERENT_ISA};
}  // namespace

BEGIN_MESSAGE_MAP(CInterruptsDlg, CDialog)
ON_BN_CLICKED(IDC_ALL_CARDS_SHARE_PCI,
              &CInterruptsDlg::OnAllCardsSharePciClicked)
ON_BN_CLICKED(IDC_MORE_SHARE_PCI,
              &CInterruptsDlg::OnMoreInformation<IDS_MORE_SHARE_PCI>)
ON_BN_CLICKED(IDC_MORE_SHARE_SINGLE_ISA,
              &CInterruptsDlg::OnMoreInformation<IDS_MORE_SHARE_SINGLE_ISA>)
ON_BN_CLICKED(IDC_MORE_DIFFERENT_ISA,
              &CInterruptsDlg::OnMoreInformation<IDS_MORE_DIFFERENT_ISA>)
ON_BN_CLICKED(IDC_MORE_ALL_CARDS_SHARE_PCI,
              &CInterruptsDlg::OnMoreInformation<IDS_MORE_ALL_CARDS_SHARE_PCI>)
ON_BN_CLICKED(IDC_MORE_EXCLUDE_IRQ12_TO_15,
              &CInterruptsDlg::OnMoreInformation<IDS_MORE_EXCLUDE_IRQ12_TO_15>)
ON_BN_CLICKED(IDC_MORE_EXCLUDE_PCI_IRQS,
              &CInterruptsDlg::OnMoreInformation<IDS_MORE_EXCLUDE_PCI_IRQS>)
END_MESSAGE_MAP()

CInterruptsDlg::CInterruptsDlg(CWnd* pParent)
    : CDialog(IDD_INTERRUPTS, pParent) {
  const CInterruptSettings settings = ReadInterruptSettings();
  m_bExcludeIrq12To15 = settings.bExcludeIrq12To15;
  m_bExcludePciIrqs = settings.bExcludePciIrqs;
  m_bAllCardsSharePci = settings.bAllCardsSharePci;
  m_nShareRadio = IDC_SHARE_SINGLE_ISA + UINT(settings.nShareMode);
}

void CInterruptsDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Check(pDX, IDC_EXCLUDE_IRQ12_TO_15, m_bExcludeIrq12To15);
  DDX_Check(pDX, IDC_EXCLUDE_PCI_IRQS, m_bExcludePciIrqs);
  DDX_Check(pDX, IDC_ALL_CARDS_SHARE_PCI, m_bAllCardsSharePci);
}

BOOL CInterruptsDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CheckRadioButton(IDC_SHARE_SINGLE_ISA, IDC_DIFFERENT_ISA, m_nShareRadio);
  EnableSharingGroup(!m_bAllCardsSharePci);
  return TRUE;
}

void CInterruptsDlg::EnableSharingGroup(BOOL bEnable) {
  for (UINT nID : kSharingGroup) {
    if (CWnd* pControl = GetDlgItem(nID)) pControl->EnableWindow(bEnable);
  }
}

void CInterruptsDlg::OnAllCardsSharePciClicked() {
  // The radio selection stays as it is, to come back when unchecked.
  EnableSharingGroup(IsDlgButtonChecked(IDC_ALL_CARDS_SHARE_PCI) ==
                     BST_UNCHECKED);
}

void CInterruptsDlg::OnOK() {
  CBusyScope busy;
  CDialog::OnOK();
  CInterruptSettings settings;
  settings.bExcludeIrq12To15 = m_bExcludeIrq12To15;
  settings.bExcludePciIrqs = m_bExcludePciIrqs;
  settings.bAllCardsSharePci = m_bAllCardsSharePci;
  // No checked radio (position -1) writes the default.
  const int nChecked =
      GetCheckedRadioButton(IDC_SHARE_SINGLE_ISA, IDC_DIFFERENT_ISA);
  settings.nShareMode = nChecked == 0 ? -1 : nChecked - IDC_SHARE_SINGLE_ISA;
  WriteInterruptSettings(settings);
}

template <UINT nIDS>
void CInterruptsDlg::OnMoreInformation() {
  ShowMoreInformation(nIDS);
}
