#include "FileRemoval.h"
#include "FolderEntries.h"
#include "ResolvedFolder.h"
#include "SystemFolders.h"
#include "platform/Platform.h"

BOOL DeleteDetmpFiles(BOOL bVerbose) {
  std::string strWindows;
  if (!FetchWindowsDirectoryOrReport(&strWindows)) return FALSE;
  std::string strReal;
  if (!ResolveStepFolder(strWindows, &strReal)) return FALSE;
  return DeleteFolderEntries(strReal, "_detmp.*", FALSE, bVerbose);
}

BOOL DeleteIstmpFolders(BOOL bVerbose) {
  std::string strTemp;
  if (!FetchTempPathOrReport(&strTemp)) return FALSE;
  std::string strReal;
  if (!ResolveStepFolder(strTemp, &strReal)) return FALSE;
  return DeleteFolderEntries(strReal, "_istmp*.dir", TRUE, bVerbose);
}
