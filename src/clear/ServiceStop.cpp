#include "ServiceStop.h"

#include "PumpingWait.h"
#include "platform/Platform.h"

namespace {
// 60 passes of 500 ms: at most 30 seconds.
constexpr int kStopWaitPasses = 60;
constexpr DWORD kStopWaitSleep = 500;

// A handle of the service control manager that closes itself. Declared
// manager first, service second, so the service handle closes first.
class CScopedServiceHandle {
 public:
  explicit CScopedServiceHandle(SC_HANDLE hHandle) : m_hHandle(hHandle) {}
  ~CScopedServiceHandle() {
    if (m_hHandle != nullptr) Services().CloseServiceHandle(m_hHandle);
  }
  CScopedServiceHandle(const CScopedServiceHandle&) = delete;
  CScopedServiceHandle& operator=(const CScopedServiceHandle&) = delete;
  SC_HANDLE Get() const { return m_hHandle; }

 private:
  SC_HANDLE m_hHandle;
};

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
