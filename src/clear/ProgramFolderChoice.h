// The interactive choice of the program folder: the shell's folder browser,
// owned by the main form, and a confirmation of the chosen path.
#pragma once

#include "platform/WinTypes.h"
#include "sys/MainForm.h"

// TRUE when the user cancelled (or the chosen item could not be read):
// nothing is deleted then. Otherwise the result of DeleteProgramFolder.
BOOL SelectAndDeleteProgramFolder(IMainForm& form, BOOL bVerbose);
