// How a program sees the changes other programs made to the store: the
// records they appended to the journal since its last call are replayed
// onto its registry; when the files themselves were rewritten, the whole
// store is read again and open handles move to the keys of the same path.
#include <sys/stat.h>

#include "FileRegistry.h"

namespace {
CRegFileStamp StampOf(const std::string& strPath) {
  CRegFileStamp stamp;
  struct stat st = {};
  if (stat(strPath.c_str(), &st) != 0) return stamp;
  stamp.bExists = true;
  stamp.nDevice = st.st_dev;
  stamp.nInode = st.st_ino;
  stamp.nSize = static_cast<uint64_t>(st.st_size);
  stamp.nModified =
      static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  return stamp;
}
}  // namespace

bool CRegFileStamp::operator==(const CRegFileStamp& other) const {
  return bExists == other.bExists && nDevice == other.nDevice &&
         nInode == other.nInode && nSize == other.nSize &&
         nModified == other.nModified;
}

void CFileRegistry::StampFiles() {
  m_stamps.clear();
  for (const auto& file : m_files) m_stamps.push_back(StampOf(file.strPath));
}

bool CFileRegistry::FilesMoved() const {
  for (size_t i = 0; i < m_files.size(); ++i)
    if (!(StampOf(m_files[i].strPath) == m_stamps[i])) return true;
  return false;
}

LONG CFileRegistry::ReadJournal(std::string* pstrError) {
  std::vector<CRegJournalRecord> records;
  bool bReplaced = false;
  const LONG lResult = m_journal->ReadNew(&records, &bReplaced, pstrError);
  if (lResult != ERROR_SUCCESS) return lResult;
  if (bReplaced) return Reload(pstrError);
  const EMode mode = m_mode;
  if (!records.empty()) Replay(records);
  m_mode = mode;
  return ERROR_SUCCESS;
}

LONG CFileRegistry::CatchUp(std::string* pstrError) {
  if (FilesMoved()) return Reload(pstrError);
  return ReadJournal(pstrError);
}

LONG CFileRegistry::Reload(std::string* pstrError) {
  const std::map<HKEY, std::string> handles = OpenHandlePaths();
  for (const auto& file : m_files) DetachRegSubtree(*RootNode(file.hRoot));
  m_dirty.clear();
  m_journal->CloseFile();
  LONG lResult = LoadFiles(pstrError);
  std::vector<CRegJournalRecord> records;
  bool bReplaced = false;
  if (lResult == ERROR_SUCCESS)
    lResult = m_journal->ReadNew(&records, &bReplaced, pstrError);
  if (lResult == ERROR_SUCCESS) Replay(records);
  m_mode = EMode::kOpen;
  StampFiles();
  RebindHandles(handles);
  return lResult;
}
