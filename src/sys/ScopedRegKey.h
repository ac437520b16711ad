// An open registry key that closes itself, so that early returns never
// repeat RegCloseKey.
#pragma once

#include "platform/Platform.h"

class CScopedRegKey {
 public:
  CScopedRegKey() = default;
  ~CScopedRegKey() { Close(); }
  CScopedRegKey(const CScopedRegKey&) = delete;
  CScopedRegKey& operator=(const CScopedRegKey&) = delete;

  // Where an open call stores the handle.
  HKEY* Receive() {
    Close();
    return &m_hKey;
  }
  HKEY Get() const { return m_hKey; }
  void Close() {
    if (m_hKey != nullptr) Registry().RegCloseKey(m_hKey);
    m_hKey = nullptr;
  }

 private:
  HKEY m_hKey = nullptr;
};
