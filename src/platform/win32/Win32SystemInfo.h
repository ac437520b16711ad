// System information over kernel32.
#pragma once

#include "../SystemInfo.h"

class CWin32SystemInfo : public ISystemInfo {
 public:
  void GlobalMemoryStatus(MEMORYSTATUS* lpBuffer) override;
  void GetSystemInfo(SYSTEM_INFO* lpSystemInfo) override;
  BOOL GetDiskFreeSpaceA(const char* lpRootPathName, DWORD* lpSectorsPerCluster,
                         DWORD* lpBytesPerSector, DWORD* lpNumberOfFreeClusters,
                         DWORD* lpTotalNumberOfClusters) override;
};
