// The system's service group order list: under HKEY_LOCAL_MACHINE
// "System\CurrentControlSet\Control\GroupOrderList" each load order group has
// a REG_BINARY value, named after the group, holding a 32-bit count and that
// many 32-bit tags in load order. A service names its group in "Group" and its
// tag in "Tag". Nothing here creates a key, flushes or reports to the user.
#pragma once

#include <string>

#include "platform/WinTypes.h"

extern const char kGroupOrderListKey[];
extern const char kServicesKey[];  // ends with a backslash
// The suite's nine core driver services, in the order their tags are
// handled.
extern const char* const kCoreDriverServices[9];
extern const char kSystemBusExtender[];

// TRUE when the tag was found and the shortened list was written. Every
// occurrence goes; bytes after the old tag list are not written back.
BOOL RemoveGroupOrderTag(const std::string& strGroup, DWORD dwTag);
// TRUE when the service's own tag was removed from the list of its group.
BOOL RemoveServiceGroupOrderTag(const std::string& strService);
// TRUE when at least one tag that no service of the group holds was removed.
// Group membership compares the "Group" text without regard to case.
BOOL RemoveUnusedGroupOrderTags(const std::string& strGroup);
// TRUE when the "System Bus Extender" list was rewritten with Pcmcia's tag in
// front of the first tag of a core driver service that stood ahead of it.
BOOL MovePcmciaBeforeSuiteDrivers();
