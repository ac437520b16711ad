#include "MachineFacts.h"

#include <windows.h>

#include <cstdio>

namespace {
typedef BOOL(WINAPI* PFN_IS_WOW64)(HANDLE, BOOL*);

// IsWow64Process is Windows XP's: a system without it runs no 32-bit
// program on a 64-bit kernel.
bool IsWow64() {
  auto pfn = reinterpret_cast<PFN_IS_WOW64>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "IsWow64Process")));
  BOOL bWow64 = FALSE;
  return pfn && pfn(GetCurrentProcess(), &bWow64) && bWow64;
}
// The width this program runs at: the 64-bit test build, or the 32-bit
// program on a 32-bit system or under WOW64.
const char* ProgramWidth() {
  if (sizeof(void*) == 8) return "64-bit";
  return IsWow64() ? "WOW64" : "32-bit";
}
}  // namespace

int CmdVersion() {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof(info);
  if (!GetVersionExA(&info)) return 1;
  std::printf("%lu.%lu.%lu %s %s\n",
              static_cast<unsigned long>(info.dwMajorVersion),
              static_cast<unsigned long>(info.dwMinorVersion),
              static_cast<unsigned long>(info.dwBuildNumber & 0xFFFF),
              info.dwPlatformId == VER_PLATFORM_WIN32_NT ? "NT" : "9x",
              ProgramWidth());
  return 0;
}

int CmdFigures() {
  MEMORYSTATUS memory = {};
  memory.dwLength = sizeof(memory);
  GlobalMemoryStatus(&memory);
  SYSTEM_INFO system = {};
  GetSystemInfo(&system);
  std::printf("%lu %lu %lu ",
              static_cast<unsigned long>(memory.dwTotalPhys / 1024),
              static_cast<unsigned long>(memory.dwAvailPhys / 1024),
              static_cast<unsigned long>(system.dwProcessorType));
  DWORD dwSectors = 0, dwBytes = 0, dwFree = 0, dwTotal = 0;
  if (GetDiskFreeSpaceA(nullptr, &dwSectors, &dwBytes, &dwFree, &dwTotal))
    std::printf("%llu\n", static_cast<unsigned long long>(dwFree) * dwSectors *
                              dwBytes / 1024);
  else
    std::printf("-\n");
  return 0;
}
