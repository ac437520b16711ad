// The command line: quorrel [-s (update,delete), -v] [-d <folder>], with -?
// and -h for the usage text. Parsing only sets the run-mode flags of
// RunMode.h; a breach of the grammar sets g_bCommandLineError and parsing
// goes on.
#pragma once

#include <string>
#include <vector>

#include "platform/WinTypes.h"

class CquorrelCommandLineInfo {
 public:
  // Called once for each argument after the program name, in order. A switch
  // (first character '-' or '/') comes without that character and with
  // bFlag TRUE; bLast is TRUE for the last argument.
  virtual void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast);
  virtual ~CquorrelCommandLineInfo() = default;

  BOOL m_bExpectRunArg = FALSE;
  BOOL m_bRunArgTaken = FALSE;
  BOOL m_bExpectFolderArg = FALSE;
  BOOL m_bFolderArgTaken = FALSE;

 private:
  void ParseSwitch(const std::string& strSwitch);
  void ParsePlain(const std::string& strArg);
  void CheckEnd();
};

// The framework's walk over the arguments (without the program name).
void ParseCommandLine(CquorrelCommandLineInfo& info,
                      const std::vector<std::string>& args);
// True when the arguments ask for the usage text or break the grammar: the
// run then shows the usage text and nothing else, so the entry point
// starts it without opening the registry, whatever state that is in. The
// run-mode flags are left as the program loads them.
bool IsUsageRun(const std::vector<std::string>& args);
