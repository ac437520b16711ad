// The group order list repair: the "System Bus Extender" list loses the
// tags no service of the group holds any more, and Windows' Pcmcia is
// loaded ahead of the suite's core drivers. No restart is needed.
#pragma once

#include "platform/WinTypes.h"

constexpr UINT IDS_GROUP_ORDER_SOUND = 167;
constexpr UINT IDS_GROUP_ORDER_REPAIRED = 168;

void RepairGroupOrderList();
