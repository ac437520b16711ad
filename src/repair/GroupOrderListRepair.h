// The group order list repair: the "System Bus Extender" list loses the
// tags no service of the group holds any more, and Windows' Pcmcia is
// loaded ahead of the suite's core drivers. No restart is needed.
#pragma once

#include "platform/WinTypes.h"

void RepairGroupOrderList();
