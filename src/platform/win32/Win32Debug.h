// The debugger channel over kernel32.
#pragma once

#include "../Debug.h"

class CWin32Debug : public IDebug {
 public:
  void OutputDebugStringA(const char* lpOutputString) override;
};
