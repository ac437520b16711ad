// The PC Card Configuration settings dialog (template 214): address space
// use, modem cards at boot, the I/O port override, and the reserved ISA
// memory windows with their start address, which is greyed out while no
// window is reserved.
#pragma once

#include "fw/Dialog.h"
#include "platform/WinTypes.h"

class CCardConfigDlg : public CDialog {
 public:
  // Reads the registry and the exclusion list: each opening shows what is
  // stored now.
  explicit CCardConfigDlg(CWnd* pParent = nullptr);

  BOOL m_bModemAtBoot;
  int m_nAllocStartIndex;  // combo index, CB_ERR for none
  BOOL m_bPortOverride;
  int m_nReservedWindows;     // combo index = number of windows
  UINT m_nAddressSpaceRadio;  // the radio button checked when it opens

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  // Writes every value, changed or not, and brings the exclusion list in
  // line with the override box, under the busy state.
  void OnOK() override;
  // Enables or greys the start address list, its label and its More
  // Information button together.
  void EnableAllocationStart(BOOL bEnable);
  void OnReservedWindowsChanged();
  void OnMoreReservedWindows();
  template <UINT nIDS>
  void OnMoreInformation();

  DECLARE_MESSAGE_MAP()
};
