// What a run of registry changes achieved, by one rule for every operation
// that changes the registry: a change that failed counts against the run,
// except the removal of a key or value that is not there (it is already as
// the run wants it). Each failure that counts goes to the debug output with
// its key, value and Windows error.
#pragma once

#include <string>

#include "platform/WinTypes.h"

class CRegistryTally {
 public:
  // Call right after the operation set's call with its result; on failure
  // the Windows error is the thread's last error. strValue is empty for a
  // key as a whole.
  void Write(BOOL bDone, const std::string& strKey,
             const std::string& strValue = std::string());
  void Removal(BOOL bDone, const std::string& strKey,
               const std::string& strValue = std::string());
  BOOL AllDone() const { return m_nFailed == 0; }
  // Non-zero once a failure said that the registry as a whole can't be
  // used (busy past its bound, not writable, damaged): its Windows error.
  DWORD StoreError() const { return m_dwStoreError; }

 private:
  void Count(DWORD dwError, const std::string& strKey,
             const std::string& strValue);

  unsigned m_nFailed = 0;
  DWORD m_dwStoreError = 0;
};
