// An open registry key of the host adapters, closed on every return path.
#pragma once

#include "platform/Registry.h"

class CHostRegKey {
 public:
  explicit CHostRegKey(IRegistry& registry) : m_registry(registry) {}
  ~CHostRegKey() {
    if (m_hKey != nullptr) m_registry.RegCloseKey(m_hKey);
  }
  CHostRegKey(const CHostRegKey&) = delete;
  CHostRegKey& operator=(const CHostRegKey&) = delete;
  HKEY* Out() { return &m_hKey; }
  HKEY Get() const { return m_hKey; }

 private:
  IRegistry& m_registry;
  HKEY m_hKey = nullptr;
};
