// Runs the built program as a process, the way an installer or an
// administrator's shell would, and collects what it printed.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "TempDirectory.h"

struct CProcessResult {
  int nExitStatus = -1;  // exit code, or 128 + signal
  std::string strStdout;
  std::string strStderr;
};

struct CProcessOptions {
  std::string strWorkingDirectory;  // empty: the test's own
  // Set in the child's environment; an empty value unsets the variable.
  std::map<std::string, std::string> env;
  std::string strStdin;  // fed to the child, then end of input
};

// argv[0] is the program's path. Standard input is a pipe, never a tty.
CProcessResult RunProcess(const std::vector<std::string>& argv,
                          const CProcessOptions& options);

// The built quorrel.
std::string QuorrelExe();
// QUORREL_CLOCK_SCALE for the program under test: its clock runs this many
// times as fast, so the Clear's fixed waits (10 s after closing the tray
// application, up to 30 s for a service) take a fraction of a second.
constexpr char kFastClock[] = "50";

// A fresh directory for one test, removed with everything in it.
using CTempDir = CTempDirectory;

std::string ReadWholeFile(const std::string& strPath);
bool WriteWholeFile(const std::string& strPath, const std::string& strData);
bool PathExists(const std::string& strPath);
