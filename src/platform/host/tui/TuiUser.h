// The full-screen terminal user interface (ncurses): draws the program's
// windows from the framework's state, scaled from pixels to character
// cells; turns keys and mouse clicks into window messages; runs the menus;
// and shows message boxes as boxes over the screen. It starts the screen
// only when the first window of the program is drawn, so usage texts and
// silent runs keep the line-based message boxes of the host.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "fw/UiAdapter.h"
#include "platform/Shell.h"
#include "platform/host/HostUser.h"

class CHostFileSystem;

class CTuiUser : public CHostUser, public IUiAdapter {
 public:
  explicit CTuiUser(const std::string& strWindowDirectory);
  ~CTuiUser() override;

  // IUser: message boxes go full-screen once the screen is up.
  int MessageBoxA(HWND hWnd, const char* lpText, const char* lpCaption,
                  UINT uType, UINT nIDPrompt) override;
  void SetWaitCursor(BOOL bWait) override;

  // IUiAdapter.
  void Render() override;
  BOOL WaitInput(MSG* pMsg, DWORD dwTimeout) override;
  UINT TrackMenu(CWnd& wnd, int nPopup) override;
  int GetSystemMetrics(int nIndex) override;

  // The folder browser as a box on the screen: a path typed with editing
  // keys, the folders below it listed; FALSE when cancelled.
  // pfnOffered (may be null) keeps the folders it refuses out of the list
  // and out of reach.
  BOOL PromptFolder(CHostFileSystem& files, const std::string& strTitle,
                    CFolderFilter pfnOffered, std::string* pstrFolder);

 private:
  BOOL Start();
  void Stop();
  void SyncPublishedWindows();
  void DrawAll(const std::string& strStatus = std::string());
  // The keys that work on the focused control, for the status line.
  std::string KeyHints() const;
  // The next key within nTimeout milliseconds (-1: no limit), ERR when
  // none came, kKeyRunEnds once the run is to end (a signal, the terminal
  // gone, a restart request): every loop that waits for a key leaves then.
  // A request to come forward is served while waiting.
  static constexpr int kKeyRunEnds = -2;
  int WaitKey(int nTimeout);
  void ComeForward();
  BOOL ReadInput(MSG* pMsg, int nTimeout);
  BOOL TranslateKey(int nKey, MSG* pMsg);
  // Input while the active window does not fit the screen.
  BOOL TranslateHidden(int nKey, MSG* pMsg);
  BOOL TranslateMouse(MSG* pMsg);
  void QueueKey(HWND hWnd, UINT nVirtualKey, LPARAM lFlags, BOOL bSys,
                MSG* pMsg);
  BOOL OpenComboList(CWnd& combo, MSG* pMsg);
  int RunMessageBox(const std::string& strText, const std::string& strCaption,
                    UINT uType);

  BOOL m_bStarted = FALSE;
  BOOL m_bWaitCursor = FALSE;
  std::deque<MSG> m_pending;
  // The folder last accepted in the folder browser.
  std::string m_strLastFolder;
  // Top-level windows published in the host's window list.
  std::vector<std::pair<HWND, HWND>> m_published;  // framework, host
};
