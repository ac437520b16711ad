// A real menu bar built from the program's menu data.
#pragma once

#include <windows.h>

#include "fw/MenuTemplate.h"

HMENU CreateMenuFromTemplate(const CMenuTemplate& menu);
