#include "Win32Debug.h"

#include "../WinTypes.h"

void CWin32Debug::OutputDebugStringA(const char* lpOutputString) {
  ::OutputDebugStringA(lpOutputString);
}
