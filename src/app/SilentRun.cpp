#include <cstdio>

#include "RunMode.h"
#include "clear/ClearRegistry.h"
#include "fw/MessageBox.h"
#include "platform/Platform.h"
#include "quorrelApp.h"
#include "res/AppStringIds.h"
#include "sys/RegistryOps.h"
#include "sys/ScopedHandles.h"
#include "update/UpdateRegistry.h"

namespace {
const char kResultFileName[] = "quorrel.log";

// The run's changes are stored before the result line reports them: a
// registry that can't store them makes the result 0.
int Committed(int nResult) { return CommitRegistryChanges() ? nResult : 0; }

void WriteResultLine(HANDLE hFile, const char* pszFormat, int nResult) {
  char szLine[128];
  const int cchLine = std::snprintf(szLine, sizeof(szLine), pszFormat, nResult);
  DWORD cbWritten = 0;
  if (!Files().WriteFile(hFile, szLine, static_cast<DWORD>(cchLine),
                         &cbWritten))
    AfxFormatMessageBox(IDS_WRITE_FILE_FAILED, MB_OK,
                        static_cast<int>(GetLastError()));
}
}  // namespace

void WriteSilentResult() {
  // Created before the operation runs, so a caller that finds no file knows
  // the operation never started.
  const CScopedFile file(Files().CreateFileA(
      kResultFileName, GENERIC_WRITE, 0, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL));
  if (file.Get() == INVALID_HANDLE_VALUE) {
    AfxFormatMessageBox(IDS_CREATE_FILE_FAILED, MB_OK,
                        static_cast<int>(GetLastError()));
    return;
  }
  if (g_bSilentUpdate)
    WriteResultLine(file.Get(), "Update=%d\r\n",
                    Committed(SilentUpdateRegistry()));
  if (g_bSilentDelete)
    WriteResultLine(file.Get(), "Delete=%d\r\n",
                    Committed(SilentClearRegistry(g_strProgramFolder)));
}

BOOL RemoveEarlierSilentResult() {
  return Files().DeleteFileA(kResultFileName) ||
         GetLastError() == ERROR_FILE_NOT_FOUND;
}
