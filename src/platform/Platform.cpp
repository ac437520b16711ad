#include "Platform.h"

#include <cstdio>
#include <cstdlib>

namespace {
CPlatform g_platform;

// A port the run never set is a fault of the program's start-up: say which
// one, in every build, rather than follow a null pointer.
template <typename T>
T& Required(T* pPort, const char* pszName) {
  if (pPort == nullptr) {
    // fputs of a formatted line: the Windows build imports no more of the C
    // runtime's stdio than NT 4.0 has.
    char szLine[96];
    std::snprintf(szLine, sizeof(szLine),
                  "quorrel: the %s port is not set for this run\n", pszName);
    std::fputs(szLine, stderr);
    std::abort();
  }
  return *pPort;
}
}  // namespace

CPlatform& Platform() { return g_platform; }
void SetPlatform(const CPlatform& platform) { g_platform = platform; }

IRegistry& Registry() { return Required(g_platform.pRegistry, "registry"); }
ISecurity& Security() { return Required(g_platform.pSecurity, "security"); }
IFileSystem& Files() { return Required(g_platform.pFiles, "files"); }
IShell& Shell() { return Required(g_platform.pShell, "shell"); }
IServiceManager& Services() {
  return Required(g_platform.pServices, "services");
}
IDevice& Devices() { return Required(g_platform.pDevices, "devices"); }
IUser& User() { return Required(g_platform.pUser, "user"); }
ISystemInfo& SystemInfo() {
  return Required(g_platform.pSystemInfo, "system information");
}
IDebug& Debug() { return Required(g_platform.pDebug, "debug"); }
IClock& Clock() { return Required(g_platform.pClock, "clock"); }
