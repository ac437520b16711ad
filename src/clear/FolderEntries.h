// Deletes the entries of a folder that match a mask.
#pragma once

#include <string>

#include "platform/WinTypes.h"

// Files are deleted; a matching folder is emptied (mask "*.*", descending)
// and removed when bDescend is set, and is a failure otherwise. The first
// failure stops the walk of this folder and of every folder above it. The
// folder itself stays. TRUE when nothing failed, also when nothing matched
// or the folder does not exist. Read-only files are not deleted. A link
// (reparse point) is removed itself and never followed. bVerbose reports
// each failure (DeletionReport.h).
BOOL DeleteFolderEntries(const std::string& strFolder,
                         const std::string& strMask, BOOL bDescend,
                         BOOL bVerbose);
