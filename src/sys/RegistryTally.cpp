#include "RegistryTally.h"

#include "platform/Platform.h"

namespace {
bool IsNotThere(DWORD dwError) {
  return dwError == ERROR_FILE_NOT_FOUND || dwError == ERROR_PATH_NOT_FOUND;
}

// Errors that concern the store, not the one key: every later change would
// fail the same way.
bool IsStoreError(DWORD dwError) {
  switch (dwError) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_DISK_FULL:
    case ERROR_BADDB:
    case ERROR_CANTOPEN:
    case ERROR_CANTREAD:
    case ERROR_CANTWRITE:
    case ERROR_REGISTRY_CORRUPT:
    case ERROR_REGISTRY_IO_FAILED:
      return true;
    default:
      return false;
  }
}
}  // namespace

void CRegistryTally::Write(BOOL bDone, const std::string& strKey,
                           const std::string& strValue) {
  if (!bDone) Count(GetLastError(), strKey, strValue);
}

void CRegistryTally::Removal(BOOL bDone, const std::string& strKey,
                             const std::string& strValue) {
  if (bDone) return;
  const DWORD dwError = GetLastError();
  if (!IsNotThere(dwError)) Count(dwError, strKey, strValue);
}

void CRegistryTally::Count(DWORD dwError, const std::string& strKey,
                           const std::string& strValue) {
  ++m_nFailed;
  if (IsStoreError(dwError) && m_dwStoreError == 0) m_dwStoreError = dwError;
  const std::string strLine =
      "TESSARINE: Registry change failed: " + strKey +
      (strValue.empty() ? std::string() : " value \"" + strValue + "\"") +
      ", error " + std::to_string(dwError) + "\n";
  Debug().OutputDebugStringA(strLine.c_str());
}
