// Menu 101 of the main frame: File with Exit, Help with About.
#include "Menu.h"

#include "Resource.h"

namespace {
const CMenuItemTemplate kFileItems[] = {{"E&xit", ID_APP_EXIT}};
const CMenuItemTemplate kHelpItems[] = {
    {"&About Registry Update...", ID_APP_ABOUT}};
const CPopupTemplate kPopups[] = {
    {"&File", kFileItems, 1},
    {"&Help", kHelpItems, 1},
};
const CMenuTemplate kMainMenu = {IDR_MAINFRAME, kPopups, 2};
}  // namespace

const CMenuTemplate* FindMenuTemplate(UINT nID) {
  return nID == kMainMenu.nID ? &kMainMenu : nullptr;
}
