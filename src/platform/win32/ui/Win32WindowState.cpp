// The native window system's window state, message queue, painting,
// message boxes and dialog units: user32's own calls.
#include <vector>

#include "Win32DialogTemplate.h"
#include "Win32WindowSystem.h"
#include "fw/DialogTemplate.h"
#include "fw/WindowMap.h"
#include "fw/Wnd.h"
#include "platform/Platform.h"

namespace {
HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

INT_PTR CALLBACK MeasureProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
}  // namespace

std::string CWin32WindowSystem::GetText(const CWnd& wnd) {
  const int nLength = GetWindowTextLengthA(wnd.m_hWnd);
  if (nLength <= 0) return std::string();
  std::vector<char> buffer(static_cast<size_t>(nLength) + 1, '\0');
  const int nCopied = GetWindowTextA(wnd.m_hWnd, buffer.data(), nLength + 1);
  return std::string(buffer.data(), nCopied > 0 ? nCopied : 0);
}

void CWin32WindowSystem::SetText(CWnd& wnd, const std::string& strText) {
  SetWindowTextA(wnd.m_hWnd, strText.c_str());
}

BOOL CWin32WindowSystem::EnableWindow(CWnd& wnd, BOOL bEnable) {
  const HWND hWnd = wnd.m_hWnd;
  const HWND hFocus = ::GetFocus();
  CWnd* pParent = wnd.GetParent();
  // A control that has the focus hands it to the next one first, as the
  // dialog manager would (a disabled window loses the focus for good).
  if (!bEnable && pParent && IsDialog(pParent->m_hWnd) && hFocus &&
      (hFocus == hWnd || IsChild(hWnd, hFocus)))
    SendMessageA(pParent->m_hWnd, WM_NEXTDLGCTL, 0, FALSE);
  return ::EnableWindow(hWnd, bEnable) ? TRUE : FALSE;
}

BOOL CWin32WindowSystem::IsWindowEnabled(const CWnd& wnd) {
  return ::IsWindowEnabled(wnd.m_hWnd) ? TRUE : FALSE;
}

BOOL CWin32WindowSystem::ShowWindow(CWnd& wnd, int nCmdShow) {
  return ::ShowWindow(wnd.m_hWnd, nCmdShow) ? TRUE : FALSE;
}

BOOL CWin32WindowSystem::IsWindowVisible(const CWnd& wnd) {
  return ::IsWindowVisible(wnd.m_hWnd) ? TRUE : FALSE;
}

void CWin32WindowSystem::GetWindowRect(const CWnd& wnd, RECT* pRect) {
  ::GetWindowRect(wnd.m_hWnd, pRect);
}

void CWin32WindowSystem::GetClientRect(const CWnd& wnd, RECT* pRect) {
  ::GetClientRect(wnd.m_hWnd, pRect);
}

void CWin32WindowSystem::MoveWindow(CWnd& wnd, int x, int y, int cx, int cy) {
  ::MoveWindow(wnd.m_hWnd, x, y, cx, cy, TRUE);
}

void CWin32WindowSystem::Invalidate(CWnd& wnd) {
  InvalidateRect(wnd.m_hWnd, nullptr, TRUE);
}

void CWin32WindowSystem::UpdateWindow(CWnd& wnd) { ::UpdateWindow(wnd.m_hWnd); }

CWnd* CWin32WindowSystem::SetFocus(CWnd& wnd) {
  CWnd* pPrevious = GetFocus();
  CWnd* pParent = wnd.GetParent();
  // Within a dialog the dialog manager moves the focus, and the default
  // button with it.
  if (pParent && IsDialog(pParent->m_hWnd))
    SendMessageA(pParent->m_hWnd, WM_NEXTDLGCTL,
                 reinterpret_cast<WPARAM>(wnd.m_hWnd), TRUE);
  else
    ::SetFocus(wnd.m_hWnd);
  return pPrevious;
}

CWnd* CWin32WindowSystem::GetFocus() { return WindowOf(::GetFocus()); }

int CWin32WindowSystem::GetSystemMetrics(int nIndex) {
  return ::GetSystemMetrics(nIndex);
}

BOOL CWin32WindowSystem::GetMsg(MSG* pMsg) {
  const BOOL bResult = GetMessageA(pMsg, nullptr, 0, 0);
  if (bResult == -1) {  // no queue to read: the run ends
    pMsg->message = WM_QUIT;
    pMsg->wParam = 0;
    return FALSE;
  }
  return bResult ? TRUE : FALSE;
}

BOOL CWin32WindowSystem::PeekMsg(MSG* pMsg) {
  return PeekMessageA(pMsg, nullptr, 0, 0, PM_REMOVE) ? TRUE : FALSE;
}

void CWin32WindowSystem::PostMsg(HWND hWnd, UINT message, WPARAM wParam,
                                 LPARAM lParam) {
  if (hWnd) {
    PostMessageA(hWnd, message, wParam, lParam);
  } else if (message == WM_QUIT) {
    PostQuitMessage(static_cast<int>(wParam));
  } else {
    PostThreadMessageA(GetCurrentThreadId(), message, wParam, lParam);
  }
}

