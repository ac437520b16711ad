// The main window: fixed size, titled exactly with the program's title
// (which the single-instance check looks for), centred when shown; its
// first paint brings up the splash screen.
#pragma once

#include <string>

#include "fw/FrameWnd.h"

class CMainFrame : public CFrameWnd {
 public:
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  std::string m_strWindowTitle;

 protected:
  void OnPaint();
  void OnShowWindow(BOOL bShow, UINT nStatus);
  BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);

  DECLARE_MESSAGE_MAP()
};
