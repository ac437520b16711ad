// System information (kernel32) shown by the About box.
#pragma once

#include "WinTypes.h"

class ISystemInfo {
 public:
  virtual ~ISystemInfo() = default;
  virtual void GlobalMemoryStatus(MEMORYSTATUS* lpBuffer) = 0;
  virtual void GetSystemInfo(SYSTEM_INFO* lpSystemInfo) = 0;
  // A null root means the root of the current directory's drive.
  virtual BOOL GetDiskFreeSpaceA(const char* lpRootPathName,
                                 DWORD* lpSectorsPerCluster,
                                 DWORD* lpBytesPerSector,
                                 DWORD* lpNumberOfFreeClusters,
                                 DWORD* lpTotalNumberOfClusters) = 0;
};
