// A machine directory seeded as .reg files, turned into the hives of an NT
// installation: HKLM\SYSTEM, HKLM\SOFTWARE, HKU\.DEFAULT and
// HKEY_CURRENT_USER become SYSTEM, SOFTWARE, DEFAULT and Administrator's
// NTUSER.DAT (other users' keys are dropped: offline, no hive holds them);
// the .reg files are then removed.
#pragma once

#include <string>
#include <vector>

#include "RegfWriter.h"

// eList and nLeafMax: the subkey lists of every hive (CRegfHive).
bool ConvertStoreToHives(const std::string& strMachine,
                         ERegfList eList = ERegfList::kFastLeaf,
                         size_t nLeafMax = 0);
// MachineFiles() without the hives and the store's files beside them.
std::vector<std::string> MachineFilesBesideHives(const std::string& strMachine);
// The four hives as reglookup lists them (times left out), one string each.
std::string HiveListings(const std::string& strMachine);
