// The window procedure of the real windows: input becomes the framework's
// input, painting shows the framework's bitmaps, the cursor is the
// framework's to choose; everything else is the real window's own.
#include <cstring>

#include "Win32Menu.h"
#include "Win32Mirrors.h"
#include "fw/ComboBox.h"
#include "fw/WindowMap.h"
#include "fw/Wnd.h"

namespace {
bool IsKeyMessage(UINT message) {
  return message >= WM_KEYFIRST && message <= WM_KEYLAST;
}

bool IsClientMouseMessage(UINT message) {
  return message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK;
}

bool IsNonClientButton(UINT message) {
  return message >= WM_NCLBUTTONDOWN && message <= WM_NCMBUTTONDBLCLK;
}

bool IsRealComboBox(HWND hReal) {
  char szClass[32];
  return GetClassNameA(hReal, szClass, sizeof(szClass)) &&
         lstrcmpiA(szClass, "ComboBox") == 0;
}

// A double click is a second press to the framework, as to Windows' buttons.
UINT Undouble(UINT message) {
  switch (message) {
    case WM_LBUTTONDBLCLK:
      return WM_LBUTTONDOWN;
    case WM_RBUTTONDBLCLK:
      return WM_RBUTTONDOWN;
    case WM_MBUTTONDBLCLK:
      return WM_MBUTTONDOWN;
    case WM_NCLBUTTONDBLCLK:
      return WM_NCLBUTTONDOWN;
    case WM_NCRBUTTONDBLCLK:
      return WM_NCRBUTTONDOWN;
    case WM_NCMBUTTONDBLCLK:
      return WM_NCMBUTTONDOWN;
    default:
      return message;
  }
}

void Queue(HWND hFramework, UINT message, WPARAM wParam, LPARAM lParam) {
  CWin32Mirrors::Get().QueueInput(
      MSG{hFramework, message, wParam, lParam, GetTickCount(), {0, 0}});
}

// Keys go to the framework's focus when it lies in the active window, else
// to the active window.
HWND KeyTarget() {
  CWnd* pActive = AfxGetActiveWindow();
  CWnd* pFocus = CWnd::GetFocus();
  if (pFocus && pActive && pFocus->GetTopLevelParent() == pActive)
    return pFocus->m_hWnd;
  return pActive ? pActive->m_hWnd : nullptr;
}

// A real combo box opens and runs its own list; the choice reaches the
// framework as CBM_USERSELECT. It takes the focus like any control.
bool LetComboHandle(HWND hReal, HWND hFramework, UINT message) {
  if (!IsRealComboBox(hReal)) return false;
  if (IsKeyMessage(message))
    return SendMessageA(hReal, CB_GETDROPPEDSTATE, 0, 0) != 0;
  if (message == WM_LBUTTONDOWN)
    if (CWnd* pCombo = AfxWndFromHandle(hFramework))
      if (pCombo->IsInputEnabled()) pCombo->SetFocus();
  return IsClientMouseMessage(message);
}

// TRUE when the message was input, now queued for the framework.
bool TranslateInput(HWND hReal, HWND hFramework, UINT message, WPARAM wParam,
                    LPARAM lParam) {
  if (LetComboHandle(hReal, hFramework, message)) return false;
  if (IsKeyMessage(message)) {
    if (message == WM_CHAR || message == WM_SYSCHAR || message == WM_DEADCHAR ||
        message == WM_SYSDEADCHAR)
      return true;  // the framework works on key presses alone
    if (HWND hTarget = KeyTarget()) Queue(hTarget, message, wParam, lParam);
    return true;
  }
  if (IsClientMouseMessage(message)) {
    Queue(hFramework, Undouble(message), wParam, lParam);
    return true;
  }
  if (IsNonClientButton(message)) {
    const UINT nDown = Undouble(message);
    if (nDown != WM_NCLBUTTONDOWN && nDown != WM_NCRBUTTONDOWN &&
        nDown != WM_NCMBUTTONDOWN)
      return true;  // releases: the framework acts on presses
    if (wParam == HTMENU) {
      // The popup of the menu bar that was hit, in lParam's low word.
      const POINT pt = {static_cast<short>(LOWORD(lParam)),
                        static_cast<short>(HIWORD(lParam))};
      const int nPopup = MenuBarItemAt(hReal, pt);
      lParam = MAKELPARAM(static_cast<WORD>(nPopup), 0);
    }
    Queue(hFramework, nDown, wParam, lParam);
    return true;
  }
  return false;
}

void OnRealCommand(HWND hFramework, WPARAM wParam, LPARAM lParam) {
  const HWND hControl = reinterpret_cast<HWND>(lParam);
  if (!hControl) {  // a menu command
    Queue(hFramework, WM_COMMAND, MAKEWPARAM(LOWORD(wParam), 0), 0);
    return;
  }
  if (HIWORD(wParam) != CBN_SELCHANGE) return;
  const HWND hCombo = CWin32Mirrors::Get().FrameworkOf(hControl);
  const LRESULT nIndex = SendMessageA(hControl, CB_GETCURSEL, 0, 0);
  if (hCombo && nIndex != CB_ERR)
    Queue(hCombo, CBM_USERSELECT, static_cast<WPARAM>(nIndex), 0);
}

// The bitmaps the framework's last paint put on the window.
void PaintBlits(HWND hReal, HWND hFramework) {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hReal, &ps);
  CWnd* pWnd = AfxWndFromHandle(hFramework);
  HDC hdcMem = pWnd ? CreateCompatibleDC(hdc) : nullptr;
  for (size_t i = 0; hdcMem && i < pWnd->GetBlits().size(); ++i) {
    const CBlit& blit = pWnd->GetBlits()[i];
    HBITMAP hBitmap =
        LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(blit.nBitmap));
    if (!hBitmap) continue;
    HGDIOBJ hOld = SelectObject(hdcMem, hBitmap);
    BitBlt(hdc, blit.x, blit.y, blit.cx, blit.cy, hdcMem, 0, 0, SRCCOPY);
    SelectObject(hdcMem, hOld);
    DeleteObject(hBitmap);
  }
  if (hdcMem) DeleteDC(hdcMem);
  EndPaint(hReal, &ps);
}

