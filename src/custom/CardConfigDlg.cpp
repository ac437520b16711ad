#include "CardConfigDlg.h"

#include "CardConfigSettings.h"
#include "MoreInformation.h"
#include "SlotSurvey.h"
#include "fw/ComboBox.h"
#include "fw/DataExchange.h"
#include "res/CustomStringIds.h"
#include "res/Resource.h"
#include "sys/BusyScope.h"

BEGIN_MESSAGE_MAP(CCardConfigDlg, CDialog)
ON_CBN_SELCHANGE(IDC_RESERVED_WINDOWS,
                 &CCardConfigDlg::OnReservedWindowsChanged)
ON_BN_CLICKED(IDC_MORE_RESERVED_WINDOWS, &CCardConfigDlg::OnMoreReservedWindows)
ON_BN_CLICKED(IDC_MORE_ISA_ONLY,
              &CCardConfigDlg::OnMoreInformation<IDS_MORE_ISA_ONLY>)
ON_BN_CLICKED(IDC_MORE_PCI_CIS_ONLY,
              &CCardConfigDlg::OnMoreInformation<IDS_MORE_PCI_CIS_ONLY>)
ON_BN_CLICKED(IDC_MORE_PCI_CIS_AND_DRIVERS,
              &CCardConfigDlg::OnMoreInformation<IDS_MORE_PCI_CIS_AND_DRIVERS>)
ON_BN_CLICKED(IDC_MORE_PCI_ALWAYS,
              &CCardConfigDlg::OnMoreInformation<IDS_MORE_PCI_ALWAYS>)
ON_BN_CLICKED(IDC_MORE_MODEM_AT_BOOT,
              &CCardConfigDlg::OnMoreInformation<IDS_MORE_MODEM_AT_BOOT>)
ON_BN_CLICKED(IDC_MORE_PORT_OVERRIDE,
              &CCardConfigDlg::OnMoreInformation<IDS_MORE_PORT_OVERRIDE>)
ON_BN_CLICKED(IDC_MORE_ALLOCATION_START,
              &CCardConfigDlg::OnMoreInformation<IDS_MORE_ALLOCATION_START>)
END_MESSAGE_MAP()

CCardConfigDlg::CCardConfigDlg(CWnd* pParent)
    : CDialog(IDD_CARD_CONFIG, pParent) {
  const CCardConfigSettings settings = ReadCardConfigSettings();
  m_bModemAtBoot = settings.bModemAtBoot;
  m_nAllocStartIndex = settings.nAllocStartIndex;
  m_bPortOverride = settings.bPortOverride;
  m_nReservedWindows = settings.nReservedWindows;
  m_nAddressSpaceRadio = IDC_ISA_ONLY + UINT(settings.nAddressSpace);
}

void CCardConfigDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Check(pDX, IDC_MODEM_AT_BOOT, m_bModemAtBoot);
  DDX_Check(pDX, IDC_PORT_OVERRIDE, m_bPortOverride);
  DDX_CBIndex(pDX, IDC_ALLOCATION_START, m_nAllocStartIndex);
  DDX_CBIndex(pDX, IDC_RESERVED_WINDOWS, m_nReservedWindows);
}

BOOL CCardConfigDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CheckRadioButton(IDC_ISA_ONLY, IDC_PCI_ALWAYS, m_nAddressSpaceRadio);
  EnableAllocationStart(m_nReservedWindows != 0);
  return TRUE;
}

void CCardConfigDlg::EnableAllocationStart(BOOL bEnable) {
  for (UINT nID : {IDC_ALLOCATION_START, IDC_ALLOCATION_START_LABEL,
                   IDC_MORE_ALLOCATION_START}) {
    if (CWnd* pControl = GetDlgItem(nID)) pControl->EnableWindow(bEnable);
  }
}

void CCardConfigDlg::OnReservedWindowsChanged() {
  auto* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_RESERVED_WINDOWS));
  if (pCombo == nullptr) return;
  const std::string strEntry = pCombo->GetLBText(pCombo->GetCurSel());
  // The start address keeps its selection while greyed out.
  EnableAllocationStart(strEntry.empty() || strEntry[0] != '0');
}

void CCardConfigDlg::OnMoreReservedWindows() {
  ShowReservedWindowsInformation();
}

void CCardConfigDlg::OnOK() {
  CBusyScope busy;
  CDialog::OnOK();
  CCardConfigSettings settings;
  settings.bModemAtBoot = m_bModemAtBoot;
  settings.nAllocStartIndex = m_nAllocStartIndex;
  settings.bPortOverride = m_bPortOverride;
  settings.nReservedWindows = m_nReservedWindows;
  // No checked radio (position -1) writes the default.
  const int nChecked = GetCheckedRadioButton(IDC_ISA_ONLY, IDC_PCI_ALWAYS);
  settings.nAddressSpace = nChecked == 0 ? -1 : nChecked - IDC_ISA_ONLY;
  WriteCardConfigSettings(settings);
}

template <UINT nIDS>
void CCardConfigDlg::OnMoreInformation() {
  ShowMoreInformation(nIDS);
}
