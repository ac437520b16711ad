// How a program sees the changes other programs made to the store: the
// records they appended to the journal since its last call are replayed
// onto its registry; when the files themselves were rewritten, the whole
// store is read again and open handles move to the keys of the same path.
#include "FileRegistry.h"

void CFileRegistry::StampFiles() {
  m_stamps.clear();
  for (const auto& file : m_files) m_stamps.push_back(StampOf(file.strPath));
}

bool CFileRegistry::FilesMoved() const {
  // No stamps: the last reload failed, and every call tries it again.
  if (m_stamps.size() != m_files.size()) return true;
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
  // A journal another program began since: on the files as this one read
  // them.
  const std::string strChanged = ChangedSinceJournal(records);
  if (!strChanged.empty()) return RefuseChanged(strChanged, pstrError);
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
  const std::string strChanged =
      lResult == ERROR_SUCCESS ? ChangedSinceJournal(records) : std::string();
  if (!strChanged.empty()) lResult = RefuseChanged(strChanged, pstrError);
  if (lResult == ERROR_SUCCESS) Replay(records);
  m_mode = EMode::kOpen;
  StampFiles();
  if (lResult != ERROR_SUCCESS) m_stamps.clear();
  RebindHandles(handles);
  return lResult;
}
