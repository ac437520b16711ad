// The run state of the machine's services, kept across processes in the
// machine directory as <machine>/services.state: one running service a
// line (names without regard to case), lines beginning with '#' ignored.
// An installed service is stopped unless its name is listed. Tests and
// scripts seed a running service by appending its name, e.g.
//   echo Trevant >> "$QUORREL_MACHINE/services.state"
// or with HostSetServiceRunning.
#pragma once

#include <set>
#include <string>

#include "platform/WinTypes.h"

class CHostServiceState {
 public:
  explicit CHostServiceState(std::string strMachine);

  // Reads the file afresh on every call: another process may have changed
  // it. A missing file means nothing runs.
  DWORD IsRunning(const std::string& strService, bool* pbRunning) const;
  // Rewrites the file (temporary file renamed over it). A Windows error
  // code: ERROR_ACCESS_DENIED, ERROR_WRITE_FAULT ...
  DWORD SetRunning(const std::string& strService, bool bRunning);

  std::string FilePath() const { return m_strMachine + "/services.state"; }

 private:
  struct CNoCase {
    bool operator()(const std::string& a, const std::string& b) const;
  };
  using CNames = std::set<std::string, CNoCase>;
  DWORD Load(CNames* pNames) const;
  DWORD Save(const CNames& names) const;

  std::string m_strMachine;
};

// Seeds (or clears) the running state of a service in a machine directory.
DWORD HostSetServiceRunning(const std::string& strMachine,
                            const std::string& strService, bool bRunning);
