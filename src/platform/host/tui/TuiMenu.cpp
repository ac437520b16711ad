// The menu bar and its popups, run as a loop of their own until a command
// is chosen or the menu is left.
#include <curses.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "TuiDraw.h"
#include "TuiUser.h"
#include "fw/MenuTemplate.h"
#include "fw/Wnd.h"

UINT CTuiUser::TrackMenu(CWnd& wnd, int nPopup) {
  const CMenuTemplate* pMenu = wnd.GetMenu();
  if (!pMenu || !Start()) return 0;
  int nCurrent = std::max(nPopup, 0);
  int nItem = 0;
  BOOL bOpen = nPopup >= 0;
  for (;;) {
    DrawAll(bOpen ? " Up/Down: item   Left/Right: menu   Enter or letter: "
                    "choose   Esc: close menu"
                  : " Left/Right: menu   Down or Enter: open   letter: open "
                    "it   Esc: leave");
    const CCellRect title = TuiMenuTitleRect(wnd, nCurrent);
    const CPopupTemplate& popup = pMenu->pPopups[nCurrent];
    attrset(A_REVERSE);
    mvaddstr(title.row, title.col, " ");
    TuiPutLabel(title.row, title.col + 1, popup.pszText, A_REVERSE);
    attrset(A_REVERSE);
    mvaddstr(title.row, title.col + title.cols - 1, " ");
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
        const int nAttr = static_cast<int>(i) == nItem ? A_REVERSE : 0;
        const int nRow = title.row + 2 + static_cast<int>(i);
        attrset(nAttr);
        mvaddstr(nRow, title.col + 1,
                 std::string(static_cast<size_t>(nWidth - 2), ' ').c_str());
        TuiPutLabel(nRow, title.col + 2, popup.pItems[i].pszText, nAttr);
      }
    }
    refresh();
    const int nKey = WaitKey(-1);
    const int nItems = static_cast<int>(popup.nItems);
    if (nKey == KEY_F(10) || nKey == kKeyRunEnds) break;
    if (nKey == 27) {
      // Escape closes one level: the open popup, then the bar.
      if (!bOpen) break;
      bOpen = FALSE;
      continue;
    }
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
