// A real menu bar built from the program's menu data.
#pragma once

#include <windows.h>

#include "res/Menu.h"

HMENU CreateMenuFromTemplate(const CMenuTemplate& menu);
