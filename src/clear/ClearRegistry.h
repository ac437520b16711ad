// The Clear Registry && Delete Files operation: closes the suite's
// applications, removes its service keys, settings and start-up entries,
// its driver files, installer leftovers, program folder and Start-menu
// entries. Interactive (button 112 of the main form) and silent (-s delete).
#pragma once

#include <string>

#include "platform/WinTypes.h"
#include "sys/MainForm.h"

// Warns, asks, lets the user pick the program folder, reports and offers a
// restart. Once confirmed, button 112 stays disabled for the rest of the run
// (the cleared marker the Update operation reads). bVerbose (-v) reports
// each file and folder that can't be deleted.
void OnClearRegistry(IMainForm& form, BOOL bVerbose);
// Asks nothing; strProgramFolder is the -d one. 1 when the caller is an
// administrator and every file step succeeded, else 0. Never verbose: -v
// and -s exclude each other.
int SilentClearRegistry(const std::string& strProgramFolder);
