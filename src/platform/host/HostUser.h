// The host's user interface without a full-screen terminal: message boxes
// are written to standard error (caption, icon, text, buttons) and answered
// from QUORREL_ANSWERS, then at the terminal when standard input is one,
// else with the answer that changes nothing. The window list is the host's
// (HostWindowList). The terminal UI derives from this class.
#pragma once

#include <memory>
#include <string>

#include "HostAnswers.h"
#include "HostWindowList.h"
#include "platform/User.h"

class CHostUser : public IUser {
 public:
  // strWindowDirectory: where the machine's windows are published.
  explicit CHostUser(const std::string& strWindowDirectory);

  int MessageBoxA(HWND hWnd, const char* lpText, const char* lpCaption,
                  UINT uType, UINT nIDPrompt) override;
  HWND FindWindowA(const char* lpClassName, const char* lpWindowName) override;
  HWND GetTopWindow(HWND hWnd) override;
  HWND GetWindow(HWND hWnd, UINT uCmd) override;
  int GetWindowTextA(HWND hWnd, char* lpString, int nMaxCount) override;
  LRESULT SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam,
                       LPARAM lParam) override;
  BOOL IsIconic(HWND hWnd) override;
  BOOL IsWindowVisible(HWND hWnd) override;
  BOOL ShowWindow(HWND hWnd, int nCmdShow) override;
  BOOL SetForegroundWindow(HWND hWnd) override;
  BOOL EnableWindow(HWND hWnd, BOOL bEnable) override;
  void DispatchPendingMessages() override;
  void SetWaitCursor(BOOL bWait) override;

  CHostWindowList& Windows() { return m_windows; }

 protected:
  // The answer for a box: scripted, else asked at the terminal, else the
  // neutral one.
  int Answer(UINT uType);
  // A message for one of the program's own windows; the terminal UI
  // delivers it. Without one, WM_CLOSE removes the window.
  virtual LRESULT OnOwnWindowMessage(HWND hWnd, UINT Msg, WPARAM wParam,
                                     LPARAM lParam);

 private:
  int AskTerminal(UINT uType);

  CHostAnswers m_answers;
  CHostWindowList m_windows;
};

// The icon's name for the terminal ("Stop", "Question" ...); empty for none.
const char* IconName(UINT uType);
// The buttons as the terminal shows them, for example "[Yes] [No]".
std::string ButtonsText(UINT uType);
