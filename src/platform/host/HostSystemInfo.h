// System information of the host for the About box: memory from
// /proc/meminfo (sysconf where that is missing), the processor class a
// 32-bit Windows program would be told, and the free space of the current
// directory's file system through statvfs.
#pragma once

#include <string>

#include "platform/SystemInfo.h"

class CHostSystemInfo : public ISystemInfo {
 public:
  void GlobalMemoryStatus(MEMORYSTATUS* lpBuffer) override;
  void GetSystemInfo(SYSTEM_INFO* lpSystemInfo) override;
  BOOL GetDiskFreeSpaceA(const char* lpRootPathName, DWORD* lpSectorsPerCluster,
                         DWORD* lpBytesPerSector, DWORD* lpNumberOfFreeClusters,
                         DWORD* lpTotalNumberOfClusters) override;
};

// Total and available memory in bytes from /proc/meminfo text; FALSE when
// MemTotal is missing.
BOOL ParseMemInfo(const std::string& strMemInfo, unsigned long long* pnTotal,
                  unsigned long long* pnAvailable);
// Splits a byte count into Windows' cluster geometry: 512-byte sectors and
// the smallest power-of-two cluster (at least nBlockSize) whose count of
// free and total clusters fits a DWORD.
void ClusterGeometry(unsigned long long nFreeBytes,
                     unsigned long long nTotalBytes, unsigned long nBlockSize,
                     DWORD* pSectorsPerCluster, DWORD* pBytesPerSector,
                     DWORD* pFreeClusters, DWORD* pTotalClusters);
