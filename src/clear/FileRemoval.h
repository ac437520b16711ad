// The file steps of the Clear operation. Each returns TRUE when it
// succeeded; a failing folder query is always reported, a file that can't be
// deleted only in verbose error mode (bVerbose).
#pragma once

#include <string>

#include "platform/WinTypes.h"

// The suite's drivers in the system's Drivers folder, then, with the driver
// manager service stopped, Trevant.exe; only the latter's result counts.
BOOL DeleteDriverFiles(BOOL bVerbose);
// The installer's "_detmp.*" files in the Windows directory.
BOOL DeleteDetmpFiles(BOOL bVerbose);
// The installer's "_istmp*.dir" folders, with their content, in the
// temporary directory.
BOOL DeleteIstmpFolders(BOOL bVerbose);
// Puts Windows' own Pcmcia.sys back from the program folder, then deletes
// the folder's files and the folder; a subfolder makes it fail. An empty
// path is reported (string 104) and fails; so is a folder of the system,
// of other programs or of the users (string 170, see ProgramFolderGuard.h),
// which is left untouched.
BOOL DeleteProgramFolder(const std::string& strFolder, BOOL bVerbose);
// Everything named "Tessarine*" in a Programs folder of the Start menu
// (CSIDL_COMMON_PROGRAMS or CSIDL_PROGRAMS), folders with their content.
BOOL DeleteStartMenuFolder(int nFolder, BOOL bVerbose);
