#include "FolderEntries.h"

#include "ClearStringIds.h"
#include "DeletionReport.h"
#include "platform/Platform.h"

namespace {
BOOL DeleteOneFile(const std::string& strPath) {
  if (Files().DeleteFileA(strPath.c_str())) return TRUE;
  ReportDeletionFailure(IDS_DELETE_FILE_FAILED, strPath);
  return FALSE;
}

// A link (a reparse point: a symbolic link or a junction) is an entry of its
// own: the link goes, what it leads to may lie anywhere and is never
// entered. A link to a folder is removed as a folder, without emptying it.
// NT 4.0 has no reparse points and never sets the bit.
BOOL DeleteLink(const std::string& strPath, const WIN32_FIND_DATAA& data) {
  if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return DeleteOneFile(strPath);
  if (Files().RemoveDirectoryA(strPath.c_str())) return TRUE;
  ReportDeletionFailure(IDS_REMOVE_DIRECTORY_FAILED, strPath);
  return FALSE;
}

BOOL DeleteEntry(const std::string& strPath, const WIN32_FIND_DATAA& data,
                 BOOL bDescend) {
  if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
    return DeleteLink(strPath, data);
  if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return DeleteOneFile(strPath);
  if (!bDescend) return FALSE;
  if (!DeleteFolderEntries(strPath, "*.*", TRUE)) return FALSE;
  if (Files().RemoveDirectoryA(strPath.c_str())) return TRUE;
  ReportDeletionFailure(IDS_REMOVE_DIRECTORY_FAILED, strPath);
  return FALSE;
}

bool IsDotEntry(const WIN32_FIND_DATAA& data) {
  const std::string strName = data.cFileName;
  return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
         (strName == "." || strName == "..");
}
}  // namespace

BOOL DeleteFolderEntries(const std::string& strFolder,
                         const std::string& strMask, BOOL bDescend) {
  // No folder named: "\" + mask would search the root of the drive.
  if (strFolder.empty()) return TRUE;
  const std::string strBase =
      strFolder.back() == '\\' ? strFolder : strFolder + "\\";
  WIN32_FIND_DATAA data;
  const HANDLE hFind =
      Files().FindFirstFileA((strBase + strMask).c_str(), &data);
  if (hFind == INVALID_HANDLE_VALUE) return TRUE;
  BOOL bResult = TRUE;
  do {
    if (!IsDotEntry(data))
      bResult = DeleteEntry(strBase + data.cFileName, data, bDescend);
  } while (bResult && Files().FindNextFileA(hFind, &data));
  Files().FindClose(hFind);
  return bResult;
}
