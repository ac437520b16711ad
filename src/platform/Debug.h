// The debugger channel (kernel32 OutputDebugStringA).
#pragma once

class IDebug {
 public:
  virtual ~IDebug() = default;
  virtual void OutputDebugStringA(const char* lpOutputString) = 0;
};
