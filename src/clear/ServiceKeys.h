// Removal of the suite's service keys from the running control set: their
// group order tags, the keys themselves and their copies under the hardware
// profiles; Windows' own Pcmcia and Cdrom services get their own driver
// files back. An absent key or value is passed over; every other failure
// is counted in the tally.
#pragma once

#include <string>

#include "sys/RegistryTally.h"

void RemoveServiceKeys(CRegistryTally& tally);
// Deletes the service's key below every hardware profile except the one
// named exactly "Current".
void RemoveHardwareProfileServiceKeys(const std::string& strService,
                                      CRegistryTally& tally);
