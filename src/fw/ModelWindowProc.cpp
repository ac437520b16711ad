// The portable model's messages: sending and dispatching, the windows'
// default behaviour, the dialog manager, painting and the menu bar's keys.
#include <cctype>
#include <cstring>

#include "DialogControls.h"
#include "DialogNavigation.h"
#include "DialogTemplate.h"
#include "MenuTemplate.h"
#include "ModelWindowSystem.h"
#include "UiAdapter.h"
#include "WindowMap.h"
#include "Wnd.h"

namespace {
// The popup whose title has Alt+wKey as its mnemonic, -1 for none.
int PopupOfMnemonic(const CMenuTemplate& menu, WPARAM wKey) {
  for (size_t i = 0; i < menu.nPopups; ++i) {
    const char* pszAmp = std::strchr(menu.pPopups[i].pszText, '&');
    if (pszAmp && std::toupper(static_cast<unsigned char>(pszAmp[1])) ==
                      static_cast<int>(wKey))
      return static_cast<int>(i);
  }
  return -1;
}

void TrackMenuFrom(CWnd& frame, int nPopup) {
  const UINT nCmd = Ui().TrackMenu(frame, nPopup);
  if (nCmd) frame.SendMessage(WM_COMMAND, MAKEWPARAM(nCmd, 0), 0);
}
}  // namespace

BOOL CModelWindowSystem::CreateDialogWnd(CWnd& wnd, const CDialogTemplate& dlg,
                                         DWORD dwStyle, CWnd* pParent,
                                         UINT nID) {
  // Created with the client size, then grown by the frame the style gives.
  const RECT client = AfxMapDialogRect(dlg, 0, 0, dlg.cx, dlg.cy);
  if (!wnd.CreateEx(dwStyle, (dwStyle & WS_CHILD) ? "" : dlg.pszCaption, client,
                    pParent, nID))
    return FALSE;
  const RECT insets = wnd.NonClientInsets();
  wnd.MoveWindow(0, 0, client.right + insets.left + insets.right,
                 client.bottom + insets.top + insets.bottom);
  return TRUE;
}

LRESULT CModelWindowSystem::Send(CWnd& wnd, UINT message, WPARAM wParam,
                                 LPARAM lParam) {
  return wnd.WindowProc(message, wParam, lParam);
}

BOOL CModelWindowSystem::OnMenuInput(CWnd& frame, UINT message, WPARAM wParam,
                                     LPARAM lParam) {
  const CMenuTemplate* pMenu = frame.GetMenu();
  if (!pMenu || frame.GetParent()) return FALSE;
  if (message == WM_SYSKEYDOWN) {
    if (wParam == VK_F10 || wParam == VK_MENU) {
      TrackMenuFrom(frame, -1);
      return TRUE;
    }
    if (wParam == VK_F4) {
      frame.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
      return TRUE;
    }
    const int nPopup = PopupOfMnemonic(*pMenu, wParam);
    if (nPopup < 0) return FALSE;
    TrackMenuFrom(frame, nPopup);
    return TRUE;
  }
  if (message == WM_NCLBUTTONDOWN && wParam == HTMENU) {
    // The adapter puts the popup it hit into lParam's low word.
    TrackMenuFrom(frame, static_cast<int>(static_cast<short>(LOWORD(lParam))));
    return TRUE;
  }
  return FALSE;
}

LRESULT CModelWindowSystem::DefProc(CWnd& wnd, UINT message, WPARAM wParam,
                                    LPARAM lParam) {
  if (OnMenuInput(wnd, message, wParam, lParam)) return 0;
  CWnd* pParent = wnd.GetParent();
  switch (message) {
    case WM_PAINT:
      wnd.ValidateRect();
      return 0;
    case WM_CLOSE:
      wnd.DestroyWindow();
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) wnd.SendMessage(WM_CLOSE);
      return 0;
    case WM_NCLBUTTONDOWN:
      if (wParam == HTCLOSE && (wnd.GetStyle() & WS_SYSMENU))
        wnd.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
      return 0;
    case WM_SYSKEYDOWN:
      // Menu keys reach the top-level window whatever has the focus.
      if (pParent)
        return wnd.GetTopLevelParent()->SendMessage(message, wParam, lParam);
      return 0;
    case WM_SETCURSOR:
      // Windows asks the parent first; FALSE lets the class cursor show.
      return pParent ? pParent->SendMessage(WM_SETCURSOR, wParam, 0) : 0;
    default:
      return 0;
  }
}

LRESULT CModelWindowSystem::DispatchMsg(const MSG* pMsg) {
  CWnd* pWnd = AfxWndFromHandle(pMsg->hwnd);
  if (!pWnd) return 0;
  return pWnd->WindowProc(pMsg->message, pMsg->wParam, pMsg->lParam);
}

BOOL CModelWindowSystem::IsDialogMsg(CWnd& dlg, MSG* pMsg) {
  return AfxIsDialogMessage(dlg, pMsg);
}

CWnd* CModelWindowSystem::WindowOf(HWND hWnd) { return AfxWndFromHandle(hWnd); }

CWnd* CModelWindowSystem::GetActiveWnd() {
  for (CWnd* pWnd : AfxGetTopLevelWindows()) {
    const CWndKind kind = pWnd->GetKind();
    if ((kind == CWndKind::Dialog || kind == CWndKind::Frame) &&
        pWnd->IsWindowVisible() && pWnd->IsWindowEnabled())
      return pWnd;
  }
  return nullptr;
}

void CModelWindowSystem::BeginPaint(CWnd& wnd) { wnd.ClearBlits(); }

BOOL CModelWindowSystem::Blit(CWnd& wnd, UINT nBitmap, int x, int y, int cx,
                              int cy) {
  wnd.AddBlit(CBlit{nBitmap, x, y, cx, cy});
  return TRUE;
}

void CModelWindowSystem::EndPaint(CWnd& wnd) { wnd.ValidateRect(); }
