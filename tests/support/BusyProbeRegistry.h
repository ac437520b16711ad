// An in-memory registry that notes, for every value written, whether the
// application was busy at that moment: settings dialogs write under the
// busy state.
#pragma once

#include <string>
#include <vector>

#include "app/quorrelApp.h"
#include "platform/memory/MemoryRegistry.h"

class CBusyProbeRegistry : public CMemoryRegistry {
 public:
  struct CWrite {
    std::string strValue;
    UINT nBusyCount;
  };
  std::vector<CWrite> m_writes;

  LONG RegSetValueExA(HKEY hKey, const char* lpValueName, DWORD dwType,
                      const BYTE* lpData, DWORD cbData) override {
    m_writes.push_back(
        {lpValueName ? lpValueName : "", QuorrelApp().m_nBusyCount});
    return CMemoryRegistry::RegSetValueExA(hKey, lpValueName, dwType, lpData,
                                           cbData);
  }
  std::vector<std::string> Values() const {
    std::vector<std::string> names;
    for (const CWrite& write : m_writes) names.push_back(write.strValue);
    return names;
  }
  bool AllBusy() const {
    for (const CWrite& write : m_writes)
      if (write.nBusyCount == 0) return false;
    return true;
  }
};