bool IsMirrorClass(HWND hReal) {
  char szClass[64];
  return GetClassNameA(hReal, szClass, sizeof(szClass)) &&
         std::strcmp(szClass, MirrorWindowClass()) == 0;
}

// TRUE when the message was handled here, with *plResult its result.
bool HandleForFramework(HWND hReal, HWND hFramework, UINT message,
                        WPARAM wParam, LPARAM lParam, LRESULT* plResult) {
  *plResult = 0;
  if (TranslateInput(hReal, hFramework, message, wParam, lParam)) return true;
  switch (message) {
    case WM_ACTIVATE:
      CWin32Mirrors::Get().OnRealRestack();
      return false;
    case WM_WINDOWPOSCHANGED:
      if (!(reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_NOZORDER) &&
          !(GetWindowLongA(hReal, GWL_STYLE) & WS_CHILD))
        CWin32Mirrors::Get().OnRealRestack();
      return false;
    case WM_SETCURSOR:
      if (CWnd* pWnd = AfxWndFromHandle(hFramework)) {
        if (pWnd->SendMessage(WM_SETCURSOR,
                              reinterpret_cast<WPARAM>(hFramework), lParam)) {
          *plResult = TRUE;
          return true;
        }
      }
      return false;
    case WM_PAINT:
      if (!IsMirrorClass(hReal)) return false;
      PaintBlits(hReal, hFramework);
      return true;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) != SC_CLOSE) return false;
      Queue(hFramework, WM_SYSCOMMAND, SC_CLOSE, 0);
      return true;
    case WM_CLOSE:
      Queue(hFramework, WM_CLOSE, 0, 0);
      return true;
    case WM_COMMAND:
      OnRealCommand(hFramework, wParam, lParam);
      return true;
    default:
      return false;
  }
}
}  // namespace

LRESULT CALLBACK MirrorWindowProc(HWND hWnd, UINT message, WPARAM wParam,
                                  LPARAM lParam) {
  CWin32Mirrors& mirrors = CWin32Mirrors::Get();
  const WNDPROC pfnOriginal = mirrors.OriginalProc(hWnd);
  if (HWND hFramework = mirrors.FrameworkOf(hWnd)) {
    LRESULT lResult = 0;
    if (HandleForFramework(hWnd, hFramework, message, wParam, lParam, &lResult))
      return lResult;
  }
  if (message == WM_NCDESTROY) RemovePropA(hWnd, "quorrel.OriginalProc");
  return CallWindowProcA(pfnOriginal, hWnd, message, wParam, lParam);
}

const char* MirrorWindowClass() {
  static const char* s_pszClass = [] {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = MirrorWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "QuorrelWindow";
    RegisterClassA(&wc);
    return "QuorrelWindow";
  }();
  return s_pszClass;
}
