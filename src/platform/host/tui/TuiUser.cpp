#include "TuiUser.h"

#include <curses.h>

#include <algorithm>
#include <clocale>
#include <cstring>

#include "TuiDraw.h"
#include "platform/host/HostRunEnd.h"
#include "fw/ComboBox.h"
#include "fw/FrameworkUser.h"
#include "fw/WinApp.h"
#include "fw/WindowMap.h"
#include "fw/Wnd.h"
#include "res/Menu.h"

CTuiUser::CTuiUser(const std::string& strWindowDirectory)
    : CHostUser(strWindowDirectory) {}

CTuiUser::~CTuiUser() {
  for (auto& entry : m_published) Windows().RemoveOwnWindow(entry.second);
  Stop();
}

BOOL CTuiUser::Start() {
  if (m_bStarted) return TRUE;
  std::setlocale(LC_ALL, "");
  if (!initscr()) return FALSE;
  m_bStarted = TRUE;
  cbreak();
  noecho();
  nonl();
  keypad(stdscr, TRUE);
  curs_set(0);
  set_escdelay(25);
  mousemask(BUTTON1_PRESSED | BUTTON1_RELEASED | BUTTON1_CLICKED, nullptr);
  mouseinterval(0);
  return TRUE;
}

void CTuiUser::Stop() {
  if (!m_bStarted) return;
  endwin();
  m_bStarted = FALSE;
}

int CTuiUser::GetSystemMetrics(int nIndex) {
  // Cells of 5 x 13 pixels: a caption or a menu bar is one row, a frame one
  // cell wide; a thin border is drawn by no one.
  switch (nIndex) {
    case SM_CXSCREEN:
      // Only the program's windows ask: the screen comes up for them.
      return (Start() ? COLS : 80) * 5;
    case SM_CYSCREEN:
      return (Start() ? LINES : 24) * 13;
    case SM_CYCAPTION:
      return 0;
    case SM_CYMENU:
      return 13;
    case SM_CXDLGFRAME:
      return 5;
    case SM_CYDLGFRAME:
      return 13;
    default:
      return 0;
  }
}

void CTuiUser::SyncPublishedWindows() {
  // The main window's title is published in the machine's window list, so
  // that a second instance finds this one, as on Windows.
  std::vector<std::pair<HWND, HWND>> kept;
  for (auto& entry : m_published) {
    CWnd* pWnd = AfxWndFromHandle(entry.first);
    if (pWnd && pWnd->IsWindowVisible())
      kept.push_back(entry);
    else
      Windows().RemoveOwnWindow(entry.second);
  }
  m_published = kept;
  for (CWnd* pTop : AfxGetTopLevelWindows()) {
    if (!pTop->IsWindowVisible() || pTop->GetWindowText().empty()) continue;
    auto it = std::find_if(m_published.begin(), m_published.end(),
                           [&](auto& e) { return e.first == pTop->m_hWnd; });
    if (it == m_published.end())
      m_published.emplace_back(pTop->m_hWnd,
                               Windows().AddOwnWindow(pTop->GetWindowText()));
  }
}

void CTuiUser::DrawAll(const std::string& strStatus) {
  erase();
  TuiDrawWindows();
  std::string strLine = strStatus;
  if (strLine.empty())
    strLine = m_bWaitCursor ? " Busy, please wait..."
                            : " F10: menu   Tab: next   Enter: press   Esc: "
                              "cancel";
  attrset(m_bWaitCursor ? A_BOLD | A_REVERSE : A_DIM);
  mvaddnstr(LINES - 1, 0, strLine.c_str(), COLS);
  attrset(0);
  refresh();
}

void CTuiUser::Render() {
  if (AfxGetTopLevelWindows().empty() || !Start()) return;
  SyncPublishedWindows();
  DrawAll();
}

void CTuiUser::SetWaitCursor(BOOL bWait) {
  m_bWaitCursor = bWait;
  CHostUser::SetWaitCursor(bWait);
}

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
  timeout(nTimeout);
  const int nKey = getch();
  if (nKey == ERR) {
    CheckHostEndSignal();  // a signal ends the wait with ERR
    return FALSE;
  }
  if (nKey == KEY_RESIZE) {
    DrawAll();
    return FALSE;
  }
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
      return 0;
  }
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
  // F4 or the space bar opens a focused drop-down list.
  CWnd* pFocus = AfxWndFromHandle(hTarget);
  if ((nVk == VK_F4 || nVk == VK_SPACE) && pFocus &&
      pFocus->GetKind() == CWndKind::ComboBox)
    return OpenComboList(*pFocus, pMsg);
  QueueKey(hTarget, nVk, lFlags, nVk == VK_F10, pMsg);
  return TRUE;
}

