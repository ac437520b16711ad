// The I/O port override of the PC Card Configuration dialog: a subkey of
// the resource manager's exclusion list with "Start" 0 and "End" 0x200,
// which keeps every card off the ports at or below 200h (needed by the Port
// ST24XCDR and NW24XCD cards).
#pragma once

#include <string>

#include "platform/WinTypes.h"

// TRUE when the override subkey exists, with *pstrName its name. FALSE
// otherwise, with *pstrName the one-character name a new override is to
// get: '0' + the lowest n (0 to 31) that no existing subkey name starts
// with; only first characters '0' to 'O' count. Empty when all 32 are
// taken. A list that can't be opened holds no override; the new name is
// then "0".
BOOL FindPortOverride(std::string* pstrName);
// Brings the exclusion list in line with the wish: creates the override
// (Start = 0, End = 0x200, not flushed) when wanted and missing, deletes it
// when present and not wanted, touches nothing otherwise. Failures are not
// reported; when no name is free nothing is created, so the list's own key
// is never addressed.
void ApplyPortOverride(BOOL bWanted);
