// The roots the store keeps, each in a file of its full name; the journal
// names them the same way.
#pragma once

#include "platform/WinTypes.h"

struct CStoredRoot {
  HKEY hRoot;
  const char* pszName;
};

inline const CStoredRoot kStoredRoots[] = {
    {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"},
    {HKEY_USERS, "HKEY_USERS"},
    {HKEY_CURRENT_USER, "HKEY_CURRENT_USER"}};
