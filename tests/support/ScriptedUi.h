// A scripted person at the keyboard and mouse, for driving the program's
// windows in tests without a terminal. Steps run in order whenever the
// program waits for input (never while it only peeks at the queue, so a
// long operation's message dispatch doesn't eat them). When the script is
// used up, every further wait closes the active window: the input that
// changes nothing, so a dialog ends with Cancel and the main window exits.
// A step that finds no window to act on, a step still left when the
// script goes, and a script that never saw a window wait for input fail
// the test that wrote it, so a window that never opened cannot pass.
//
//   CTestPlatform platform;
//   CScriptedUi ui(platform);
//   ui.Click(IDC_ALL_CARDS_SHARE_PCI).Select(IDC_RESERVED_WINDOWS, 3)
//     .Do([&] { EXPECT_FALSE(...); }).Click(IDOK);
//   dlg.DoModal();
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "fw/FrameworkUser.h"
#include "fw/UiAdapter.h"
#include "fw/Wnd.h"

class CTestPlatform;

class CScriptedUi : public IUiAdapter {
 public:
  explicit CScriptedUi(CTestPlatform& platform);
  ~CScriptedUi() override;
  CScriptedUi(const CScriptedUi&) = delete;
  CScriptedUi& operator=(const CScriptedUi&) = delete;

  // Mouse press and release on control nID of the active window (nID 0:
  // the active window itself).
  CScriptedUi& Click(UINT nID);
  // Picks entry nIndex from the opened list of combo box nID.
  CScriptedUi& Select(UINT nID, int nIndex);
  // Key press and release for the focused window (or the active window),
  // with kKeyShiftDown / kKeyAltDown in lModifiers.
  CScriptedUi& Key(UINT nVirtualKey, LPARAM lModifiers = 0);
  // Opens the menu (F10) and chooses command nCmd in it.
  CScriptedUi& Menu(UINT nCmd);
  // Clicks the active window's close box.
  CScriptedUi& Close();
  // Lets nMilliseconds pass on the test clock, so that timers fall due.
  CScriptedUi& Wait(DWORD nMilliseconds);
  // Records a failure unless the active window is dialog nIDTemplate.
  CScriptedUi& ExpectDialog(UINT nIDTemplate);
  // Runs fn at this point of the script (checks, or program actions).
  CScriptedUi& Do(std::function<void()> fn);
  // Sends one message as it is, to the window fnTarget names then.
  CScriptedUi& Send(std::function<HWND()> fnTarget, UINT message,
                    WPARAM wParam = 0, LPARAM lParam = 0);

  // Drops the steps not run yet, for a test that means the program to end
  // before them; how many there were.
  size_t DropRemaining();
  // For a test that opens no window at all.
  void ExpectNoWindow() { m_bWindowExpected = false; }
  int m_nRenders = 0;
  std::vector<int> m_menusTracked;  // popup index of each TrackMenu

  void Render() override { ++m_nRenders; }
  BOOL WaitInput(MSG* pMsg, DWORD dwTimeout) override;
  UINT TrackMenu(CWnd& wnd, int nPopup) override;
  int GetSystemMetrics(int nIndex) override;

 private:
  // A step gives a message to deliver, or none (FALSE) when it acted
  // itself.
  struct CStep {
    std::string strName;
    std::function<BOOL(MSG*)> fn;
    // A key release may stay over: the key that closed the last window
    // has no window left to release it in.
    bool bMayStay;
  };
  CScriptedUi& Add(std::string strName, std::function<BOOL(MSG*)> fn,
                   bool bMayStay = false);
  HWND ControlOfActive(UINT nID, const char* pszStep);

  CTestPlatform& m_platform;
  IUiAdapter* m_pPreviousUi;
  CFrameworkUserScope m_frameworkUser;
  std::deque<CStep> m_steps;
  UINT m_nMenuCommand = 0;
  int m_nWaits = 0;
  bool m_bWindowExpected = true;
};

// The window a test drives: the active top-level window of the run and its
// control nID, or null.
CWnd* ActiveWindow();
CWnd* ActiveControl(UINT nID);
