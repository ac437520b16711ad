// The registry calls of a store shared with other programs: each holds the
// store's lock from before it reads the other programs' changes until after
// its own changes are in the journal.
#include "JournaledRegistry.h"

LONG CJournaledRegistry::BeginCall() {
  if (m_mode == EMode::kDeferred) {
    std::string strError;
    const LONG lResult =
        OpenNow(m_bGaveUp ? 0 : CStoreLock::DefaultTimeout(), &strError);
    m_bGaveUp = lResult == ERROR_SHARING_VIOLATION;
    if (lResult != ERROR_SUCCESS) {
      m_mode = EMode::kDeferred;
      Fail(lResult, strError);
      Notify();
      return lResult;
    }
  }
  if (m_mode != EMode::kOpen || m_nCallDepth++ > 0) return ERROR_SUCCESS;
  std::string strError;
  LONG lResult =
      m_lock->Acquire(m_bGaveUp ? 0 : CStoreLock::DefaultTimeout(), &strError);
  m_bGaveUp = lResult == ERROR_SHARING_VIOLATION;
  if (lResult == ERROR_SUCCESS) lResult = CatchUp(&strError);
  if (lResult == ERROR_SUCCESS) return ERROR_SUCCESS;
  m_lock->Release();
  m_nCallDepth = 0;
  Fail(lResult, strError);
  Notify();
  return lResult;
}

LONG CJournaledRegistry::EndCall(LONG lResult) {
  if (m_mode != EMode::kOpen || --m_nCallDepth > 0) return lResult;
  if (!m_pending.empty()) {
    // Kept pending when it can't be written: the next call, flush or close
    // tries again, and a flush or close reports the failure.
    std::string strError;
    if (AppendPending(&strError) != ERROR_SUCCESS)
      Fail(ERROR_REGISTRY_IO_FAILED, strError);
  }
  m_lock->Release();
  Notify();
  return lResult;
}

LONG CJournaledRegistry::RegCreateKeyExA(HKEY hKey, const char* lpSubKey,
                                         HKEY* phkResult,
                                         DWORD* pdwDisposition) {
  return Call([&] {
    return CMemoryRegistry::RegCreateKeyExA(hKey, lpSubKey, phkResult,
                                            pdwDisposition);
  });
}

LONG CJournaledRegistry::RegOpenKeyExA(HKEY hKey, const char* lpSubKey,
                                       HKEY* phkResult) {
  return Call([&] {
    return CMemoryRegistry::RegOpenKeyExA(hKey, lpSubKey, phkResult);
  });
}

LONG CJournaledRegistry::RegQueryValueExA(HKEY hKey, const char* lpValueName,
                                          DWORD* lpType, BYTE* lpData,
                                          DWORD* lpcbData) {
  return Call([&] {
    return CMemoryRegistry::RegQueryValueExA(hKey, lpValueName, lpType, lpData,
                                             lpcbData);
  });
}

LONG CJournaledRegistry::RegSetValueExA(HKEY hKey, const char* lpValueName,
                                        DWORD dwType, const BYTE* lpData,
                                        DWORD cbData) {
  return Call([&] {
    return CMemoryRegistry::RegSetValueExA(hKey, lpValueName, dwType, lpData,
                                           cbData);
  });
}

LONG CJournaledRegistry::RegDeleteValueA(HKEY hKey, const char* lpValueName) {
  return Call(
      [&] { return CMemoryRegistry::RegDeleteValueA(hKey, lpValueName); });
}

LONG CJournaledRegistry::RegDeleteKeyA(HKEY hKey, const char* lpSubKey) {
  return Call([&] { return CMemoryRegistry::RegDeleteKeyA(hKey, lpSubKey); });
}

LONG CJournaledRegistry::RegEnumKeyExA(HKEY hKey, DWORD dwIndex, char* lpName,
                                       DWORD* lpcchName) {
  return Call([&] {
    return CMemoryRegistry::RegEnumKeyExA(hKey, dwIndex, lpName, lpcchName);
  });
}

LONG CJournaledRegistry::RegQueryInfoKeyA(HKEY hKey, char* lpClass,
                                          DWORD* lpcchClass, DWORD* lpcSubKeys,
                                          DWORD* lpcValues) {
  return Call([&] {
    return CMemoryRegistry::RegQueryInfoKeyA(hKey, lpClass, lpcchClass,
                                             lpcSubKeys, lpcValues);
  });
}

LONG CJournaledRegistry::RegEnumValueA(HKEY hKey, DWORD dwIndex,
                                       char* lpValueName, DWORD* lpcchValueName,
                                       DWORD* lpType, BYTE* lpData,
                                       DWORD* lpcbData) {
  return Call([&] {
    return CMemoryRegistry::RegEnumValueA(
        hKey, dwIndex, lpValueName, lpcchValueName, lpType, lpData, lpcbData);
  });
}

LONG CJournaledRegistry::RegFlushKey(HKEY hKey) {
  const LONG lBegin = BeginCall();
  if (lBegin != ERROR_SUCCESS) return lBegin;
  LONG lResult = CMemoryRegistry::RegFlushKey(hKey);
  ++m_stats.nFlushCalls;
  // Windows flushes the whole hive; here every change of the store.
  std::string strError;
  if (lResult == ERROR_SUCCESS && m_mode == EMode::kOpen) {
    lResult = SyncJournal(&strError);
    if (lResult == ERROR_SUCCESS) lResult = OnFlushed(hKey, &strError);
    if (lResult != ERROR_SUCCESS) Fail(lResult, strError);
  }
  return EndCall(lResult);
}
