#include "Win32Ui.h"

#include "Win32MessageWait.h"
#include "Win32Mirrors.h"
#include "fw/Wnd.h"
#include "platform/win32/Win32RealWindow.h"

namespace {
const DWORD kRestackPoll = 25;  // ms, while a restack is due

HWND RealOf(HWND hFramework) { return CWin32Mirrors::Get().RealOf(hFramework); }

// Dispatches every real message waiting now; input for the framework's
// windows is queued by their window procedure meanwhile.
void DispatchRealMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;  // the framework ends the run
    DispatchMessageA(&msg);
  }
}
}  // namespace

CWin32Ui::CWin32Ui() {
  CWin32Mirrors::Get().ClearInput();
  SetWin32WindowMapper(RealOf);
}

CWin32Ui::~CWin32Ui() { SetWin32WindowMapper(nullptr); }

void CWin32Ui::Render() { CWin32Mirrors::Get().Sync(); }

BOOL CWin32Ui::WaitInput(MSG* pMsg, DWORD dwTimeout) {
  CWin32Mirrors& mirrors = CWin32Mirrors::Get();
  mirrors.Sync();
  const DWORD dwStart = GetTickCount();
  for (;;) {
    DispatchRealMessages();
    const bool bRestackDue = mirrors.RestackIfNeeded();
    if (mirrors.TakeInput(pMsg)) return TRUE;
    const DWORD dwElapsed = GetTickCount() - dwStart;
    if (dwTimeout != INFINITE && dwElapsed >= dwTimeout) return FALSE;
    DWORD dwWait = dwTimeout == INFINITE ? INFINITE : dwTimeout - dwElapsed;
    if (bRestackDue && dwWait > kRestackPoll) dwWait = kRestackPoll;
    Win32WaitForMessage(dwWait);
  }
}

UINT CWin32Ui::TrackMenu(CWnd& wnd, int nPopup) {
  const HWND hReal = RealOf(wnd.m_hWnd);
  HMENU hBar = hReal ? GetMenu(hReal) : nullptr;
  if (!hBar) return 0;
  if (nPopup < 0) nPopup = 0;  // F10 or Alt: the first popup
  HMENU hPopup = GetSubMenu(hBar, nPopup);
  RECT rcItem;
  if (!hPopup ||
      !GetMenuItemRect(hReal, hBar, static_cast<UINT>(nPopup), &rcItem))
    return 0;
  SetForegroundWindow(hReal);
  HiliteMenuItem(hReal, hBar, static_cast<UINT>(nPopup),
                 MF_BYPOSITION | MF_HILITE);
  const UINT nCmd = static_cast<UINT>(TrackPopupMenu(
      hPopup, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON,
      rcItem.left, rcItem.bottom, 0, hReal, nullptr));
  HiliteMenuItem(hReal, hBar, static_cast<UINT>(nPopup),
                 MF_BYPOSITION | MF_UNHILITE);
  return nCmd;
}

int CWin32Ui::GetSystemMetrics(int nIndex) {
  return ::GetSystemMetrics(nIndex);
}
