#include "FolderEntries.h"

#include "DeletionReport.h"
#include "platform/Platform.h"
#include "res/ClearStringIds.h"
#include "sys/ScopedHandles.h"

namespace {
BOOL DeleteOneFile(const std::string& strPath, BOOL bVerbose) {
  if (Files().DeleteFileA(strPath.c_str())) return TRUE;
  ReportDeletionFailure(IDS_DELETE_FILE_FAILED, strPath, bVerbose);
  return FALSE;
}

// A link (a reparse point: a symbolic link or a junction) is an entry of its
// own: the link goes, what it leads to may lie anywhere and is never
// entered. A link to a folder is removed as a folder, without emptying it.
// NT 4.0 has no reparse points and never sets the bit.
BOOL DeleteLink(const std::string& strPath, const WIN32_FIND_DATAA& data,
                BOOL bVerbose) {
  if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return DeleteOneFile(strPath, bVerbose);
  if (Files().RemoveDirectoryA(strPath.c_str())) return TRUE;
  ReportDeletionFailure(IDS_REMOVE_DIRECTORY_FAILED, strPath, bVerbose);
  return FALSE;
}

BOOL DeleteEntry(const std::string& strPath, const WIN32_FIND_DATAA& data,
                 BOOL bDescend, BOOL bVerbose) {
  if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
    return DeleteLink(strPath, data, bVerbose);
  if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return DeleteOneFile(strPath, bVerbose);
  if (!bDescend) return FALSE;
  if (!DeleteFolderEntries(strPath, "*.*", TRUE, bVerbose)) return FALSE;
  if (Files().RemoveDirectoryA(strPath.c_str())) return TRUE;
  ReportDeletionFailure(IDS_REMOVE_DIRECTORY_FAILED, strPath, bVerbose);
  return FALSE;
}

bool IsDotEntry(const WIN32_FIND_DATAA& data) {
  const std::string strName = data.cFileName;
  return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
         (strName == "." || strName == "..");
}
}  // namespace

BOOL DeleteFolderEntries(const std::string& strFolder,
                         const std::string& strMask, BOOL bDescend,
                         BOOL bVerbose) {
  // No folder named: "\" + mask would search the root of the drive.
  if (strFolder.empty()) return TRUE;
  const std::string strBase =
      strFolder.back() == '\\' ? strFolder : strFolder + "\\";
  WIN32_FIND_DATAA data;
  const CScopedFind find(
      Files().FindFirstFileA((strBase + strMask).c_str(), &data));
  if (find.Get() == INVALID_HANDLE_VALUE) return TRUE;
  BOOL bResult = TRUE;
  do {
    if (!IsDotEntry(data))
      bResult = DeleteEntry(strBase + data.cFileName, data, bDescend, bVerbose);
  } while (bResult && Files().FindNextFileA(find.Get(), &data));
  return bResult;
}
