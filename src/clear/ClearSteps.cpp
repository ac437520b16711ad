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

BOOL RemoveFileTraces(const std::function<BOOL()>& deleteProgramFolder) {
  BOOL bFailed = FALSE;
  if (!DeleteDriverFiles()) bFailed = TRUE;
  if (!DeleteDetmpFiles()) bFailed = TRUE;
  if (!DeleteIstmpFolders()) bFailed = TRUE;
  if (!deleteProgramFolder()) bFailed = TRUE;
  if (!DeleteStartMenuFolder(CSIDL_COMMON_PROGRAMS)) bFailed = TRUE;
  if (!DeleteStartMenuFolder(CSIDL_PROGRAMS)) bFailed = TRUE;
  return !bFailed;
}
