#include "HostDrivers.h"

#include <strings.h>

#include <cstring>

#include "HostMacDatabase.h"
#include "platform/QuorrelControl.h"

namespace {
const CHostDriver kDrivers[] = {
    {kQuorrelServiceName, kQuorrelServiceName, &QuorrelDeviceControl},
};
}  // namespace

const CHostDriver* FindHostDriverByDevice(const std::string& strDevice) {
  for (const CHostDriver& driver : kDrivers) {
    if (strcasecmp(driver.pszDevice, strDevice.c_str()) == 0) return &driver;
  }
  return nullptr;
}

DWORD QuorrelDeviceControl(IRegistry& registry, DWORD dwCode,
                           const void* /*pIn*/, DWORD /*cbIn*/, void* pOut,
                           DWORD cbOut, DWORD* pdwReturned) {
  *pdwReturned = 0;
  // STATUS_INVALID_DEVICE_REQUEST and STATUS_BUFFER_TOO_SMALL, as Windows
  // hands them to the caller.
  if (dwCode != IOCTL_QUORREL_REPAIR_MAC_DATABASE)
    return ERROR_INVALID_FUNCTION;
  if (pOut == nullptr || cbOut < sizeof(DWORD))
    return ERROR_INSUFFICIENT_BUFFER;
  DWORD dwResult = 0;
  const DWORD dwError = RepairMacDatabaseRecord(registry, &dwResult);
  if (dwError != ERROR_SUCCESS) return dwError;
  std::memcpy(pOut, &dwResult, sizeof(dwResult));
  *pdwReturned = sizeof(dwResult);
  return ERROR_SUCCESS;
}
