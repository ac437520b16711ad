#include "UpdateRegistry.h"

#include "CardTable.h"
#include "fw/MessageBox.h"
#include "platform/Platform.h"
#include "res/AppStringIds.h"
#include "res/Resource.h"
#include "res/UpdateStringIds.h"
#include "sys/Administrator.h"
#include "sys/BusyScope.h"
#include "sys/MainForm.h"
#include "sys/RegistryOps.h"
#include "sys/Restart.h"
#include "sys/ScopedHandles.h"

namespace {
const char kVelcorKey[] = "System\\CurrentControlSet\\Services\\Velcor";
const char kPirqsSubkey[] = "Parameters\\PIRQS";
const DWORD kDefaultPirq = 11;
const char kCdromKey[] = "System\\CurrentControlSet\\Services\\Cdrom";

// The CD-ROM class driver goes from demand start to disabled; TRUE when the
// fix-up applied. A failed write clears *pbAllWritten, as a card value's
// does: the driver would still be started on demand.
BOOL DisableDemandStartCdrom(BOOL* pbAllWritten) {
  if (ReadRegDword(HKEY_LOCAL_MACHINE, kCdromKey, "Start") !=
      SERVICE_DEMAND_START)
    return FALSE;
  if (!WriteRegDword(HKEY_LOCAL_MACHINE, kCdromKey, "Start", SERVICE_DISABLED))
    *pbAllWritten = FALSE;
  return TRUE;
}
}  // namespace

BOOL UpdatePirqDefaults(BOOL* pbAllWritten) {
  BOOL bChanged = FALSE;
  // The routing keys are touched only when the PCI configuration service is
  // registered; nothing is created for it. Declared service key first, so
  // the PIRQS key closes first.
  CScopedRegKey service;
  if (!OpenRegKey(HKEY_LOCAL_MACHINE, kVelcorKey, service.Receive()))
    return FALSE;
  CScopedRegKey pirqs;
  if (!CreateRegKey(service.Get(), kPirqsSubkey, pirqs.Receive())) {
    if (pbAllWritten) *pbAllWritten = FALSE;
    return FALSE;
  }
  for (const char* pszValue : {"1", "2"}) {
    if (QueryRegDword(pirqs.Get(), pszValue) == kRegDwordMissing) {
      if (!SetRegDword(pirqs.Get(), pszValue, kDefaultPirq) && pbAllWritten)
        *pbAllWritten = FALSE;
      bChanged = TRUE;
    }
  }
  return bChanged;
}

BOOL UpdateCardDatabase(BOOL* pbAllWritten) {
  for (const CardEntry& entry : CardEntries()) {
    const std::string strKey = CardEntryKeyPath(entry);
    for (const CardValue& value : entry.values) {
      const BOOL bWritten = value.type == REG_DWORD
                                ? WriteRegDword(HKEY_LOCAL_MACHINE, strKey,
                                                value.name, value.number)
                                : WriteRegString(HKEY_LOCAL_MACHINE, strKey,
                                                 value.name, value.text);
      // A failed value doesn't stop the others.
      if (!bWritten && pbAllWritten) *pbAllWritten = FALSE;
    }
  }
  return TRUE;
}

int SilentUpdateRegistry() {
  if (!IsUserAdministrator()) {
    AfxMessageBox(IDS_NOT_ADMINISTRATOR, MB_OK | MB_ICONSTOP);
    return 0;
  }
  // A value that could not be written makes the result 0: an installer
  // must not take an incomplete card database for a finished update.
  BOOL bAllWritten = TRUE;
  UpdatePirqDefaults(&bAllWritten);
  UpdateCardDatabase(&bAllWritten);
  return bAllWritten ? 1 : 0;
}

void OnUpdateRegistry(IMainForm& form) {
  if (!IsUserAdministrator()) {
    AfxMessageBox(IDS_NOT_ADMINISTRATOR, MB_OK | MB_ICONSTOP);
    return;
  }
  // Once per run: nothing enables the button again.
  form.EnableButton(IDC_UPDATE_REGISTRY, FALSE);
  // A confirmed Clear leaves its button disabled for the rest of the run.
  if (!form.IsButtonEnabled(IDC_CLEAR_REGISTRY)) {
    AfxMessageBox(IDS_REINSTALL_FIRST, MB_OK | MB_ICONSTOP);
    return;
  }
  BOOL bRestart = FALSE;
  BOOL bAllWritten = TRUE;
  {
    CBusyScope busy;
    if (UpdatePirqDefaults(&bAllWritten)) bRestart = TRUE;
    if (UpdateCardDatabase(&bAllWritten)) bRestart = TRUE;
    if (DisableDemandStartCdrom(&bAllWritten)) bRestart = TRUE;
  }

  // Only a complete update, stored, is announced as a success.
  if (bAllWritten && CommitRegistryChanges())
    AfxMessageBox(IDS_UPDATE_COMPLETED, MB_OK | MB_ICONINFORMATION);
  else
    AfxMessageBox(IDS_UPDATE_INCOMPLETE, MB_OK | MB_ICONEXCLAMATION);
  if (bRestart &&
      AfxMessageBox(IDS_RESTART_QUESTION, MB_YESNO | MB_ICONQUESTION) == IDYES)
    RestartComputer();
}
