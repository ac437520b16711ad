#include "DeletionReport.h"

#include "fw/MessageBox.h"
#include "platform/Platform.h"

bool IsNotThere(DWORD dwError) {
  return dwError == ERROR_FILE_NOT_FOUND || dwError == ERROR_PATH_NOT_FOUND;
}

void ReportDeletionError(UINT nID, const std::string& strPath, DWORD dwError,
                         BOOL bVerbose) {
  if (!bVerbose || IsNotThere(dwError)) return;
  AfxFormatMessageBox(nID, MB_OK | MB_ICONEXCLAMATION, strPath.c_str(),
                      static_cast<int>(dwError));
}

void ReportDeletionFailure(UINT nID, const std::string& strPath,
                           BOOL bVerbose) {
  ReportDeletionError(nID, strPath, GetLastError(), bVerbose);
}
