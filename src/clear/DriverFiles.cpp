#include "DeletionReport.h"
#include "FileRemoval.h"
#include "ResolvedFolder.h"
#include "ServiceStop.h"
#include "SystemFolders.h"
#include "platform/Platform.h"
#include "res/ClearStringIds.h"

namespace {
const char* const kDriverFiles[] = {
    "\\Pellin.sys", "\\Pellix.sys",  "\\Gorvan.sys", "\\Kestan.sys",
    "\\Velcor.sys", "\\Quesk.sys",   "\\Yurrin.sys", "\\Wembic.sys",
    "\\Zandre.sys", "\\Fennet.sys",  "\\Dovrel.sys", "\\Mirrow.sys",
    "\\Sidrel.sys", "\\Brannic.sys", "\\Tallum.sys", "\\Orvik.sys",
    "\\Harnow.sys", "\\Lorrin.dll"};
const char kDriverManagerService[] = "Trevant";
const char kDriverManagerFile[] = "\\Trevant.exe";
}  // namespace

BOOL DeleteDriverFiles(BOOL bVerbose) {
  std::string strSystem;
  if (!FetchSystemDirectoryOrReport(&strSystem)) return FALSE;
  std::string strDrivers;
  if (!ResolveStepFolder(strSystem + "\\Drivers", &strDrivers)) return FALSE;
  // Their outcome is not looked at: only the driver manager's file, which
  // is in use while its service runs, decides the step.
  for (const char* pszFile : kDriverFiles)
    Files().DeleteFileA((strDrivers + pszFile).c_str());

  StopServiceAndWait(kDriverManagerService);
  const std::string strManager = strDrivers + kDriverManagerFile;
  if (Files().DeleteFileA(strManager.c_str())) return TRUE;
  const DWORD dwError = GetLastError();
  if (IsNotThere(dwError)) return TRUE;
  ReportDeletionError(IDS_DELETE_FILE_FAILED, strManager, dwError, bVerbose);
  return FALSE;
}
