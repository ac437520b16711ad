// The removal steps that the interactive and the silent Clear share, in
// their order. Every step runs, whatever an earlier one reported.
#pragma once

#include <functional>

#include "platform/WinTypes.h"
#include "sys/RegistryTally.h"

// The tray applications and the registry footprint; what could not be
// removed is counted in the tally.
void RemoveRunningAndRegisteredTraces(CRegistryTally& tally);
// FALSE, after string 172 with the error, when the registry as a whole
// could not be used: the file steps must not run then, or the drivers
// would be gone while the registry still starts them.
BOOL RegistryWasUsable(const CRegistryTally& tally);
// The six file steps, the program folder by the given step. TRUE when none
// failed. bVerbose reports each file that can't be deleted.
BOOL RemoveFileTraces(const std::function<BOOL()>& deleteProgramFolder,
                      BOOL bVerbose);
