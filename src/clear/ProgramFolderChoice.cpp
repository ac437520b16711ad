#include "ProgramFolderChoice.h"

#include <string>

#include "FileRemoval.h"
#include "ProgramFolderGuard.h"
#include "SystemFolders.h"
#include "fw/MessageBox.h"
#include "fw/StringTable.h"
#include "platform/Platform.h"
#include "res/ClearStringIds.h"

namespace {
LPITEMIDLIST BrowseForFolder(IMainForm& form, const std::string& strTitle,
                             char* pszBuffer) {
  return Shell().SHBrowseForFolderA(form.GetSafeHwnd(), strTitle.c_str(),
                                    BIF_RETURNONLYFSDIRS, pszBuffer,
                                    IsOfferedProgramFolder);
}

// The folder the user picked and confirmed; empty when the browser was
// cancelled or a shell call failed (reported).
std::string ChooseProgramFolder(IMainForm& form) {
  const std::string strTitle = LoadResString(IDS_BROWSE_PROGRAM_FOLDER);
  char szPath[MAX_PATH] = "";
  for (LPITEMIDLIST pidl = BrowseForFolder(form, strTitle, szPath);
       pidl != nullptr; pidl = BrowseForFolder(form, strTitle, szPath)) {
    const BOOL bConverted = Shell().SHGetPathFromIDListA(pidl, szPath);
    IShellMalloc* pMalloc = Shell().SHGetMalloc();
    if (pMalloc == nullptr) {
      AfxMessageBox(IDS_SH_GET_MALLOC_FAILED, MB_OK | MB_ICONEXCLAMATION);
      return std::string();
    }
    pMalloc->Free(pidl);
    pMalloc->Release();
    if (!bConverted) {
      AfxMessageBox(IDS_SH_GET_PATH_FAILED, MB_OK | MB_ICONEXCLAMATION);
      return std::string();
    }
    // A folder that can't be the program folder is refused before the
    // question; the browser comes back for another choice.
    std::string strSystem;
    if (!FetchSystemDirectoryOrReport(&strSystem) ||
        !CheckProgramFolder(szPath, strSystem))
      continue;
    if (AfxFormatMessageBox(IDS_CONFIRM_PROGRAM_FOLDER,
                            MB_YESNO | MB_ICONQUESTION, szPath) == IDYES)
      return szPath;
  }
  return std::string();
}
}  // namespace

BOOL SelectAndDeleteProgramFolder(IMainForm& form, BOOL bVerbose) {
  const std::string strFolder = ChooseProgramFolder(form);
  if (strFolder.empty()) return TRUE;
  return DeleteProgramFolder(strFolder, bVerbose);
}
