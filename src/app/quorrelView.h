// The form of the main window (dialog template 100): the four buttons and
// what they start. The enabled state of the Update and Clear buttons
// carries state between operations within one run (IMainForm).
#pragma once

#include "fw/View.h"
#include "sys/MainForm.h"

class CquorrelView : public CFormView, public IMainForm {
 public:
  CquorrelView();

  void OnInitialUpdate() override;

  BOOL IsButtonEnabled(UINT nID) const override;
  void EnableButton(UINT nID, BOOL bEnable) override;
  HWND GetSafeHwnd() const override { return m_hWnd; }

  void OnUpdateRegistry();
  void OnClearRegistry();
  void OnRegistryCustomizations();
  void OnRegistryRepairs();

 protected:
  BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);

  DECLARE_MESSAGE_MAP()
};