namespace {
CWnd* ChildAt(CWnd& parent, POINT pt) {
  const auto& children = parent.GetChildren();
  // The last created child lies on top; group boxes lie under their
  // controls, so they are found only where nothing else is.
  CWnd* pGroup = nullptr;
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    CWnd* pChild = *it;
    if (!(pChild->GetStyle() & WS_VISIBLE)) continue;
    RECT rc;
    pChild->GetWindowRect(&rc);
    if (pt.x < rc.left || pt.x >= rc.right || pt.y < rc.top ||
        pt.y >= rc.bottom)
      continue;
    if (!pChild->GetChildren().empty())
      if (CWnd* pDeeper = ChildAt(*pChild, pt)) return pDeeper;
    auto* pButton = dynamic_cast<CWnd*>(pChild);
    if (pButton && (pChild->GetStyle() & BS_TYPEMASK) == BS_GROUPBOX &&
        pChild->GetKind() == CWndKind::Button) {
      pGroup = pChild;
      continue;
    }
    return pChild;
  }
  return pGroup;
}
}  // namespace

BOOL CTuiUser::TranslateMouse(MSG* pMsg) {
  MEVENT event;
  if (getmouse(&event) != OK) return FALSE;
  if (!(event.bstate & (BUTTON1_PRESSED | BUTTON1_CLICKED))) return FALSE;
  for (CWnd* pTop : AfxGetTopLevelWindows()) {
    if (!pTop->IsWindowVisible()) continue;
    const CCellMapping map = TuiMappingOf(*pTop);
    const CCellRect cell = map.Map(map.window);
    if (event.x < cell.col || event.x >= cell.col + cell.cols ||
        event.y < cell.row || event.y >= cell.row + cell.rows)
      continue;
    // The non-client parts: close box, menu bar, caption.
    if (event.y == cell.row) {
      const BOOL bClose = (pTop->GetStyle() & WS_SYSMENU) &&
                          event.x >= cell.col + cell.cols - 4;
      *pMsg = AfxMakeMsg(pTop->m_hWnd, WM_NCLBUTTONDOWN,
                         bClose ? HTCLOSE : HTCAPTION);
      return TRUE;
    }
    if (pTop->GetMenu() && event.y == cell.row + 1) {
      for (size_t i = 0; i < pTop->GetMenu()->nPopups; ++i) {
        const CCellRect title = TuiMenuTitleRect(*pTop, static_cast<int>(i));
        if (event.x >= title.col && event.x < title.col + title.cols) {
          *pMsg = AfxMakeMsg(pTop->m_hWnd, WM_NCLBUTTONDOWN, HTMENU,
                             static_cast<LPARAM>(i));
          return TRUE;
        }
      }
      return FALSE;
    }
    CWnd* pTarget = ChildAt(*pTop, map.Unmap(event.x, event.y));
    if (!pTarget) pTarget = pTop;
    if (pTarget->GetKind() == CWndKind::ComboBox && pTarget->IsInputEnabled()) {
      *pMsg = AfxMakeMsg(pTarget->m_hWnd, WM_LBUTTONDOWN, 1);
      MSG select;
      if (OpenComboList(*pTarget, &select)) m_pending.push_back(select);
      return TRUE;
    }
    *pMsg = AfxMakeMsg(pTarget->m_hWnd, WM_LBUTTONDOWN, 1);
    m_pending.push_back(AfxMakeMsg(pTarget->m_hWnd, WM_LBUTTONUP));
    return TRUE;
  }
  return FALSE;
}

BOOL CTuiUser::OpenComboList(CWnd& wnd, MSG* pMsg) {
  auto& combo = static_cast<CComboBox&>(wnd);
  if (combo.GetCount() == 0) return FALSE;
  RECT rc;
  combo.GetWindowRect(&rc);
  const CCellRect cell = TuiMappingOf(*combo.GetTopLevelParent()).Map(rc);
  int nSel = std::max(combo.GetCurSel(), 0);
  const int nCount = combo.GetCount();
  const int nRows = std::min(nCount, std::max(3, LINES - 2));
  const int nWidth = std::max(cell.cols, 8);
  int nTop = std::min(cell.row + 1, LINES - nRows - 2);
  for (;;) {
    const int nFirst = std::max(0, std::min(nSel - nRows / 2, nCount - nRows));
    TuiDrawBox(nTop, cell.col, nRows + 2, nWidth, "", 0);
    for (int r = 0; r < nRows; ++r) {
      std::string strItem = combo.GetLBText(nFirst + r);
      strItem.resize(static_cast<size_t>(nWidth - 2), ' ');
      attrset(nFirst + r == nSel ? A_REVERSE : 0);
      mvaddnstr(nTop + 1 + r, cell.col + 1, strItem.c_str(), nWidth - 2);
      attrset(0);
    }
    refresh();
    timeout(-1);
    const int nKey = getch();
    if (nKey == KEY_UP && nSel > 0) --nSel;
    if (nKey == KEY_DOWN && nSel + 1 < nCount) ++nSel;
    if (nKey == KEY_HOME) nSel = 0;
    if (nKey == KEY_END) nSel = nCount - 1;
    if (nKey == 27 || nKey == KEY_F(4)) {
      DrawAll();
      return FALSE;
    }
    if (nKey == '\r' || nKey == '\n' || nKey == KEY_ENTER || nKey == ' ') break;
    if (nKey == KEY_MOUSE) {
      MEVENT event;
      if (getmouse(&event) == OK && event.x > cell.col &&
          event.x < cell.col + nWidth - 1 && event.y > nTop &&
          event.y <= nTop + nRows) {
        nSel = nFirst + event.y - nTop - 1;
        break;
      }
    }
  }
  *pMsg = AfxMakeMsg(combo.m_hWnd, CBM_USERSELECT, static_cast<WPARAM>(nSel));
  DrawAll();
  return TRUE;
}

