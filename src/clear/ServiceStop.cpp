#include "ServiceStop.h"

#include "PumpingWait.h"
#include "platform/Platform.h"
#include "sys/ScopedHandles.h"

namespace {
// 60 passes of 500 ms: at most 30 seconds.
constexpr int kStopWaitPasses = 60;
constexpr DWORD kStopWaitSleep = 500;

bool CanBeStopped(const SERVICE_STATUS& status) {
  return status.dwCurrentState == SERVICE_RUNNING &&
         (status.dwControlsAccepted & SERVICE_ACCEPT_STOP) != 0;
}

void WaitUntilStopped(SC_HANDLE hService) {
  for (int nPass = 0; nPass < kStopWaitPasses; ++nPass) {
    SleepAndDispatchMessages(kStopWaitSleep);
    SERVICE_STATUS status = {};
    if (!Services().QueryServiceStatus(hService, &status) ||
        status.dwCurrentState == SERVICE_STOPPED)
      return;
  }
}
}  // namespace

void StopServiceAndWait(const std::string& strService) {
  // Manager first, service second: the service handle closes first.
  CScopedServiceHandle manager(
      Services().OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
  if (manager.Get() == nullptr) return;
  CScopedServiceHandle service(Services().OpenServiceA(
      manager.Get(), strService.c_str(), SERVICE_QUERY_STATUS | SERVICE_STOP));
  if (service.Get() == nullptr) return;
  SERVICE_STATUS status = {};
  if (!Services().QueryServiceStatus(service.Get(), &status) ||
      !CanBeStopped(status))
    return;
  if (Services().ControlService(service.Get(), SERVICE_CONTROL_STOP, &status))
    WaitUntilStopped(service.Get());
}
