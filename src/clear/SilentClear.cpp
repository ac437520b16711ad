#include "ClearRegistry.h"
#include "ClearSteps.h"
#include "FileRemoval.h"
#include "fw/MessageBox.h"
#include "res/AppStringIds.h"
#include "sys/Administrator.h"
#include "sys/RegistryOps.h"

int SilentClearRegistry(const std::string& strProgramFolder) {
  if (!IsUserAdministrator()) {
    AfxMessageBox(IDS_NOT_ADMINISTRATOR, MB_OK | MB_ICONSTOP);
    return 0;
  }
  CRegistryTally tally;
  RemoveRunningAndRegisteredTraces(tally);
  // No file goes while the stored registry may still name it.
  if (!RegistryWasUsable(tally) || !CommitRegistryChanges()) return 0;
  const BOOL bRemoved = RemoveFileTraces(
      [&strProgramFolder] {
        return DeleteProgramFolder(strProgramFolder, FALSE);
      },
      FALSE);
  return bRemoved && tally.AllDone() ? 1 : 0;
}
