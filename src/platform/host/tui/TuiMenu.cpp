// The menu bar and its popups, run as a loop of their own until a command
// is chosen or the menu is left. A menu the screen can't hold whole is not
// shown, and then only Escape (or F10) acts: it leaves the menu.
#include <curses.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "TuiBoxLayout.h"
#include "TuiDraw.h"
#include "TuiUser.h"
#include "fw/MenuTemplate.h"
#include "fw/Wnd.h"

namespace {
struct CMenuState {
  int nCurrent;  // the popup whose title is highlighted
  int nItem;     // the highlighted item of an open popup
  BOOL bOpen;
};

// The loop goes on, or ends with a command (0: none).
struct CMenuStep {
  BOOL bDone;
  UINT nCommand;
};

std::vector<std::string> Titles(const CMenuTemplate& menu) {
  std::vector<std::string> titles;
  for (size_t i = 0; i < menu.nPopups; ++i)
    titles.push_back(TuiFromCodePage(TuiLabel(menu.pPopups[i].pszText)));
  return titles;
}

std::vector<std::string> Items(const CPopupTemplate& popup) {
  std::vector<std::string> items;
  for (size_t i = 0; i < popup.nItems; ++i)
    items.push_back(TuiFromCodePage(TuiLabel(popup.pItems[i].pszText)));
  return items;
}

CTuiMenuLayout LayOut(CWnd& frame, const CMenuTemplate& menu,
                      const CMenuState& state) {
  const CTuiLayout window = TuiLayoutOf(frame).layout;
  CTuiMenuLayout layout = TuiLayOutMenu(
      TuiMenuBarCell(frame), Titles(menu), Items(menu.pPopups[state.nCurrent]),
      state.bOpen ? state.nCurrent : -1, COLS, TuiWindowRows());
  if (!window.bFits) {
    // The bar is the frame's: what the frame needs, the menu needs.
    layout.bFits = FALSE;
    layout.nMinCols = window.nMinCols;
    layout.nMinRows = window.nMinRows;
  }
  return layout;
}

std::string StatusOf(const CMenuState& state, const CTuiMenuLayout& layout) {
  if (!layout.bFits) return " Make the terminal larger   Esc: close menu";
  return state.bOpen ? " Up/Down: item   Left/Right: menu   Enter or letter: "
                       "choose   Esc: close menu"
                     : " Left/Right: menu   Down or Enter: open   letter: open "
                       "it   Esc: leave";
}

void Draw(CWnd& frame, const CMenuTemplate& menu, const CMenuState& state,
          const CTuiMenuLayout& layout) {
  if (!layout.bFits) {
    TuiDrawNotice(TuiTooSmallNotice(
        TuiFromCodePage(frame.GetWindowText()), layout.nMinCols,
        layout.nMinRows + LINES - TuiWindowRows(), COLS, LINES));
    return;
  }
  const CCellRect& title = layout.titles[static_cast<size_t>(state.nCurrent)];
  const CPopupTemplate& popup = menu.pPopups[state.nCurrent];
  TuiPutText(title.row, title.col, std::string(title.cols, ' '), A_REVERSE);
  TuiPutLabel(title.row, title.col + 1, popup.pszText, A_REVERSE);
  if (!state.bOpen) return;
  const CCellRect& box = layout.popup;
  TuiDrawBox(box.row, box.col, box.rows, box.cols, "", 0);
  for (size_t i = 0; i < popup.nItems; ++i) {
    const int nAttr = static_cast<int>(i) == state.nItem ? A_REVERSE : 0;
    const int nRow = box.row + 1 + static_cast<int>(i);
    TuiPutText(nRow, box.col + 1, std::string(box.cols - 2, ' '), nAttr);
    TuiPutLabel(nRow, box.col + 2, popup.pItems[i].pszText, nAttr);
  }
}

int MnemonicOf(const char* pszText) {
  const char* pszAmp = std::strchr(pszText, '&');
  return pszAmp ? std::toupper(static_cast<unsigned char>(pszAmp[1])) : 0;
}

void OpenPopup(int nPopup, CMenuState* pState) {
  pState->nCurrent = nPopup;
  pState->nItem = 0;
  pState->bOpen = TRUE;
}

// A mnemonic: of an item when the popup is open, else of a title.
CMenuStep OnLetter(const CMenuTemplate& menu, int nKey, CMenuState* pState) {
  const int nUpper = std::toupper(nKey);
  const CPopupTemplate& popup = menu.pPopups[pState->nCurrent];
  if (pState->bOpen)
    for (size_t i = 0; i < popup.nItems; ++i)
      if (MnemonicOf(popup.pItems[i].pszText) == nUpper)
        return CMenuStep{TRUE, popup.pItems[i].nID};
  for (size_t i = 0; i < menu.nPopups; ++i)
    if (MnemonicOf(menu.pPopups[i].pszText) == nUpper)
      OpenPopup(static_cast<int>(i), pState);
  return CMenuStep{FALSE, 0};
}

BOOL Inside(const CCellRect& rc, int col, int row) {
  return col >= rc.col && col < rc.col + rc.cols && row >= rc.row &&
         row < rc.row + rc.rows;
}

// A click on an item chooses it, on a title opens it, elsewhere leaves.
CMenuStep OnClick(const CMenuTemplate& menu, const CTuiMenuLayout& layout,
                  CMenuState* pState) {
  MEVENT event;
  if (getmouse(&event) != OK) return CMenuStep{FALSE, 0};
  const CCellRect& box = layout.popup;
  const CCellRect items{box.col + 1, box.row + 1, box.cols - 2, box.rows - 2};
  if (pState->bOpen && Inside(items, event.x, event.y))
    return CMenuStep{
        TRUE, menu.pPopups[pState->nCurrent].pItems[event.y - items.row].nID};
  for (size_t i = 0; i < layout.titles.size(); ++i) {
    if (Inside(layout.titles[i], event.x, event.y)) {
      OpenPopup(static_cast<int>(i), pState);
      return CMenuStep{FALSE, 0};
    }
  }
  return CMenuStep{TRUE, 0};
}

BOOL IsEnter(int nKey) {
  return nKey == '\r' || nKey == '\n' || nKey == KEY_ENTER;
}

CMenuStep OnKey(const CMenuTemplate& menu, const CTuiMenuLayout& layout,
                int nKey, CMenuState* pState) {
  const int nItems = static_cast<int>(menu.pPopups[pState->nCurrent].nItems);
  const int nPopups = static_cast<int>(menu.nPopups);
  if (nKey == KEY_LEFT || nKey == KEY_RIGHT) {
    const int nStep = nKey == KEY_LEFT ? -1 : 1;
    pState->nCurrent = (pState->nCurrent + nStep + nPopups) % nPopups;
    pState->nItem = 0;
  } else if (nKey == KEY_DOWN) {
    if (pState->bOpen) pState->nItem = (pState->nItem + 1) % nItems;
    pState->bOpen = TRUE;
  } else if (nKey == KEY_UP && pState->bOpen) {
    pState->nItem = (pState->nItem + nItems - 1) % nItems;
  } else if (IsEnter(nKey)) {
    if (pState->bOpen)
      return CMenuStep{
          TRUE, menu.pPopups[pState->nCurrent].pItems[pState->nItem].nID};
    pState->bOpen = TRUE;
  } else if (nKey == KEY_MOUSE) {
    return OnClick(menu, layout, pState);
  } else if (nKey > 0 && nKey < 128 && std::isalpha(nKey)) {
    return OnLetter(menu, nKey, pState);
  }
  return CMenuStep{FALSE, 0};
}

// Escape closes one level: the open popup, then the bar; on a menu that
// is not shown it leaves at once.
CMenuStep Step(const CMenuTemplate& menu, const CTuiMenuLayout& layout,
               int nKey, CMenuState* pState) {
  if (nKey == KEY_F(10)) return CMenuStep{TRUE, 0};
  if (nKey == 27) {
    if (!pState->bOpen || !layout.bFits) return CMenuStep{TRUE, 0};
    pState->bOpen = FALSE;
    return CMenuStep{FALSE, 0};
  }
  if (!layout.bFits) {
    MEVENT event;
    if (nKey == KEY_MOUSE) getmouse(&event);
    return CMenuStep{FALSE, 0};
  }
  return OnKey(menu, layout, nKey, pState);
}
}  // namespace

UINT CTuiUser::TrackMenu(CWnd& wnd, int nPopup) {
  const CMenuTemplate* pMenu = wnd.GetMenu();
  if (!pMenu || pMenu->nPopups == 0 || !Start()) return 0;
  CMenuState state{std::max(nPopup, 0), 0, nPopup >= 0};
  for (;;) {
    // Laid out anew each time: the terminal may have changed its size.
    const CTuiMenuLayout layout = LayOut(wnd, *pMenu, state);
    DrawAll(StatusOf(state, layout));
    Draw(wnd, *pMenu, state, layout);
    refresh();
    const int nKey = WaitKey(-1);
    if (nKey == kKeyRunEnds) break;
    const CMenuStep step = Step(*pMenu, layout, nKey, &state);
    if (step.bDone) {
      DrawAll();
      return step.nCommand;
    }
  }
  DrawAll();
  return 0;
}
