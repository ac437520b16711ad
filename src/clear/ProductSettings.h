// Removal of the suite's start-up entries (the tray application's Run value,
// the main executable's Userinit entry), its settings keys for the machine,
// the current user and the default user, and its uninstall entry. An absent
// value or key is passed over; every other failure is counted in the tally.
#pragma once

#include "sys/RegistryTally.h"

void RemoveProductSettings(CRegistryTally& tally);
