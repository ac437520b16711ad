#include "MacDatabaseRepair.h"

#include "fw/MessageBox.h"
#include "fw/StringTable.h"
#include "platform/Platform.h"
#include "platform/QuorrelControl.h"
#include "res/AppStringIds.h"
#include "res/RepairStringIds.h"
#include "sys/Administrator.h"
#include "sys/Restart.h"

namespace {
// Shows a failure message with the error of the call that just failed.
void ShowFailure(UINT nID) {
  const DWORD dwError = GetLastError();
  AfxFormatMessageBox(nID, MB_OK | MB_ICONEXCLAMATION,
                      static_cast<int>(dwError));
}

std::string ModulePath() {
  char szPath[MAX_PATH + 1] = {};
  const DWORD cch = Files().GetModuleFileNameA(szPath, MAX_PATH);
  return std::string(szPath, cch < MAX_PATH ? cch : MAX_PATH);
}

// A new service with the fixed settings, or the one an earlier run left
// registered, used unchanged. Null when neither can be had (the
// message has been shown).
SC_HANDLE CreateRepairService(SC_HANDLE hManager,
                              const std::string& strImagePath) {
  SC_HANDLE hService = Services().CreateServiceA(
      hManager, kQuorrelServiceName, kQuorrelServiceName, SERVICE_ALL_ACCESS,
      SERVICE_KERNEL_DRIVER, SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL,
      strImagePath.c_str());
  if (hService != nullptr) return hService;
  if (GetLastError() != ERROR_SERVICE_EXISTS) {
    ShowFailure(IDS_SERVICE_CREATE_FAILED);
    return nullptr;
  }
  hService = Services().OpenServiceA(hManager, kQuorrelServiceName,
                                     SERVICE_ALL_ACCESS);
  if (hService == nullptr) ShowFailure(IDS_SERVICE_OPEN_FAILED);
  return hService;
}

// TRUE when the service runs, including when it already did.
BOOL StartRepairService(SC_HANDLE hService) {
  if (Services().StartServiceA(hService, 0, nullptr)) return TRUE;
  if (GetLastError() == ERROR_SERVICE_ALREADY_RUNNING) return TRUE;
  ShowFailure(IDS_SERVICE_START_FAILED);
  return FALSE;
}

// The one control request. *pdwResult changes only when the request
// succeeded, so that a failed request never counts as a repair.
void SendRepairRequest(HANDLE hDevice, DWORD* pdwResult) {
  DWORD dwResult = 0;
  DWORD dwReturned = 0;
  if (!Devices().DeviceIoControl(hDevice, IOCTL_QUORREL_REPAIR_MAC_DATABASE,
                                 nullptr, 0, &dwResult, sizeof(dwResult),
                                 &dwReturned)) {
    ShowFailure(IDS_MAC_REPAIR_FAILED);
    return;
  }
  *pdwResult = dwResult;
  AfxMessageBox(
      dwResult == 0 ? IDS_MAC_DATABASE_SOUND : IDS_MAC_DATABASE_REPAIRED,
      MB_OK | MB_ICONINFORMATION);
}

// Open the device, send the request, close the device. The device is opened
// without sharing and closed before the service is stopped; its close is
// reported, so it is made by hand rather than by a guard.
void RepairThroughDevice(DWORD* pdwResult) {
  HANDLE hDevice =
      Devices().CreateFileA(kQuorrelDevicePath, GENERIC_READ | GENERIC_WRITE, 0,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL);
  if (hDevice == INVALID_HANDLE_VALUE) {
    ShowFailure(IDS_DEVICE_OPEN_FAILED);
    return;
  }
  SendRepairRequest(hDevice, pdwResult);
  if (!Devices().CloseHandle(hDevice)) ShowFailure(IDS_FILE_CLOSE_FAILED);
}

// Start, use, stop and delete the service: from the start on every clean-up
// step runs whatever the step before it did.
void RunRepairService(SC_HANDLE hService, DWORD* pdwResult) {
  if (StartRepairService(hService)) {
    RepairThroughDevice(pdwResult);
    // The status returned is not examined; the deletion takes effect once
    // the system has unloaded the driver.
    SERVICE_STATUS status = {};
    if (!Services().ControlService(hService, SERVICE_CONTROL_STOP, &status))
      ShowFailure(IDS_SERVICE_STOP_FAILED);
  }
  if (!Services().DeleteService(hService))
    ShowFailure(IDS_SERVICE_DELETE_FAILED);
}

// The repair reports a handle that won't close, so its service handles close
// by hand, service before manager, rather than by a guard.
void CloseHandleReporting(SC_HANDLE hObject) {
  if (!Services().CloseServiceHandle(hObject))
    ShowFailure(IDS_SERVICE_CLOSE_FAILED);
}

// Everything between the user's yes and the restart; *pdwResult is the
// driver's repair result, 0 unless the request was sent and succeeded.
void RunRepair(const std::string& strImagePath, DWORD* pdwResult) {
  SC_HANDLE hManager =
      Services().OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
  if (hManager == nullptr) {
    ShowFailure(IDS_SCM_OPEN_FAILED);
    return;
  }
  SC_HANDLE hService = CreateRepairService(hManager, strImagePath);
  if (hService != nullptr) {
    RunRepairService(hService, pdwResult);
    CloseHandleReporting(hService);
  }
  CloseHandleReporting(hManager);
}
}  // namespace

std::string RepairDriverImagePath(const std::string& strModulePath) {
  const size_t nKeep = strModulePath.size() > 3 ? strModulePath.size() - 3 : 0;
  return strModulePath.substr(0, nKeep) + "sys";
}

void RepairMacDatabase() {
  if (!IsUserAdministrator()) {
    AfxMessageBox(IDS_NOT_ADMINISTRATOR, MB_OK | MB_ICONSTOP);
    return;
  }
  if (AfxMessageBox(IDS_MAC_REPAIR_CONFIRM, MB_YESNO | MB_ICONQUESTION) !=
      IDYES)
    return;
  DWORD dwResult = 0;
  RunRepair(RepairDriverImagePath(ModulePath()), &dwResult);
  // The user agreed to the restart beforehand (message 162); it follows a
  // correction even when a clean-up step failed.
  if (dwResult != 0) RestartComputer();
}
