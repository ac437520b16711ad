#include "FileRemoval.h"
#include "FolderEntries.h"
#include "ResolvedFolder.h"
#include "SystemFolders.h"
#include "fw/MessageBox.h"
#include "platform/Platform.h"
#include "res/ClearStringIds.h"

BOOL DeleteDetmpFiles(BOOL bVerbose) {
  std::string strWindows;
  if (!FetchWindowsDirectory(&strWindows)) {
    AfxFormatMessageBox(IDS_GET_WINDOWS_DIRECTORY_FAILED,
                        MB_OK | MB_ICONEXCLAMATION,
                        static_cast<int>(GetLastError()));
    return FALSE;
  }
  std::string strReal;
  if (!ResolveStepFolder(strWindows, &strReal)) return FALSE;
  return DeleteFolderEntries(strReal, "_detmp.*", FALSE, bVerbose);
}

BOOL DeleteIstmpFolders(BOOL bVerbose) {
  std::string strTemp;
  if (!FetchTempPath(&strTemp)) {
    AfxFormatMessageBox(IDS_GET_TEMP_PATH_FAILED, MB_OK | MB_ICONEXCLAMATION,
                        static_cast<int>(GetLastError()));
    return FALSE;
  }
  std::string strReal;
  if (!ResolveStepFolder(strTemp, &strReal)) return FALSE;
  return DeleteFolderEntries(strReal, "_istmp*.dir", TRUE, bVerbose);
}
