// Handles that close themselves, one guard for every kind the program
// opens, so that early returns never repeat a close call. Guards declared
// in turn close in the reverse order. Where a close must be reported or
// come at a fixed point (the repair's service and device handles, the
// restart's token), the code closes by hand and says so.
#pragma once

#include "platform/Platform.h"

template <typename THandle, typename TCloser>
class CScopedHandle {
 public:
  CScopedHandle() = default;
  explicit CScopedHandle(THandle hHandle) : m_hHandle(hHandle) {}
  ~CScopedHandle() { Close(); }
  CScopedHandle(const CScopedHandle&) = delete;
  CScopedHandle& operator=(const CScopedHandle&) = delete;

  // Where an open call stores the handle.
  THandle* Receive() {
    Close();
    return &m_hHandle;
  }
  THandle Get() const { return m_hHandle; }
  void Close() {
    if (m_hHandle != TCloser::Invalid()) TCloser::Close(m_hHandle);
    m_hHandle = TCloser::Invalid();
  }

 private:
  THandle m_hHandle = TCloser::Invalid();
};

struct CRegKeyCloser {
  static HKEY Invalid() { return nullptr; }
  static void Close(HKEY hKey) { Registry().RegCloseKey(hKey); }
};
struct CServiceHandleCloser {
  static SC_HANDLE Invalid() { return nullptr; }
  static void Close(SC_HANDLE hHandle) {
    Services().CloseServiceHandle(hHandle);
  }
};
struct CTokenCloser {
  static HANDLE Invalid() { return nullptr; }
  static void Close(HANDLE hToken) { Security().CloseHandle(hToken); }
};
struct CFindCloser {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE hFind) { Files().FindClose(hFind); }
};
struct CFileCloser {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE hFile) { Files().CloseHandle(hFile); }
};

typedef CScopedHandle<HKEY, CRegKeyCloser> CScopedRegKey;
typedef CScopedHandle<SC_HANDLE, CServiceHandleCloser> CScopedServiceHandle;
typedef CScopedHandle<HANDLE, CTokenCloser> CScopedToken;
typedef CScopedHandle<HANDLE, CFindCloser> CScopedFind;
typedef CScopedHandle<HANDLE, CFileCloser> CScopedFile;
