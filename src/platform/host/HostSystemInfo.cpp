#include "HostSystemInfo.h"

#include <sys/statvfs.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "platform/LastError.h"

BOOL ParseMemInfo(const std::string& strMemInfo, unsigned long long* pnTotal,
                  unsigned long long* pnAvailable) {
  std::istringstream in(strMemInfo);
  std::string strLine;
  BOOL bTotal = FALSE, bAvailable = FALSE;
  unsigned long long nFree = 0;
  while (std::getline(in, strLine)) {
    std::istringstream fields(strLine);
    std::string strName;
    unsigned long long nKilobytes = 0;
    if (!(fields >> strName >> nKilobytes)) continue;
    if (strName == "MemTotal:") {
      *pnTotal = nKilobytes * 1024;
      bTotal = TRUE;
    } else if (strName == "MemAvailable:") {
      *pnAvailable = nKilobytes * 1024;
      bAvailable = TRUE;
    } else if (strName == "MemFree:") {
      nFree = nKilobytes * 1024;
    }
  }
  // Kernels before 3.14 have no MemAvailable; free memory is the nearest.
  if (bTotal && !bAvailable) *pnAvailable = nFree;
  return bTotal;
}

void CHostSystemInfo::GlobalMemoryStatus(MEMORYSTATUS* lpBuffer) {
  unsigned long long nTotal = 0, nAvailable = 0;
  std::ifstream file("/proc/meminfo");
  std::stringstream text;
  text << file.rdbuf();
  if (!ParseMemInfo(text.str(), &nTotal, &nAvailable)) {
    const long nPage = sysconf(_SC_PAGESIZE);
    nTotal = static_cast<unsigned long long>(sysconf(_SC_PHYS_PAGES)) * nPage;
    nAvailable =
        static_cast<unsigned long long>(sysconf(_SC_AVPHYS_PAGES)) * nPage;
  }
  const DWORD dwLength = lpBuffer->dwLength;
  *lpBuffer = MEMORYSTATUS{};
  lpBuffer->dwLength = dwLength;
  lpBuffer->dwTotalPhys = static_cast<SIZE_T>(nTotal);
  lpBuffer->dwAvailPhys = static_cast<SIZE_T>(nAvailable);
  lpBuffer->dwMemoryLoad =
      nTotal ? static_cast<DWORD>((nTotal - nAvailable) * 100 / nTotal) : 0;
}

void CHostSystemInfo::GetSystemInfo(SYSTEM_INFO* lpSystemInfo) {
  *lpSystemInfo = SYSTEM_INFO{};
  lpSystemInfo->dwPageSize = static_cast<DWORD>(sysconf(_SC_PAGESIZE));
  lpSystemInfo->dwNumberOfProcessors =
      static_cast<DWORD>(sysconf(_SC_NPROCESSORS_ONLN));
#if defined(__i386__) || defined(__x86_64__)
  // Every x86 processor since the Pentium is reported to a 32-bit program
  // as PROCESSOR_INTEL_PENTIUM, on 64-bit Windows too.
  lpSystemInfo->dwProcessorType = PROCESSOR_INTEL_PENTIUM;
#else
  lpSystemInfo->dwProcessorType = 0;
#endif
}

void ClusterGeometry(unsigned long long nFreeBytes,
                     unsigned long long nTotalBytes, unsigned long nBlockSize,
                     DWORD* pSectorsPerCluster, DWORD* pBytesPerSector,
                     DWORD* pFreeClusters, DWORD* pTotalClusters) {
  const unsigned long long nSector = 512;
  unsigned long long nCluster = nSector;
  while (nCluster < nBlockSize) nCluster *= 2;
  while (nTotalBytes / nCluster > 0xFFFFFFFFull ||
         nFreeBytes / nCluster > 0xFFFFFFFFull)
    nCluster *= 2;
  *pBytesPerSector = static_cast<DWORD>(nSector);
  *pSectorsPerCluster = static_cast<DWORD>(nCluster / nSector);
  *pFreeClusters = static_cast<DWORD>(nFreeBytes / nCluster);
  *pTotalClusters = static_cast<DWORD>(nTotalBytes / nCluster);
}

BOOL CHostSystemInfo::GetDiskFreeSpaceA(const char* lpRootPathName,
                                        DWORD* lpSectorsPerCluster,
                                        DWORD* lpBytesPerSector,
                                        DWORD* lpNumberOfFreeClusters,
                                        DWORD* lpTotalNumberOfClusters) {
  struct statvfs fs;
  if (statvfs(lpRootPathName ? lpRootPathName : ".", &fs) != 0) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return FALSE;
  }
  const unsigned long long nUnit = fs.f_frsize ? fs.f_frsize : fs.f_bsize;
  ClusterGeometry(static_cast<unsigned long long>(fs.f_bavail) * nUnit,
                  static_cast<unsigned long long>(fs.f_blocks) * nUnit,
                  static_cast<unsigned long>(nUnit), lpSectorsPerCluster,
                  lpBytesPerSector, lpNumberOfFreeClusters,
                  lpTotalNumberOfClusters);
  return TRUE;
}
