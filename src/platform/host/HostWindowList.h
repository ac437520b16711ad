// The host's list of top-level windows. The program's own windows live in
// this process; every process working on the same machine directory
// publishes its windows' titles in <machine>/run/windows/, so that a second
// instance finds the first by its title, and a test can stand up a foreign
// window (a file naming a process and a title). An entry whose process has
// ended (a zombie included) or whose id a later process took is no window.
// Closing a foreign window (WM_CLOSE) ends its process with SIGTERM.
#pragma once

#include <string>
#include <vector>

#include "platform/WinTypes.h"

class CHostWindowList {
 public:
  struct CEntry {
    HWND hWnd = nullptr;
    std::string strTitle;
    long nPid = 0;
    bool bOwn = false;
    std::string strFile;  // the published entry
  };

  explicit CHostWindowList(std::string strDirectory);
  ~CHostWindowList();

  HWND AddOwnWindow(const std::string& strTitle);
  void RemoveOwnWindow(HWND hWnd);
  void SetOwnWindowText(HWND hWnd, const std::string& strTitle);
  bool IsOwn(HWND hWnd) const;

  // Own windows first (most recent on top), then the other processes'.
  std::vector<CEntry> Snapshot() const;
  bool Find(HWND hWnd, CEntry* pEntry) const;
  // Removes a foreign window's entry and ends its process.
  bool CloseForeign(HWND hWnd);

  // A foreign window, as a test or another program publishes it.
  static bool Publish(const std::string& strDirectory, long nPid,
                      const std::string& strTitle, std::string* pstrFile);

 private:
  std::string m_strDirectory;
  std::vector<CEntry> m_own;
  uintptr_t m_nextOwn = 1;
};
