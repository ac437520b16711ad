// Run-mode flags: zero or empty when the program loads, set only while the
// command line is parsed and read-only afterwards.
#pragma once

#include <string>

#include "platform/WinTypes.h"

extern BOOL g_bSilentUpdate;
extern BOOL g_bSilentDelete;
extern BOOL g_bShowUsage;
extern BOOL g_bCommandLineError;
// Read only by the file and folder removal; never set with a silent flag.
extern BOOL g_bVerbose;
// The -d folder as typed; read only by the silent Clear.
extern std::string g_strProgramFolder;

// Back to the values the program loads with (tests run many start-ups in
// one process).
void ResetRunMode();
