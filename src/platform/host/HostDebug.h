// The host's debugger channel: every line is appended to
// <machine>/quorrel-debug.log with the process id, and, with
// QUORREL_DEBUG=1, written to standard error as well.
#pragma once

#include <string>

#include "platform/Debug.h"

class CHostDebug : public IDebug {
 public:
  explicit CHostDebug(std::string strLogPath);
  void OutputDebugStringA(const char* lpOutputString) override;

 private:
  std::string m_strLogPath;
  bool m_bStderr;
};
