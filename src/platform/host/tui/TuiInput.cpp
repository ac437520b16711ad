// Keys and mouse clicks turned into window messages: keys for the focus
// (or the active window), clicks for the control under the pointer.
#include <curses.h>

#include <algorithm>
#include <cctype>

#include "TuiDraw.h"
#include "TuiUser.h"
#include "fw/Button.h"
#include "fw/ComboBox.h"
#include "fw/FrameworkUser.h"
#include "fw/MenuTemplate.h"
#include "fw/WindowMap.h"
#include "fw/Wnd.h"

BOOL CTuiUser::WaitInput(MSG* pMsg, DWORD dwTimeout) {
  if (!m_pending.empty()) {
    *pMsg = m_pending.front();
    m_pending.pop_front();
    return TRUE;
  }
  if (AfxGetTopLevelWindows().empty() || !Start())
    return AfxMakeSafeInput(pMsg);
  const int nTimeout = dwTimeout == INFINITE    ? -1
                       : dwTimeout > 0x7FFFFFFF ? 0x7FFFFFFF
                                                : static_cast<int>(dwTimeout);
  return ReadInput(pMsg, nTimeout);
}

BOOL CTuiUser::ReadInput(MSG* pMsg, int nTimeout) {
  const int nKey = WaitKey(nTimeout);
  if (nKey == ERR || nKey == kKeyRunEnds) return FALSE;
  if (nKey == KEY_RESIZE) {
    DrawAll();
    return FALSE;
  }
  CWnd* pActive = AfxGetActiveWindow();
  if (pActive && !TuiWindowFits(*pActive)) return TranslateHidden(nKey, pMsg);
  if (nKey == KEY_MOUSE) return TranslateMouse(pMsg);
  return TranslateKey(nKey, pMsg);
}

void CTuiUser::QueueKey(HWND hWnd, UINT nVirtualKey, LPARAM lFlags, BOOL bSys,
                        MSG* pMsg) {
  *pMsg =
      AfxMakeMsg(hWnd, bSys ? WM_SYSKEYDOWN : WM_KEYDOWN, nVirtualKey, lFlags);
  m_pending.push_back(
      AfxMakeMsg(hWnd, bSys ? WM_SYSKEYUP : WM_KEYUP, nVirtualKey, lFlags));
}

namespace {
// Keys go to the focus when it lies in the active window, else to the
// active window.
HWND KeyTarget() {
  CWnd* pActive = AfxGetActiveWindow();
  CWnd* pFocus = CWnd::GetFocus();
  if (pFocus && pActive && pFocus->GetTopLevelParent() == pActive)
    return pFocus->m_hWnd;
  return pActive ? pActive->m_hWnd : nullptr;
}

constexpr UINT kVkF1 = 0x70;
constexpr UINT kVkUnmapped = 0xFF;

UINT VirtualKeyOf(int nKey, LPARAM* plFlags) {
  switch (nKey) {
    case '\t':
      return VK_TAB;
    case KEY_BTAB:
      *plFlags |= kKeyShiftDown;
      return VK_TAB;
    case '\r':
    case '\n':
    case KEY_ENTER:
      return VK_RETURN;
    case ' ':
      return VK_SPACE;
    case KEY_UP:
      return VK_UP;
    case KEY_DOWN:
      return VK_DOWN;
    case KEY_LEFT:
      return VK_LEFT;
    case KEY_RIGHT:
      return VK_RIGHT;
    case KEY_HOME:
      return VK_HOME;
    case KEY_END:
      return VK_END;
    case KEY_F(10):
      return VK_F10;
    case KEY_F(4):
      return VK_F4;
    case KEY_BACKSPACE:
    case 127:
      return VK_BACK;
    default:
      if (nKey >= 'a' && nKey <= 'z')
        return static_cast<UINT>(nKey - 'a' + 'A');
      if ((nKey >= 'A' && nKey <= 'Z') || (nKey >= '0' && nKey <= '9'))
        return static_cast<UINT>(nKey);
      if (nKey >= KEY_F(1) && nKey <= KEY_F(12))
        return static_cast<UINT>(kVkF1 + nKey - KEY_F(1));
      // Any other key still is a key press (the splash picture closes on
      // one); no control takes it.
      return nKey > 0 && nKey != KEY_MOUSE ? kVkUnmapped : 0;
  }
}
}  // namespace

namespace {
BOOL SelectByInitial(CComboBox& combo, int nKey, MSG* pMsg) {
  const int nCount = combo.GetCount();
  const int nUpper = std::toupper(nKey);
  for (int i = 1; i <= nCount; ++i) {
    const int nItem = (std::max(combo.GetCurSel(), -1) + i + nCount) % nCount;
    const std::string strItem = combo.GetLBText(nItem);
    if (!strItem.empty() &&
        std::toupper(static_cast<unsigned char>(strItem[0])) == nUpper) {
      *pMsg =
          AfxMakeMsg(combo.m_hWnd, CBM_USERSELECT, static_cast<WPARAM>(nItem));
      return TRUE;
    }
  }
  return FALSE;
}
}  // namespace

