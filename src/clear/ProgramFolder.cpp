#include "DeletionReport.h"
#include "FileRemoval.h"
#include "FolderEntries.h"
#include "ProgramFolderGuard.h"
#include "SystemFolders.h"
#include "fw/MessageBox.h"
#include "platform/Platform.h"
#include "res/ClearStringIds.h"

namespace {
// The program folder keeps a copy of Windows' own PC Card driver, which the
// suite's installer replaced.
const char kSavedDriver[] = "\\Pcmcia.sys";
const char kWindowsDriver[] = "\\Drivers\\Pcmcia.sys";

// FALSE, after string 126, when the copy failed for another reason than
// the copy or the folder not being there.
BOOL RestoreWindowsDriver(const std::string& strFolder,
                          const std::string& strSystem) {
  if (Files().CopyFileA((strFolder + kSavedDriver).c_str(),
                        (strSystem + kWindowsDriver).c_str(), FALSE))
    return TRUE;
  const DWORD dwError = GetLastError();
  if (IsNotThere(dwError)) return TRUE;
  AfxFormatMessageBox(IDS_COPY_PCMCIA_FAILED, MB_OK | MB_ICONEXCLAMATION,
                      static_cast<int>(dwError));
  return FALSE;
}
}  // namespace

BOOL DeleteProgramFolder(const std::string& strFolder, BOOL bVerbose) {
  if (strFolder.empty()) {
    AfxMessageBox(IDS_NO_PROGRAM_FOLDER, MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
  }
  std::string strSystem, strReal;
  if (!FetchSystemDirectoryOrReport(&strSystem)) return FALSE;
  // Before anything is copied from it or deleted in it; the real location
  // is what the step works on.
  if (!ResolveProgramFolder(strFolder, strSystem, &strReal)) return FALSE;
  if (!RestoreWindowsDriver(strReal, strSystem)) return FALSE;
  if (!DeleteFolderEntries(strReal, "*.*", FALSE, bVerbose)) return FALSE;
  // Whether the folder itself could go is not looked at.
  Files().RemoveDirectoryA(strReal.c_str());
  return TRUE;
}
