// The kernel drivers the host stands in for. A driver is loaded while its
// service runs (see CHostServiceManager) and then exposes one device in the
// device namespace, which CHostDevice opens.
#pragma once

#include <string>

#include "platform/Registry.h"

struct CHostDriver {
  const char* pszService;
  const char* pszDevice;  // without the "\\.\" prefix
  // Completes one control request: ERROR_SUCCESS with *pdwReturned bytes
  // written to pOut, or the Windows error the request fails with.
  DWORD(*pfnControl)
  (IRegistry& registry, DWORD dwCode, const void* pIn, DWORD cbIn, void* pOut,
   DWORD cbOut, DWORD* pdwReturned);
};

// The driver exposing the device of that name (without regard to case);
// null when none does.
const CHostDriver* FindHostDriverByDevice(const std::string& strDevice);

// The repair driver's request handler (IOCTL_QUORREL_REPAIR_MAC_DATABASE).
DWORD QuorrelDeviceControl(IRegistry& registry, DWORD dwCode, const void* pIn,
                           DWORD cbIn, void* pOut, DWORD cbOut,
                           DWORD* pdwReturned);
