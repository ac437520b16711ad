#include "ClearRegistry.h"
#include "ClearSteps.h"
#include "ProgramFolderChoice.h"
#include "fw/MessageBox.h"
#include "res/AppStringIds.h"
#include "res/ClearStringIds.h"
#include "res/Resource.h"
#include "res/UpdateStringIds.h"
#include "sys/Administrator.h"
#include "sys/BusyScope.h"
#include "sys/RegistryOps.h"
#include "sys/Restart.h"

namespace {
enum class CAnswer { kGoOn, kDeclined, kRestartFirst };

// The warning and the two questions before anything is changed.
CAnswer ConfirmClear() {
  if (AfxMessageBox(IDS_CLEAR_WARNING, MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
    return CAnswer::kDeclined;
  const int nRestart =
      AfxMessageBox(IDS_RESTART_BEFORE_CLEAR, MB_YESNOCANCEL | MB_ICONQUESTION);
  if (nRestart == IDYES) return CAnswer::kRestartFirst;
  if (nRestart != IDNO) return CAnswer::kDeclined;
  if (AfxMessageBox(IDS_CLOSE_APPLICATIONS, MB_OKCANCEL | MB_ICONEXCLAMATION) !=
      IDOK)
    return CAnswer::kDeclined;
  return CAnswer::kGoOn;
}

void OfferRestart(UINT nIDPrompt, UINT nIcon) {
  if (AfxMessageBox(nIDPrompt, MB_YESNO | nIcon) == IDYES) RestartComputer();
}
}  // namespace

void OnClearRegistry(IMainForm& form, BOOL bVerbose) {
  if (!IsUserAdministrator()) {
    AfxMessageBox(IDS_NOT_ADMINISTRATOR, MB_OK | MB_ICONSTOP);
    return;
  }
  switch (ConfirmClear()) {
    case CAnswer::kRestartFirst:
      RestartComputer();
      return;
    case CAnswer::kDeclined:
      AfxMessageBox(IDS_MANUAL_REMOVAL, MB_OK | MB_ICONINFORMATION);
      return;
    case CAnswer::kGoOn:
      break;
  }

  form.EnableButton(IDC_CLEAR_REGISTRY, FALSE);
  BOOL bRemoved = FALSE;
  BOOL bCommitted = FALSE;
  {
    CBusyScope busy;
    CRegistryTally tally;
    RemoveRunningAndRegisteredTraces(tally);
    // No file goes while the stored registry may still name it; the store
    // (or string 172) has told the user why.
    bCommitted = RegistryWasUsable(tally) && CommitRegistryChanges();
    if (bCommitted)
      bRemoved = RemoveFileTraces(
                     [&form, bVerbose] {
                       return SelectAndDeleteProgramFolder(form, bVerbose);
                     },
                     bVerbose) &&
                 tally.AllDone();
  }
  if (!bCommitted) return;

  if (!bRemoved) {
    OfferRestart(IDS_FILES_NOT_DELETED, MB_ICONEXCLAMATION);
    return;
  }
  AfxMessageBox(IDS_CLEAR_COMPLETED, MB_OK | MB_ICONINFORMATION);
  OfferRestart(IDS_RESTART_QUESTION, MB_ICONQUESTION);
}
