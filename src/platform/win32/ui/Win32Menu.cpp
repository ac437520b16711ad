#include "Win32Menu.h"

HMENU CreateMenuFromTemplate(const CMenuTemplate& menu) {
  HMENU hBar = CreateMenu();
  for (size_t i = 0; hBar && i < menu.nPopups; ++i) {
    const CPopupTemplate& popup = menu.pPopups[i];
    HMENU hPopup = CreatePopupMenu();
    for (size_t j = 0; hPopup && j < popup.nItems; ++j)
      AppendMenuA(hPopup, MF_STRING, popup.pItems[j].nID,
                  popup.pItems[j].pszText);
    AppendMenuA(hBar, MF_POPUP, reinterpret_cast<UINT_PTR>(hPopup),
                popup.pszText);
  }
  return hBar;
}