UINT CTuiUser::TrackMenu(CWnd& wnd, int nPopup) {
  const CMenuTemplate* pMenu = wnd.GetMenu();
  if (!pMenu || !Start()) return 0;
  int nCurrent = std::max(nPopup, 0);
  int nItem = 0;
  BOOL bOpen = nPopup >= 0;
  for (;;) {
    DrawAll(" Left/Right: menu   Up/Down: item   Enter: choose   Esc: leave");
    const CCellRect title = TuiMenuTitleRect(wnd, nCurrent);
    const CPopupTemplate& popup = pMenu->pPopups[nCurrent];
    attrset(A_REVERSE);
    mvaddstr(title.row, title.col,
             (" " + TuiLabel(popup.pszText) + " ").c_str());
    attrset(0);
    int nWidth = 0;
    for (size_t i = 0; i < popup.nItems; ++i)
      nWidth =
          std::max(nWidth, TuiTextWidth(TuiLabel(popup.pItems[i].pszText)));
    nWidth += 4;
    if (bOpen) {
      TuiDrawBox(title.row + 1, title.col, static_cast<int>(popup.nItems) + 2,
                 nWidth, "", 0);
      for (size_t i = 0; i < popup.nItems; ++i) {
        std::string strItem = " " + TuiLabel(popup.pItems[i].pszText);
        strItem.resize(static_cast<size_t>(nWidth - 2), ' ');
        attrset(static_cast<int>(i) == nItem ? A_REVERSE : 0);
        mvaddstr(title.row + 2 + static_cast<int>(i), title.col + 1,
                 strItem.c_str());
        attrset(0);
      }
    }
    refresh();
    timeout(-1);
    const int nKey = getch();
    const int nItems = static_cast<int>(popup.nItems);
    if (nKey == 27 || nKey == KEY_F(10)) break;
    if (nKey == KEY_LEFT || nKey == KEY_RIGHT) {
      const int nStep = nKey == KEY_LEFT ? -1 : 1;
      const int nPopups = static_cast<int>(pMenu->nPopups);
      nCurrent = (nCurrent + nStep + nPopups) % nPopups;
      nItem = 0;
    } else if (nKey == KEY_DOWN) {
      if (bOpen) nItem = (nItem + 1) % nItems;
      bOpen = TRUE;
    } else if (nKey == KEY_UP && bOpen) {
      nItem = (nItem + nItems - 1) % nItems;
    } else if (nKey == '\r' || nKey == '\n' || nKey == KEY_ENTER) {
      if (bOpen) return popup.pItems[nItem].nID;
      bOpen = TRUE;
    } else if (nKey == KEY_MOUSE) {
      MEVENT event;
      if (getmouse(&event) != OK) continue;
      if (bOpen && event.y >= title.row + 2 &&
          event.y < title.row + 2 + nItems && event.x > title.col &&
          event.x < title.col + nWidth)
        return popup.pItems[event.y - title.row - 2].nID;
      BOOL bHit = FALSE;
      for (size_t i = 0; i < pMenu->nPopups; ++i) {
        const CCellRect t = TuiMenuTitleRect(wnd, static_cast<int>(i));
        if (event.y == t.row && event.x >= t.col && event.x < t.col + t.cols) {
          nCurrent = static_cast<int>(i);
          nItem = 0;
          bOpen = TRUE;
          bHit = TRUE;
        }
      }
      if (!bHit) break;
    } else if (nKey > 0 && nKey < 128 && std::isalpha(nKey)) {
      // A mnemonic: of an item when the popup is open, else of a title.
      const int nUpper = std::toupper(nKey);
      if (bOpen) {
        for (size_t i = 0; i < popup.nItems; ++i) {
          const char* pszAmp = std::strchr(popup.pItems[i].pszText, '&');
          if (pszAmp &&
              std::toupper(static_cast<unsigned char>(pszAmp[1])) == nUpper)
            return popup.pItems[i].nID;
        }
      }
      for (size_t i = 0; i < pMenu->nPopups; ++i) {
        const char* pszAmp = std::strchr(pMenu->pPopups[i].pszText, '&');
        if (pszAmp &&
            std::toupper(static_cast<unsigned char>(pszAmp[1])) == nUpper) {
          nCurrent = static_cast<int>(i);
          nItem = 0;
          bOpen = TRUE;
        }
      }
    }
  }
  DrawAll();
  return 0;
}