LRESULT CWin32WindowSystem::DispatchMsg(const MSG* pMsg) {
  TranslateMessage(pMsg);
  return DispatchMessageA(pMsg);
}

BOOL CWin32WindowSystem::IsDialogMsg(CWnd& dlg, MSG* pMsg) {
  return IsDialogMessageA(dlg.m_hWnd, pMsg) ? TRUE : FALSE;
}

CWnd* CWin32WindowSystem::WindowOf(HWND hWnd) {
  // Parents followed while hWnd is a child (a control's own parts).
  while (hWnd) {
    if (CWnd* pWnd = AfxWndFromHandle(hWnd)) return pWnd;
    if (!(GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD)) return nullptr;
    hWnd = GetParent(hWnd);
  }
  return nullptr;
}

CWnd* CWin32WindowSystem::GetActiveWnd() {
  if (CWnd* pActive = AfxWndFromHandle(GetActiveWindow())) return pActive;
  // Not in the foreground: the topmost of the program's enabled windows.
  for (HWND hWnd = GetTopWindow(nullptr); hWnd;
       hWnd = GetWindow(hWnd, GW_HWNDNEXT)) {
    CWnd* pWnd = AfxWndFromHandle(hWnd);
    if (!pWnd || !::IsWindowVisible(hWnd) || !::IsWindowEnabled(hWnd)) continue;
    if (pWnd->GetKind() == CWndKind::Dialog ||
        pWnd->GetKind() == CWndKind::Frame)
      return pWnd;
  }
  return nullptr;
}

UINT_PTR CWin32WindowSystem::SetTimer(HWND hWnd, UINT_PTR nIDEvent,
                                      UINT nElapse) {
  return ::SetTimer(hWnd, nIDEvent, nElapse, nullptr);
}

BOOL CWin32WindowSystem::KillTimer(HWND hWnd, UINT_PTR nIDEvent) {
  return ::KillTimer(hWnd, nIDEvent) ? TRUE : FALSE;
}

void CWin32WindowSystem::BeginPaint(CWnd& wnd) {
  PAINTSTRUCT ps;
  ::BeginPaint(wnd.m_hWnd, &ps);
  m_paints[wnd.m_hWnd] = ps;
}

BOOL CWin32WindowSystem::Blit(CWnd& wnd, UINT nBitmap, int x, int y, int cx,
                              int cy) {
  auto it = m_paints.find(wnd.m_hWnd);
  if (it == m_paints.end()) return FALSE;
  HBITMAP hBitmap = LoadBitmapA(Instance(), MAKEINTRESOURCEA(nBitmap));
  if (!hBitmap) return FALSE;
  HDC hdcMem = CreateCompatibleDC(it->second.hdc);
  BOOL bDone = FALSE;
  if (hdcMem) {
    HGDIOBJ hOld = SelectObject(hdcMem, hBitmap);
    bDone = ::BitBlt(it->second.hdc, x, y, cx, cy, hdcMem, 0, 0, SRCCOPY);
    SelectObject(hdcMem, hOld);
    DeleteDC(hdcMem);
  }
  DeleteObject(hBitmap);
  return bDone;
}

void CWin32WindowSystem::EndPaint(CWnd& wnd) {
  auto it = m_paints.find(wnd.m_hWnd);
  if (it == m_paints.end()) return;
  ::EndPaint(wnd.m_hWnd, &it->second);
  m_paints.erase(it);
}

int CWin32WindowSystem::ShowMessageBox(HWND hOwner, const char* pszText,
                                       const char* pszCaption, UINT nType,
                                       UINT nIDPrompt) {
  // Owned by the window the person is working in (a dialog over the main
  // window), which MessageBoxA disables and activates again afterwards.
  CWnd* pActive = GetActiveWnd();
  return User().MessageBoxA(pActive ? pActive->m_hWnd : hOwner, pszText,
                            pszCaption, nType, nIDPrompt);
}

void CWin32WindowSystem::SetWaitCursor(BOOL bWait) {
  ::SetCursor(LoadCursorA(nullptr, bWait ? IDC_WAIT : IDC_ARROW));
}

SIZE CWin32WindowSystem::GetDialogBaseUnits(const char* pszFont,
                                            WORD wPointSize) {
  const auto key =
      std::make_pair(std::string(pszFont ? pszFont : ""), wPointSize);
  auto it = m_baseUnits.find(key);
  if (it != m_baseUnits.end()) return it->second;
  // The dialog manager's own figures: an empty hidden dialog in that font.
  CDialogTemplate probe = {};
  probe.dwStyle = WS_POPUP;
  probe.cx = 4;
  probe.cy = 8;
  probe.pszCaption = "";
  probe.pszFont = pszFont;
  probe.wPointSize = wPointSize;
  const std::vector<WORD> data = BuildDialogTemplate(probe, WS_POPUP);
  HWND hProbe = CreateDialogIndirectParamA(
      Instance(), reinterpret_cast<LPCDLGTEMPLATEA>(data.data()), nullptr,
      MeasureProc, 0);
  RECT rect = {0, 0, 4, 8};
  if (hProbe) {
    MapDialogRect(hProbe, &rect);
    ::DestroyWindow(hProbe);
  }
  const SIZE units = {rect.right, rect.bottom};
  m_baseUnits[key] = units;
  return units;
}
