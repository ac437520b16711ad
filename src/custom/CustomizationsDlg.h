// The Registry Customizations menu (template 212): three buttons, each
// opening one settings dialog. The menu ends with OK only when one of them
// was confirmed, which tells the main window to offer a restart.
#pragma once

#include "fw/Dialog.h"
#include "platform/WinTypes.h"

class CCustomizationsDlg : public CDialog {
 public:
  explicit CCustomizationsDlg(CWnd* pParent = nullptr);

  // Set once a settings dialog returned OK; never reset while open.
  BOOL m_bAccepted = FALSE;

 protected:
  // OK when a settings dialog was confirmed, Cancel otherwise.
  void OnOK() override;
  void OnCardConfiguration();
  void OnInterrupts();
  void OnMiscellaneous();

  DECLARE_MESSAGE_MAP()
};
