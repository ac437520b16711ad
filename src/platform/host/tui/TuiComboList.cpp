// The drop-down list of a combo box: its own small loop over the keys
// until an entry is chosen or the list is closed.
#include <curses.h>

#include <algorithm>
#include <cctype>

#include "TuiBoxLayout.h"
#include "TuiDraw.h"
#include "TuiUser.h"
#include "fw/ComboBox.h"
#include "fw/WindowMap.h"

namespace {
CCellRect CellOf(CWnd& wnd) {
  const CTuiWindowLayout shown = TuiLayoutOf(*wnd.GetTopLevelParent());
  for (size_t i = 0; i < shown.wnds.size(); ++i)
    if (shown.wnds[i] == &wnd) return shown.layout.cells[i];
  return CCellRect{0, 0, 8, 1};
}

// The next entry after nSel that begins with the key's character.
int NextByInitial(CComboBox& combo, int nSel, int nKey) {
  const int nCount = combo.GetCount();
  for (int i = 1; i <= nCount; ++i) {
    const int nItem = (nSel + i) % nCount;
    const std::string strItem = combo.GetLBText(nItem);
    if (!strItem.empty() && std::toupper(static_cast<unsigned char>(
                                strItem[0])) == std::toupper(nKey))
      return nItem;
  }
  return nSel;
}
}  // namespace

BOOL CTuiUser::OpenComboList(CWnd& wnd, MSG* pMsg) {
  auto& combo = static_cast<CComboBox&>(wnd);
  if (combo.GetCount() == 0) return FALSE;
  const CCellRect cell = CellOf(combo);
  int nSel = std::max(combo.GetCurSel(), 0);
  const int nCount = combo.GetCount();
  // Beside the field, never over it.
  const CCellRect box = TuiLayOutList(cell, nCount, COLS, TuiWindowRows());
  const int nRows = std::max(1, box.rows - 2);
  const int nWidth = box.cols;
  const int nTop = box.row;
  DrawAll(" Up/Down: entry   letter: jump to it   Enter: choose   Esc: close");
  for (;;) {
    const int nFirst = std::max(0, std::min(nSel - nRows / 2, nCount - nRows));
    TuiDrawBox(nTop, box.col, nRows + 2, nWidth, "", 0);
    for (int r = 0; r < nRows; ++r) {
      std::string strItem = TuiFromCodePage(combo.GetLBText(nFirst + r));
      strItem.resize(static_cast<size_t>(nWidth - 2), ' ');
      attrset(nFirst + r == nSel ? A_REVERSE : 0);
      mvaddnstr(nTop + 1 + r, box.col + 1, strItem.c_str(), nWidth - 2);
      attrset(0);
    }
    refresh();
    const int nKey = WaitKey(-1);
    if (nKey == KEY_UP && nSel > 0) --nSel;
    if (nKey == KEY_DOWN && nSel + 1 < nCount) ++nSel;
    if (nKey == KEY_HOME) nSel = 0;
    if (nKey == KEY_END) nSel = nCount - 1;
    if (nKey > 0 && nKey < 128 && std::isalnum(nKey))
      nSel = NextByInitial(combo, nSel, nKey);
    // A new size closes the list: its dialog is laid out anew.
    if (nKey == 27 || nKey == KEY_F(4) || nKey == kKeyRunEnds ||
        nKey == KEY_RESIZE) {
      DrawAll();
      return FALSE;
    }
    if (nKey == '\r' || nKey == '\n' || nKey == KEY_ENTER || nKey == ' ') break;
    if (nKey == KEY_MOUSE) {
      MEVENT event;
      if (getmouse(&event) == OK && event.x > box.col &&
          event.x < box.col + nWidth - 1 && event.y > nTop &&
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
