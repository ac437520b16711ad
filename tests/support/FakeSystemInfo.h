// System information for tests: memory, processor and disk figures set by
// the test; installs itself as the SystemInfo port for its lifetime.
#pragma once

#include "platform/Platform.h"

class CFakeSystemInfo : public ISystemInfo {
 public:
  CFakeSystemInfo() : m_pPrevious(Platform().pSystemInfo) {
    Platform().pSystemInfo = this;
  }
  ~CFakeSystemInfo() override { Platform().pSystemInfo = m_pPrevious; }
  CFakeSystemInfo(const CFakeSystemInfo&) = delete;
  CFakeSystemInfo& operator=(const CFakeSystemInfo&) = delete;

  SIZE_T m_nTotalPhys = 134217728;
  SIZE_T m_nAvailPhys = 83886080;
  DWORD m_dwProcessorType = PROCESSOR_INTEL_PENTIUM;
  BOOL m_bDiskOk = TRUE;
  DWORD m_dwSectorsPerCluster = 8;
  DWORD m_dwBytesPerSector = 512;
  DWORD m_dwFreeClusters = 308641;
  const char* m_pszLastRoot = "unset";

  void GlobalMemoryStatus(MEMORYSTATUS* p) override {
    p->dwTotalPhys = m_nTotalPhys;
    p->dwAvailPhys = m_nAvailPhys;
    p->dwMemoryLoad = 99;  // never shown
  }
  void GetSystemInfo(SYSTEM_INFO* p) override {
    p->dwProcessorType = m_dwProcessorType;
  }
  BOOL GetDiskFreeSpaceA(const char* lpRoot, DWORD* pSpc, DWORD* pBps,
                         DWORD* pFree, DWORD* pTotal) override {
    m_pszLastRoot = lpRoot;
    if (!m_bDiskOk) return FALSE;
    *pSpc = m_dwSectorsPerCluster;
    *pBps = m_dwBytesPerSector;
    *pFree = m_dwFreeClusters;
    *pTotal = m_dwFreeClusters;
    return TRUE;
  }

 private:
  ISystemInfo* m_pPrevious;
};
