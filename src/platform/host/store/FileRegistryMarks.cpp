// Hand edits under a journal: a journal's changes apply to the files it
// began on, and replayed over a file changed since, they would undo the
// change (a key added by hand below one the journal deletes is gone). So a
// journal begins with a mark of each file, a fold notes what it writes
// before it renames anything, and a file that is neither refuses the store
// until the user folds the journal in or removes it.
#include <map>

#include "DurableFile.h"
#include "FileRegistry.h"
#include "platform/host/regfile/RegStoreRenderer.h"

CRegJournalRecord CFileRegistry::JournalBegins() const {
  CRegJournalRecord marks;
  for (const CRegStoreFile& file : m_files) {
    CRegFileMark mark;
    mark.bExists = file.bExists;
    if (file.bExists) {
      // The call has taken in any rewrite: the file is still the one read.
      mark.nSize = file.strRaw.size();
      mark.nModified = StampOf(file.strPath).nModified;
      mark.nHash = HashFileBytes(file.strRaw);
    }
    marks.push_back(FileMarkOp(ERegOp::kFileBase, file.strRootName, mark));
  }
  return marks;
}

namespace {
bool Matches(const CRegFileMark& mark, const CRegStoreFile& file,
             const CRegFileStamp& stamp) {
  if (!mark.bExists || !file.bExists) return mark.bExists == file.bExists;
  // The same size and time of the same file: not read again.
  if (mark.nModified != 0 && stamp.bExists && stamp.nSize == mark.nSize &&
      stamp.nModified == mark.nModified)
    return true;
  return file.strRaw.size() == mark.nSize &&
         HashFileBytes(file.strRaw) == mark.nHash;
}
}  // namespace

std::string CFileRegistry::ChangedSinceJournal(
    const std::vector<CRegJournalRecord>& records) const {
  std::multimap<std::string, CRegFileMark> marks;
  for (const auto& record : records) {
    for (const auto& op : record) {
      CRegFileMark mark;
      if ((op.op == ERegOp::kFileBase || op.op == ERegOp::kFileFolded) &&
          DecodeFileMark(op, &mark))
        marks.emplace(op.strPath, mark);
    }
  }
  for (const CRegStoreFile& file : m_files) {
    const auto range = marks.equal_range(file.strRootName);
    if (range.first == range.second) continue;
    const CRegFileStamp stamp = StampOf(file.strPath);
    bool bMatched = false;
    for (auto it = range.first; it != range.second && !bMatched; ++it)
      bMatched = Matches(it->second, file, stamp);
    if (!bMatched) return file.strPath;
  }
  return std::string();
}

LONG CFileRegistry::RefuseChanged(const std::string& strFile,
                                  std::string* pstrError) const {
  const std::string strJournal = m_strDir + "/" + kJournalName;
  *pstrError = strFile + " was changed since the journal " + strJournal +
               " began, and replaying the journal would undo that change; "
               "the store is not opened, and both files are kept as they "
               "are. To apply the journal's changes to the file as it is "
               "now, run `quorrel-reg fold`; to keep the file as it is "
               "without them, remove the journal";
  return ERROR_BADDB;
}

LONG CFileRegistry::CheckJournal(const std::vector<CRegJournalRecord>& records,
                                 std::string* pstrError) const {
  const std::string strChanged = ChangedSinceJournal(records);
  if (strChanged.empty()) return ERROR_SUCCESS;
  return RefuseChanged(strChanged, pstrError);
}

LONG CFileRegistry::Fold(CRegJournal& journal, std::string* pstrError) {
  std::vector<std::pair<CRegStoreFile*, std::string>> written;
  CRegJournalRecord marks;
  for (auto& file : m_files) {
    if (!file.bDirty) continue;
    written.emplace_back(&file,
                         RenderStoreFile(file, RootNode(file.hRoot), m_dirty));
    const std::string& strBytes = written.back().second;
    marks.push_back(
        FileMarkOp(ERegOp::kFileFolded, file.strRootName,
                   {true, strBytes.size(), 0, HashFileBytes(strBytes)}));
  }
  // A crash between two renames leaves files the journal's marks know.
  LONG lResult = ERROR_SUCCESS;
  // Without room for the marks (a full disk), the files can't be written
  // now either: the journal stays, replayed, as when a file write fails.
  if (!marks.empty() && journal.Append(marks, pstrError) != ERROR_SUCCESS)
    lResult = ERROR_CANTWRITE;
  if (lResult == ERROR_SUCCESS) lResult = journal.Sync(pstrError);
  for (auto& entry : written) {
    if (lResult != ERROR_SUCCESS) return lResult;
    lResult = ReplaceFileDurably(entry.first->strPath, entry.second, pstrError);
    if (lResult != ERROR_SUCCESS) return lResult;
    ++m_stats.nFilesWritten;
    m_stats.nFileBytes += entry.second.size();
    entry.first->bDirty = false;
  }
  if (lResult != ERROR_SUCCESS) return lResult;
  journal.CloseFile();
  return RemoveFileDurably(journal.Path(), pstrError);
}
