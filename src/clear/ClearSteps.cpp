#include "ClearSteps.h"

#include "FileRemoval.h"
#include "ProductSettings.h"
#include "ServiceKeys.h"
#include "TrayApplication.h"

void RemoveRunningAndRegisteredTraces() {
  CloseTrayApplication();
  RemoveServiceKeys();
  RemoveProductSettings();
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
