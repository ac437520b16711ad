#include "Win32SystemInfo.h"

void CWin32SystemInfo::GlobalMemoryStatus(MEMORYSTATUS* lpBuffer) {
  lpBuffer->dwLength = sizeof(*lpBuffer);
  ::GlobalMemoryStatus(lpBuffer);
}

void CWin32SystemInfo::GetSystemInfo(SYSTEM_INFO* lpSystemInfo) {
  ::GetSystemInfo(lpSystemInfo);
}

BOOL CWin32SystemInfo::GetDiskFreeSpaceA(const char* lpRootPathName,
                                         DWORD* lpSectorsPerCluster,
                                         DWORD* lpBytesPerSector,
                                         DWORD* lpNumberOfFreeClusters,
                                         DWORD* lpTotalNumberOfClusters) {
  return ::GetDiskFreeSpaceA(lpRootPathName, lpSectorsPerCluster,
                             lpBytesPerSector, lpNumberOfFreeClusters,
                             lpTotalNumberOfClusters);
}
