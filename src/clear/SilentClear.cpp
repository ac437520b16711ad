#include "ClearRegistry.h"
#include "ClearSteps.h"
#include "FileRemoval.h"
#include "app/RunMode.h"
#include "fw/MessageBox.h"
#include "res/StringTable.h"
#include "sys/Administrator.h"

int SilentClearRegistry() {
  if (!IsUserAdministrator()) {
    AfxMessageBox(IDS_NOT_ADMINISTRATOR, MB_OK | MB_ICONSTOP);
    return 0;
  }
  RemoveRunningAndRegisteredTraces();
  const std::string strFolder = g_strProgramFolder;
  const BOOL bRemoved =
      RemoveFileTraces([&strFolder] { return DeleteProgramFolder(strFolder); });
  return bRemoved ? 1 : 0;
}
