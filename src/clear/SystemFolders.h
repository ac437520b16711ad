// The system, Windows and temporary directories, fetched into buffers of
// MAX_PATH characters. FALSE when the call fails or the path does not fit;
// the thread's last error then holds the reason.
#pragma once

#include <string>

#include "platform/WinTypes.h"

BOOL FetchSystemDirectory(std::string* pstrPath);
BOOL FetchWindowsDirectory(std::string* pstrPath);
// The path ends with a backslash.
BOOL FetchTempPath(std::string* pstrPath);

// The same, a failure shown as every step that needs the folder reports it,
// in silent runs too: string 121, 122 or 123 with the error.
BOOL FetchSystemDirectoryOrReport(std::string* pstrPath);
BOOL FetchWindowsDirectoryOrReport(std::string* pstrPath);
BOOL FetchTempPathOrReport(std::string* pstrPath);
