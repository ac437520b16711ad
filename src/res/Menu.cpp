// Menu 101 of the main frame: File with Exit, Help with About.
#include "Resource.h"
#include "ResourceData.h"
#include "fw/MenuTemplate.h"

namespace {
const CMenuItemTemplate kFileItems[] = {{"E&xit", ID_APP_EXIT}};
const CMenuItemTemplate kHelpItems[] = {
    {"&About Registry Update...", ID_APP_ABOUT}};
const CPopupTemplate kPopups[] = {
    {"&File", kFileItems, 1},
    {"&Help", kHelpItems, 1},
};
}  // namespace

const CMenuTemplate g_mainMenu = {IDR_MAINFRAME, kPopups, 2};
