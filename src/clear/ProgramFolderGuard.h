// The program folder step deletes every file of the folder it is given, and
// the folder comes from the command line or the user. A folder that holds
// Windows, other programs or users' files is never taken for it.
#pragma once

#include <string>

#include "platform/WinTypes.h"

// TRUE for a folder that must not be emptied. The path is resolved to the
// real location it names first (drive letters, links, mount points, short
// names, case, "."/".."), then refused when it is: a drive's root; the
// Windows folder, a user's profile, the folder of the profiles, a user's
// shell folder (Desktop, Personal, Start Menu, Programs, Startup) or a
// place the machine keeps for itself (IFileSystem::ReservedPaths: on the
// host everything outside the machine directory and the registry store's
// folders and files), anything inside one of these or above one; the
// system folder, a Program Files folder or the temporary folder, or a
// folder above one. Also TRUE for a path that names no one folder for
// certain: not a full path, holding wildcards, or leading through a link.
BOOL IsProtectedFolder(const std::string& strFolder,
                       const std::string& strWindows,
                       const std::string& strSystem);
// CheckProgramFolder, then the real location of the folder, on which the
// step then works: what was checked is what is emptied.
BOOL ResolveProgramFolder(const std::string& strFolder,
                          const std::string& strSystem, std::string* pstrReal);
// The browser's filter: TRUE for a folder the guard would take, FALSE for
// one it refuses or can't tell. Shows nothing.
BOOL IsOfferedProgramFolder(const char* pszFolder);
// FALSE, after a stop-icon message naming the folder (string 170), when the
// folder is protected; FALSE after string 122 when the Windows folder can't
// be fetched to tell. TRUE: the folder may be emptied. The caller has
// fetched the system folder, which its step needs too.
BOOL CheckProgramFolder(const std::string& strFolder,
                        const std::string& strSystem);
