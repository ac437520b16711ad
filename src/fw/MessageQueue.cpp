#include "MessageQueue.h"

#include <cstdint>
#include <deque>
#include <vector>

#include "ModelWindowSystem.h"
#include "UiAdapter.h"
#include "WinApp.h"
#include "WindowMap.h"
#include "Wnd.h"
#include "platform/Platform.h"

namespace {
struct CTimer {
  HWND hWnd;
  UINT_PTR nID;
  UINT nElapse;
  DWORD dwDue;
};

struct CQueue {
  std::deque<MSG> posted;
  std::vector<CTimer> timers;
};

CQueue& Queue() {
  static CQueue queue;
  return queue;
}

// Tick counts wrap; due means "not in the future" modulo 2^32.
bool IsDue(DWORD dwNow, DWORD dwDue) {
  return static_cast<int32_t>(dwNow - dwDue) >= 0;
}

BOOL TakePosted(MSG* pMsg) {
  if (Queue().posted.empty()) return FALSE;
  *pMsg = Queue().posted.front();
  Queue().posted.pop_front();
  return TRUE;
}

CWnd* FindWindowToPaint(CWnd* pWnd) {
  if (!pWnd->IsWindowVisible()) return nullptr;
  if (pWnd->NeedsPaint()) return pWnd;
  for (CWnd* pChild : pWnd->GetChildren())
    if (CWnd* pFound = FindWindowToPaint(pChild)) return pFound;
  return nullptr;
}

BOOL TakePaint(MSG* pMsg) {
  for (CWnd* pTop : AfxGetTopLevelWindows()) {
    if (CWnd* pWnd = FindWindowToPaint(pTop)) {
      *pMsg = AfxMakeMsg(pWnd->m_hWnd, WM_PAINT, 0, 0);
      return TRUE;
    }
  }
  return FALSE;
}

BOOL TakeTimer(MSG* pMsg) {
  const DWORD dwNow = Clock().GetTickCount();
  for (CTimer& timer : Queue().timers) {
    if (!IsDue(dwNow, timer.dwDue)) continue;
    timer.dwDue = dwNow + timer.nElapse;
    *pMsg = AfxMakeMsg(timer.hWnd, WM_TIMER, timer.nID, 0);
    pMsg->time = dwNow;
    return TRUE;
  }
  return FALSE;
}

DWORD TimeToNextTimer() {
  if (Queue().timers.empty()) return INFINITE;
  const DWORD dwNow = Clock().GetTickCount();
  DWORD dwWait = INFINITE;
  for (const CTimer& timer : Queue().timers) {
    if (IsDue(dwNow, timer.dwDue)) return 0;
    dwWait = std::min(dwWait, timer.dwDue - dwNow);
  }
  return dwWait;
}

// Input for a window that can't take it is never queued, as Windows
// delivers no keyboard or mouse input to a disabled window.
BOOL TakeInput(MSG* pMsg, DWORD dwTimeout) {
  MSG msg;
  if (!Ui().WaitInput(&msg, dwTimeout)) return FALSE;
  if (AfxIsInputMessage(msg.message)) {
    CWnd* pWnd = AfxWndFromHandle(msg.hwnd);
    if (!pWnd || !pWnd->IsInputEnabled()) {
      *pMsg = AfxMakeMsg(nullptr, WM_NULL, 0, 0);
      return TRUE;
    }
  }
  *pMsg = msg;
  return TRUE;
}

BOOL TakeWaiting(MSG* pMsg) {
  return TakePosted(pMsg) || TakeInput(pMsg, 0) || TakePaint(pMsg) ||
         TakeTimer(pMsg);
}
}  // namespace

BOOL AfxIsInputMessage(UINT message) {
  return (message >= WM_KEYDOWN && message <= WM_SYSKEYUP) ||
         (message >= WM_MOUSEMOVE && message <= WM_MBUTTONUP) ||
         message == WM_NCLBUTTONDOWN || message == WM_NCRBUTTONDOWN ||
         message == WM_NCMBUTTONDOWN;
}

void AfxPostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  AfxWindowSystem().PostMsg(hWnd, message, wParam, lParam);
}

