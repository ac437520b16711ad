#include "FileRemoval.h"
#include "FolderEntries.h"
#include "ResolvedFolder.h"
#include "fw/MessageBox.h"
#include "platform/Platform.h"
#include "res/ClearStringIds.h"

namespace {
// The shell's item is the caller's to free, with the shell's allocator.
void FreeItem(LPITEMIDLIST pidl) {
  IShellMalloc* pMalloc = Shell().SHGetMalloc();
  if (pMalloc == nullptr) return;
  pMalloc->Free(pidl);
  pMalloc->Release();
}
}  // namespace

BOOL DeleteStartMenuFolder(int nFolder, BOOL bVerbose) {
  LPITEMIDLIST pidl = nullptr;
  if (FAILED(Shell().SHGetSpecialFolderLocation(nullptr, nFolder, &pidl)) ||
      pidl == nullptr) {
    AfxMessageBox(IDS_SH_GET_SPECIAL_FOLDER_FAILED, MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
  }
  char szPath[MAX_PATH] = "";
  const BOOL bConverted = Shell().SHGetPathFromIDListA(pidl, szPath);
  FreeItem(pidl);
  if (!bConverted) {
    AfxMessageBox(IDS_SH_GET_PATH_FAILED, MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
  }
  std::string strReal;
  if (!ResolveStepFolder(szPath, &strReal)) return FALSE;
  return DeleteFolderEntries(strReal, "Tessarine*.*", TRUE, bVerbose);
}
