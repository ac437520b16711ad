// The program folder step deletes every file of the folder it is given, and
// the folder comes from the command line or the user. A folder that holds
// Windows, other programs or users' files is never taken for it.
#pragma once

#include <string>

#include "platform/WinTypes.h"

// TRUE for a folder that must not be emptied: a drive's root, the Windows
// or the system folder, any folder inside the Windows folder, the Program
// Files folder, a user's profile folder or the Programs folder of the Start
// menu, or a folder above any of these. Also TRUE for a path that names no
// one folder for certain: not a full path, or holding wildcards, or leading
// through a link. Short (8.3) names and letter case are seen through.
BOOL IsProtectedFolder(const std::string& strFolder,
                       const std::string& strWindows,
                       const std::string& strSystem);
// FALSE, after a stop-icon message naming the folder (string 170), when the
// folder is protected; FALSE after string 121 or 122 when the system or the
// Windows folder can't be fetched to tell. TRUE: the folder may be emptied.
BOOL CheckProgramFolder(const std::string& strFolder);
