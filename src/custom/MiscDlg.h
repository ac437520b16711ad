// The Miscellaneous settings dialog (template 215): powering off the slots
// at shutdown and disabling the suite's card error notifications.
#pragma once

#include "fw/Dialog.h"
#include "platform/WinTypes.h"

class CMiscDlg : public CDialog {
 public:
  // Reads the registry: each opening shows what is stored now.
  explicit CMiscDlg(CWnd* pParent = nullptr);

  BOOL m_bPowerOffSlots;
  BOOL m_bDisableNotifications;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  // Writes both values, changed or not, under the busy state.
  void OnOK() override;
  template <UINT nIDS>
  void OnMoreInformation();

  DECLARE_MESSAGE_MAP()
};
