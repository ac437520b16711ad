// The removal steps that the interactive and the silent Clear share, in
// their order. Every step runs, whatever an earlier one reported.
#pragma once

#include <functional>

#include "platform/WinTypes.h"

// The tray applications and the registry footprint; reports nothing.
void RemoveRunningAndRegisteredTraces();
// The six file steps, the program folder by the given step. TRUE when none
// failed. bVerbose reports each file that can't be deleted.
BOOL RemoveFileTraces(const std::function<BOOL()>& deleteProgramFolder,
                      BOOL bVerbose);
