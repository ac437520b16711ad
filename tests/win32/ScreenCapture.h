// Screenshots of real windows for the test artefacts: what is on the
// screen inside a window's rectangle, written as a 24-bit .bmp file.
#pragma once

#include <windows.h>

#include <string>

// The directory for artefacts (QUORREL_ARTIFACTS as a Windows path, or the
// current directory); ends with a backslash.
std::string ArtifactDirectory();
// TRUE when the picture of hWnd was written to strPath.
BOOL CaptureWindow(HWND hWnd, const std::string& strPath);