void CModelWindowSystem::PostMsg(HWND hWnd, UINT message, WPARAM wParam,
                                 LPARAM lParam) {
  Queue().posted.push_back(AfxMakeMsg(hWnd, message, wParam, lParam));
}

void AfxPostQuitMessage(int nExitCode) {
  AfxPostMessage(nullptr, WM_QUIT, static_cast<WPARAM>(nExitCode), 0);
}

BOOL AfxPeekMessage(MSG* pMsg) { return AfxWindowSystem().PeekMsg(pMsg); }

BOOL AfxGetMessage(MSG* pMsg) { return AfxWindowSystem().GetMsg(pMsg); }

BOOL CModelWindowSystem::PeekMsg(MSG* pMsg) { return TakeWaiting(pMsg); }

BOOL CModelWindowSystem::GetMsg(MSG* pMsg) {
  for (;;) {
    if (TakeWaiting(pMsg)) break;
    Ui().Render();
    if (TakeInput(pMsg, TimeToNextTimer())) break;
  }
  return pMsg->message != WM_QUIT;
}

LRESULT AfxDispatchMessage(const MSG* pMsg) {
  return AfxWindowSystem().DispatchMsg(pMsg);
}

namespace {
void TranslateAndDispatch(MSG* pMsg) {
  if (pMsg->message == WM_NULL) return;
  CWinApp* pApp = AfxGetApp();
  const BOOL bTaken =
      pApp ? pApp->PreTranslateMessage(pMsg) : AfxPreTranslateWindows(pMsg);
  if (!bTaken) AfxDispatchMessage(pMsg);
}
}  // namespace

BOOL AfxPumpMessage() {
  MSG msg;
  if (!AfxGetMessage(&msg)) {
    // Kept for the loop that ends the program (the framework's modal loops
    // leave on WM_QUIT and post it again).
    AfxPostQuitMessage(static_cast<int>(msg.wParam));
    return FALSE;
  }
  TranslateAndDispatch(&msg);
  return TRUE;
}

void AfxPumpPendingMessages() {
  MSG msg;
  while (AfxPeekMessage(&msg)) {
    if (msg.message == WM_QUIT) {
      AfxPostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateAndDispatch(&msg);
  }
}

UINT_PTR AfxSetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT nElapse) {
  return AfxWindowSystem().SetTimer(hWnd, nIDEvent, nElapse);
}

BOOL AfxKillTimer(HWND hWnd, UINT_PTR nIDEvent) {
  return AfxWindowSystem().KillTimer(hWnd, nIDEvent);
}

UINT_PTR CModelWindowSystem::SetTimer(HWND hWnd, UINT_PTR nIDEvent,
                                      UINT nElapse) {
  const DWORD dwDue = Clock().GetTickCount() + nElapse;
  for (CTimer& timer : Queue().timers) {
    if (timer.hWnd == hWnd && timer.nID == nIDEvent) {
      timer.nElapse = nElapse;
      timer.dwDue = dwDue;
      return nIDEvent;
    }
  }
  Queue().timers.push_back(CTimer{hWnd, nIDEvent, nElapse, dwDue});
  return nIDEvent;
}

BOOL CModelWindowSystem::KillTimer(HWND hWnd, UINT_PTR nIDEvent) {
  auto& timers = Queue().timers;
  for (auto it = timers.begin(); it != timers.end(); ++it) {
    if (it->hWnd == hWnd && it->nID == nIDEvent) {
      timers.erase(it);
      return TRUE;
    }
  }
  return FALSE;
}

void AfxForgetWindowMessages(HWND hWnd) {
  auto& timers = Queue().timers;
  for (auto it = timers.begin(); it != timers.end();)
    it = it->hWnd == hWnd ? timers.erase(it) : it + 1;
  auto& posted = Queue().posted;
  for (auto it = posted.begin(); it != posted.end();)
    it = it->hwnd == hWnd ? posted.erase(it) : it + 1;
}

void AfxResetMessageQueue() {
  Queue().posted.clear();
  Queue().timers.clear();
}
