// The UI adapter of the Windows build: the framework's windows shown as
// real windows and dialogs, real input turned into the framework's input,
// real menus.
#pragma once

#include "fw/UiAdapter.h"

class CWin32Ui : public IUiAdapter {
 public:
  CWin32Ui();
  ~CWin32Ui() override;

  void Render() override;
  BOOL WaitInput(MSG* pMsg, DWORD dwTimeout) override;
  UINT TrackMenu(CWnd& wnd, int nPopup) override;
  int GetSystemMetrics(int nIndex) override;
};
