// The splash screen: bitmap 105 over the main window for three seconds
// after its first paint. A key press or mouse click anywhere in the program
// closes it at once and is swallowed.
#pragma once

#include "fw/Gdi.h"
#include "fw/Wnd.h"

class CSplashPanel : public CWnd {
 public:
  CSplashPanel();
  ~CSplashPanel() override;

  // Shows the picture the first time it is called; does nothing later.
  static void ShowSplash(CWnd* pParentWnd);
  // TRUE when the message closed the picture and must not be dispatched.
  static BOOL FilterSplashMessage(MSG* pMsg);

  static BOOL s_bSplashShown;
  static CSplashPanel* s_pSplash;

  // Test hook: back to the state the program loads with.
  static void ResetForTest();

  CBitmap m_bmpSplash;

 protected:
  void PostNcDestroy() override;
  int OnCreate();
  void OnPaint();
  void OnTimer(UINT_PTR nIDEvent);

  DECLARE_MESSAGE_MAP()

 private:
  BOOL Create(CWnd* pParentWnd);
};

constexpr UINT_PTR kSplashTimer = 100;
constexpr UINT kSplashMilliseconds = 3000;
