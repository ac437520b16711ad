// Reports a file or folder that could not be deleted, in verbose error mode
// only (bVerbose: -v), and never for a file or path that is simply not
// there.
#pragma once

#include <string>

#include "platform/WinTypes.h"

// Call right after the failing DeleteFileA or RemoveDirectoryA: reads the
// thread's last error. nID is string 136 (file) or 137 (folder).
void ReportDeletionFailure(UINT nID, const std::string& strPath, BOOL bVerbose);
// The same for an error already read.
void ReportDeletionError(UINT nID, const std::string& strPath, DWORD dwError,
                         BOOL bVerbose);
// Errors 2 (file not found) and 3 (path not found): nothing to delete.
bool IsNotThere(DWORD dwError);
