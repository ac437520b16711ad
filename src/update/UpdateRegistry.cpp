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
#include "sys/RegistryTally.h"
#include "sys/Restart.h"
#include "sys/ScopedHandles.h"

namespace {
const char kVelcorKey[] = "System\\CurrentControlSet\\Services\\Velcor";
const char kPirqsSubkey[] = "Parameters\\PIRQS";
const DWORD kDefaultPirq = 11;
const char kCdromKey[] = "System\\CurrentControlSet\\Services\\Cdrom";

// The CD-ROM class driver goes from demand start to disabled; TRUE when the
// fix-up applied. A failed write counts, as a card value's does: the driver
// would still be started on demand.
BOOL DisableDemandStartCdrom(CRegistryTally& tally) {
  if (ReadRegDword(HKEY_LOCAL_MACHINE, kCdromKey, "Start") !=
      SERVICE_DEMAND_START)
    return FALSE;
  tally.Write(
      WriteRegDword(HKEY_LOCAL_MACHINE, kCdromKey, "Start", SERVICE_DISABLED),
      kCdromKey, "Start");
  return TRUE;
}
}  // namespace

BOOL UpdatePirqDefaults(CRegistryTally* pTally) {
  CRegistryTally unused;
  CRegistryTally& tally = pTally ? *pTally : unused;
  BOOL bChanged = FALSE;
  // The routing keys are touched only when the PCI configuration service is
  // registered; nothing is created for it. Declared service key first, so
  // the PIRQS key closes first.
  CScopedRegKey service;
  if (!OpenRegKey(HKEY_LOCAL_MACHINE, kVelcorKey, service.Receive()))
    return FALSE;
  CScopedRegKey pirqs;
  const std::string strPirqsKey = std::string(kVelcorKey) + "\\" + kPirqsSubkey;
  if (!CreateRegKey(service.Get(), kPirqsSubkey, pirqs.Receive())) {
    tally.Write(FALSE, strPirqsKey);
    return FALSE;
  }
  for (const char* pszValue : {"1", "2"}) {
    if (QueryRegDword(pirqs.Get(), pszValue) == kRegDwordMissing) {
      tally.Write(SetRegDword(pirqs.Get(), pszValue, kDefaultPirq),
                  strPirqsKey, pszValue);
      bChanged = TRUE;
    }
  }
  return bChanged;
}

BOOL UpdateCardDatabase(CRegistryTally* pTally) {
  for (const CardEntry& entry : CardEntries()) {
    const std::string strKey = CardEntryKeyPath(entry);
    for (const CardValue& value : entry.values) {
      const BOOL bWritten = value.type == REG_DWORD
                                ? WriteRegDword(HKEY_LOCAL_MACHINE, strKey,
                                                value.name, value.number)
                                : WriteRegString(HKEY_LOCAL_MACHINE, strKey,
                                                 value.name, value.text);
      // A failed value doesn't stop the others.
      if (pTally) pTally->Write(bWritten, strKey, value.name);
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
  CRegistryTally tally;
  UpdatePirqDefaults(&tally);
  UpdateCardDatabase(&tally);
  return tally.AllDone() ? 1 : 0;
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
  CRegistryTally tally;
  {
    CBusyScope busy;
    if (UpdatePirqDefaults(&tally)) bRestart = TRUE;
    if (UpdateCardDatabase(&tally)) bRestart = TRUE;
    if (DisableDemandStartCdrom(tally)) bRestart = TRUE;
  }

  // Only a complete update, stored, is announced as a success.
  if (tally.AllDone() && CommitRegistryChanges())
    AfxMessageBox(IDS_UPDATE_COMPLETED, MB_OK | MB_ICONINFORMATION);
  else
    AfxMessageBox(IDS_UPDATE_INCOMPLETE, MB_OK | MB_ICONEXCLAMATION);
  if (bRestart &&
      AfxMessageBox(IDS_RESTART_QUESTION, MB_YESNO | MB_ICONQUESTION) == IDYES)
    RestartComputer();
}
