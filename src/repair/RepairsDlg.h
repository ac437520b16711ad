// The Registry Repairs dialog (template 216): two one-shot repairs, each
// making its own administrator check. The dialog stays open after either,
// unless the computer is restarting.
#pragma once

#include "fw/Dialog.h"

class CRepairsDlg : public CDialog {
 public:
  explicit CRepairsDlg(CWnd* pParent = nullptr);

 protected:
  void OnRepairMacDatabase();
  void OnRepairGroupOrderList();

  DECLARE_MESSAGE_MAP()
};
