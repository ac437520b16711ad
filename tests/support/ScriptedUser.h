// A user interface for tests: records every message box (string id, text,
// caption, buttons and icon) and answers from a queue; keeps a list of
// top-level windows that tests fill with foreign windows. An answer left
// unused fails the test: the box it was meant for never came up.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/User.h"

class CScriptedUser : public IUser {
 public:
  struct CBox {
    UINT nIDPrompt;
    std::string strText;
    std::string strCaption;
    UINT uType;
    UINT Buttons() const { return uType & MB_TYPEMASK; }
    UINT Icon() const { return uType & MB_ICONMASK; }
  };
  struct CWindow {
    std::string strTitle;
    bool bIconic = false;
    bool bVisible = true;
    bool bEnabled = true;
    bool bForeground = false;
    std::vector<UINT> received;  // messages sent to it
  };

  ~CScriptedUser() override;

  std::vector<CBox> m_boxes;
  // Answers, taken in order; when empty a box gets the answer that changes
  // nothing (IDNO, or IDCANCEL where offered, IDOK for a plain box).
  std::deque<int> m_answers;
  // Top-level windows, topmost first; a window's HWND is its index + 1.
  std::vector<CWindow> m_windows;
  int m_nWaitCursor = 0;
  int m_nDispatches = 0;

  std::vector<UINT> BoxIds() const;
  HWND AddWindow(const std::string& strTitle);
  CWindow& Window(HWND hWnd);

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

 private:
  bool Valid(HWND hWnd) const;
};
