// Menus as data: what a resource script's MENU statements hold.
#pragma once

#include <cstddef>

#include "platform/WinUserTypes.h"

struct CMenuItemTemplate {
  const char* pszText;  // with '&' before the mnemonic
  UINT nID;
};

struct CPopupTemplate {
  const char* pszText;
  const CMenuItemTemplate* pItems;
  size_t nItems;
};

struct CMenuTemplate {
  UINT nID;
  const CPopupTemplate* pPopups;
  size_t nPopups;
};

// The menu resource nID; null when there is none.
const CMenuTemplate* FindMenuTemplate(UINT nID);
