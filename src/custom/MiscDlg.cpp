#include "MiscDlg.h"

#include "MiscSettings.h"
#include "MoreInformation.h"
#include "fw/DataExchange.h"
#include "res/CustomStringIds.h"
#include "res/Resource.h"
#include "sys/BusyScope.h"

BEGIN_MESSAGE_MAP(CMiscDlg, CDialog)
ON_BN_CLICKED(IDC_MORE_POWER_OFF_SLOTS,
              &CMiscDlg::OnMoreInformation<IDS_MORE_POWER_OFF_SLOTS>)
ON_BN_CLICKED(IDC_MORE_DISABLE_NOTIFICATIONS,
              &CMiscDlg::OnMoreInformation<IDS_MORE_DISABLE_NOTIFICATIONS>)
END_MESSAGE_MAP()

CMiscDlg::CMiscDlg(CWnd* pParent) : CDialog(IDD_MISC, pParent) {
  const CMiscSettings settings = ReadMiscSettings();
  m_bPowerOffSlots = settings.bPowerOffSlots;
  m_bDisableNotifications = settings.bDisableNotifications;
}

void CMiscDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Check(pDX, IDC_POWER_OFF_SLOTS, m_bPowerOffSlots);
  DDX_Check(pDX, IDC_DISABLE_NOTIFICATIONS, m_bDisableNotifications);
}

void CMiscDlg::OnOK() {
  CBusyScope busy;
  CDialog::OnOK();
  CMiscSettings settings;
  settings.bPowerOffSlots = m_bPowerOffSlots;
  settings.bDisableNotifications = m_bDisableNotifications;
  WriteMiscSettings(settings);
}

template <UINT nIDS>
void CMiscDlg::OnMoreInformation() {
  ShowMoreInformation(nIDS);
}
