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
