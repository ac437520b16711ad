#include "Platform.h"

#include <cassert>

namespace {
CPlatform g_platform;

template <typename T>
T& Required(T* pPort) {
  assert(pPort != nullptr && "port not set for this run");
  return *pPort;
}
}  // namespace

CPlatform& Platform() { return g_platform; }
void SetPlatform(const CPlatform& platform) { g_platform = platform; }

IRegistry& Registry() { return Required(g_platform.pRegistry); }
ISecurity& Security() { return Required(g_platform.pSecurity); }
IFileSystem& Files() { return Required(g_platform.pFiles); }
IShell& Shell() { return Required(g_platform.pShell); }
IServiceManager& Services() { return Required(g_platform.pServices); }
IDevice& Devices() { return Required(g_platform.pDevices); }
IUser& User() { return Required(g_platform.pUser); }
ISystemInfo& SystemInfo() { return Required(g_platform.pSystemInfo); }
IDebug& Debug() { return Required(g_platform.pDebug); }
IClock& Clock() { return Required(g_platform.pClock); }
