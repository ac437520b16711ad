// The Interrupts settings dialog (template 213). The sharing radio buttons
// and the "all cards share the PCI interrupt" box together make one value,
// "ShareIRQ"; while the box is checked the radio group is greyed out.
#pragma once

#include "fw/Dialog.h"
#include "platform/WinTypes.h"

class CInterruptsDlg : public CDialog {
 public:
  // Reads the registry: each opening shows what is stored now.
  explicit CInterruptsDlg(CWnd* pParent = nullptr);

  BOOL m_bExcludeIrq12To15;
  BOOL m_bExcludePciIrqs;
  BOOL m_bAllCardsSharePci;
  UINT m_nShareRadio;  // the radio button checked when the dialog opens

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  // Writes the three values, changed or not, under the busy state.
  void OnOK() override;
  // Enables or greys the group box, the three radio buttons and their More
  // Information buttons together.
  void EnableSharingGroup(BOOL bEnable);
  void OnAllCardsSharePciClicked();
  template <UINT nIDS>
  void OnMoreInformation();

  DECLARE_MESSAGE_MAP()
};
