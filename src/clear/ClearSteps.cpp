#include "ClearSteps.h"

#include "FileRemoval.h"
#include "ProductSettings.h"
#include "ServiceKeys.h"
#include "TrayApplication.h"
#include "fw/MessageBox.h"
#include "res/ClearStringIds.h"

void RemoveRunningAndRegisteredTraces(CRegistryTally& tally) {
  CloseTrayApplication();
  RemoveServiceKeys(tally);
  RemoveProductSettings(tally);
}

BOOL RegistryWasUsable(const CRegistryTally& tally) {
  if (tally.StoreError() == 0) return TRUE;
  AfxFormatMessageBox(IDS_REGISTRY_NOT_USABLE, MB_OK | MB_ICONEXCLAMATION,
                      static_cast<int>(tally.StoreError()));
  return FALSE;
}

BOOL RemoveFileTraces(const std::function<BOOL()>& deleteProgramFolder,
                      BOOL bVerbose) {
  BOOL bFailed = FALSE;
  if (!DeleteDriverFiles(bVerbose)) bFailed = TRUE;
  if (!DeleteDetmpFiles(bVerbose)) bFailed = TRUE;
  if (!DeleteIstmpFolders(bVerbose)) bFailed = TRUE;
  if (!deleteProgramFolder()) bFailed = TRUE;
  if (!DeleteStartMenuFolder(CSIDL_COMMON_PROGRAMS, bVerbose)) bFailed = TRUE;
  if (!DeleteStartMenuFolder(CSIDL_PROGRAMS, bVerbose)) bFailed = TRUE;
  return !bFailed;
}