BOOL CTuiUser::TranslateKey(int nKey, MSG* pMsg) {
  HWND hTarget = KeyTarget();
  if (!hTarget) return FALSE;
  if (nKey == 27) {
    // Alt+key arrives as Escape followed by the key.
    timeout(0);
    const int nNext = getch();
    if (nNext == ERR) {
      QueueKey(hTarget, VK_ESCAPE, 0, FALSE, pMsg);
      return TRUE;
    }
    LPARAM lFlags = kKeyAltDown;
    const UINT nVk = VirtualKeyOf(nNext, &lFlags);
    if (!nVk) return FALSE;
    QueueKey(hTarget, nVk, lFlags, TRUE, pMsg);
    return TRUE;
  }
  LPARAM lFlags = 0;
  const UINT nVk = VirtualKeyOf(nKey, &lFlags);
  if (!nVk) return FALSE;
  // F4 or the space bar opens a focused drop-down list; a letter or digit
  // selects its next entry that begins with it.
  CWnd* pFocus = AfxWndFromHandle(hTarget);
  if (pFocus && pFocus->GetKind() == CWndKind::ComboBox) {
    if (nVk == VK_F4 || nVk == VK_SPACE) return OpenComboList(*pFocus, pMsg);
    if (nKey > 0 && nKey < 128 && std::isalnum(nKey))
      return SelectByInitial(static_cast<CComboBox&>(*pFocus), nKey, pMsg);
  }
  QueueKey(hTarget, nVk, lFlags, nVk == VK_F10, pMsg);
  return TRUE;
}

namespace {
BOOL Inside(const CCellRect& cell, int col, int row) {
  return col >= cell.col && col < cell.col + cell.cols && row >= cell.row &&
         row < cell.row + cell.rows;
}

// The control under a cell: the last laid out lies on top; group boxes and
// child windows lie under their controls, so they are found only where
// nothing else is.
CWnd* ItemAt(const CTuiWindowLayout& shown, int col, int row) {
  CWnd* pUnder = nullptr;
  for (size_t i = shown.wnds.size(); i-- > 0;) {
    if (!Inside(shown.layout.cells[i], col, row)) continue;
    CWnd* pWnd = shown.wnds[i];
    auto* pButton = dynamic_cast<CButton*>(pWnd);
    if ((pButton && pButton->IsGroupBox()) || !pWnd->GetChildren().empty()) {
      if (!pUnder) pUnder = pWnd;
      continue;
    }
    return pWnd;
  }
  return pUnder;
}

UINT DownMessage(mmask_t state, BOOL bClient) {
  if (state & (BUTTON1_PRESSED | BUTTON1_CLICKED))
    return bClient ? WM_LBUTTONDOWN : WM_NCLBUTTONDOWN;
  if (state & (BUTTON3_PRESSED | BUTTON3_CLICKED))
    return bClient ? WM_RBUTTONDOWN : WM_NCRBUTTONDOWN;
  if (state & (BUTTON2_PRESSED | BUTTON2_CLICKED))
    return bClient ? WM_MBUTTONDOWN : WM_NCMBUTTONDOWN;
  return 0;
}
}  // namespace

BOOL CTuiUser::TranslateMouse(MSG* pMsg) {
  MEVENT event;
  if (getmouse(&event) != OK || !DownMessage(event.bstate, TRUE)) return FALSE;
  const BOOL bLeft = DownMessage(event.bstate, TRUE) == WM_LBUTTONDOWN;
  for (CWnd* pTop : AfxGetTopLevelWindows()) {
    if (!pTop->IsWindowVisible()) continue;
    const CTuiWindowLayout shown = TuiLayoutOf(*pTop);
    const CCellRect& cell = shown.layout.window;
    if (!shown.layout.bFits || !Inside(cell, event.x, event.y)) continue;
    // The non-client parts: close box, menu bar, caption.
    if (event.y == cell.row) {
      const BOOL bClose = bLeft && (pTop->GetStyle() & WS_SYSMENU) &&
                          event.x >= cell.col + cell.cols - 4;
      *pMsg = AfxMakeMsg(pTop->m_hWnd, DownMessage(event.bstate, FALSE),
                         bClose ? HTCLOSE : HTCAPTION);
      return TRUE;
    }
    if (pTop->GetMenu() && event.y == cell.row + 1) {
      for (size_t i = 0; i < pTop->GetMenu()->nPopups; ++i) {
        const CCellRect title = TuiMenuTitleRect(*pTop, static_cast<int>(i));
        if (Inside(title, event.x, event.y)) {
          *pMsg = AfxMakeMsg(pTop->m_hWnd, DownMessage(event.bstate, FALSE),
                             HTMENU, static_cast<LPARAM>(i));
          return TRUE;
        }
      }
      return FALSE;
    }
    CWnd* pTarget = ItemAt(shown, event.x, event.y);
    if (!pTarget) pTarget = pTop;
    const UINT nDown = DownMessage(event.bstate, TRUE);
    *pMsg = AfxMakeMsg(pTarget->m_hWnd, nDown, 1);
    if (!bLeft) {
      m_pending.push_back(AfxMakeMsg(pTarget->m_hWnd, nDown + 1));
      return TRUE;
    }
    if (pTarget->GetKind() == CWndKind::ComboBox && pTarget->IsInputEnabled()) {
      MSG select;
      if (OpenComboList(*pTarget, &select)) m_pending.push_back(select);
      return TRUE;
    }
    m_pending.push_back(AfxMakeMsg(pTarget->m_hWnd, WM_LBUTTONUP));
    return TRUE;
  }
  return FALSE;
}

BOOL CTuiUser::TranslateHidden(int nKey, MSG* pMsg) {
  // What the user can't see can't be answered: only a lone Escape acts,
  // as the window's Cancel.
  if (nKey == KEY_MOUSE) {
    MEVENT event;
    getmouse(&event);
    return FALSE;
  }
  if (nKey != 27) return FALSE;
  timeout(0);
  if (getch() != ERR) return FALSE;
  QueueKey(KeyTarget(), VK_ESCAPE, 0, FALSE, pMsg);
  return TRUE;
}
