// A machine directory seeded as .reg files, turned into the hives of an NT
// installation: HKLM\SYSTEM, HKLM\SOFTWARE, HKU\.DEFAULT and
// HKEY_CURRENT_USER become SYSTEM, SOFTWARE, DEFAULT and Administrator's
// NTUSER.DAT (other users' keys are dropped: offline, no hive holds them);
// the .reg files are then removed.
#pragma once

#include <string>
#include <vector>

bool ConvertStoreToHives(const std::string& strMachine);
// MachineFiles() without the hives and the store's files beside them.
std::vector<std::string> MachineFilesBesideHives(const std::string& strMachine);
// The four hives as reglookup lists them (times left out), one string each.
std::string HiveListings(const std::string& strMachine);
