// CDialog: a modal dialog built from a dialog template. DoModal creates the
// dialog over its owner (the window of the run that is active: the main
// window or the dialog that opened this one), disables the owner, sends
// WM_INITDIALOG, runs the message loop until EndDialog and returns the
// result given to EndDialog; -1 when the template is missing.
#pragma once

#include <memory>
#include <vector>

#include "Wnd.h"

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  ~CDialog() override;

  virtual int DoModal();
  // The base loads the members into the controls; TRUE lets the framework
  // put the focus on the first tab stop.
  virtual BOOL OnInitDialog();
  // The base saves the controls into the members and ends with IDOK.
  virtual void OnOK();
  // The base ends with IDCANCEL.
  virtual void OnCancel();
  void EndDialog(int nResult);

  UINT GetTemplateID() const { return m_nIDTemplate; }
  BOOL IsModalRunning() const { return m_bInModal && !m_bEnded; }

  BOOL PreTranslateMessage(MSG* pMsg) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  DECLARE_MESSAGE_MAP()

 protected:
  CWnd* m_pParentWnd;

 private:
  BOOL CreateDialogWindow(CWnd* pOwner);
  void RunModalLoop();

  UINT m_nIDTemplate;
  std::vector<std::unique_ptr<CWnd>> m_controls;
  BOOL m_bInModal = FALSE;
  BOOL m_bEnded = FALSE;
  int m_nModalResult = -1;
};

// The window a new modal dialog without an explicit parent is owned by: the
// topmost visible, enabled dialog or frame of the run; null when none.
CWnd* AfxGetSafeOwner();
