// What the store notes of each change: the key and value it touched (so
// that only they are written anew) and the change itself for the journal.
#include "FileRegistry.h"

CRegStoreFile* CFileRegistry::FileOf(const CRegKeyNode& key) {
  const CRegKeyNode* pTop = &key;
  while (pTop->pParent) pTop = pTop->pParent;
  for (auto& file : m_files)
    if (RootNode(file.hRoot).get() == pTop) return &file;
  return nullptr;
}

CRegDirtyKey& CFileRegistry::Dirty(CRegKeyNode& key) {
  CRegDirtyKey& dirty = m_dirty[&key];
  if (!dirty.node) dirty.node = key.shared_from_this();
  return dirty;
}

void CFileRegistry::Record(CRegKeyNode& key, CRegStoreOp op) {
  CRegStoreFile* pFile = FileOf(key);
  if (pFile == nullptr) return;
  pFile->bDirty = true;
  if (m_mode == EMode::kOpen) m_pending.push_back(std::move(op));
}

void CFileRegistry::OnKeyCreated(CRegKeyNode& key) {
  if (m_mode != EMode::kOpen && m_mode != EMode::kReplaying) return;
  Dirty(key);
  Record(key, CRegStoreOp{ERegOp::kCreateKey, key.Path(), {}, REG_NONE, {}});
}

void CFileRegistry::OnKeyDeleted(CRegKeyNode& parent,
                                 const std::string& strName) {
  if (m_mode != EMode::kOpen && m_mode != EMode::kReplaying) return;
  Dirty(parent);
  Record(parent, CRegStoreOp{ERegOp::kDeleteKey,
                             parent.Path() + "\\" + strName,
                             {},
                             REG_NONE,
                             {}});
}

void CFileRegistry::OnValueSet(CRegKeyNode& key, const CRegValue& value) {
  if (m_mode != EMode::kOpen && m_mode != EMode::kReplaying) return;
  Dirty(key).values.insert(FoldRegName(value.strName));
  Record(key, CRegStoreOp{ERegOp::kSetValue, key.Path(), value.strName,
                          value.dwType, value.data});
}

void CFileRegistry::OnValueDeleted(CRegKeyNode& key,
                                   const std::string& strName) {
  if (m_mode != EMode::kOpen && m_mode != EMode::kReplaying) return;
  Dirty(key).values.insert(FoldRegName(strName));
  Record(key,
         CRegStoreOp{ERegOp::kDeleteValue, key.Path(), strName, REG_NONE, {}});
}

LONG CFileRegistry::AppendPending(std::string* pstrError) {
  LONG lResult = ERROR_SUCCESS;
  if (m_journal->HasRecords()) {
    lResult = m_journal->Append(m_pending, pstrError);
  } else {
    // A journal begins with the files it applies to (FileRegistryMarks.cpp).
    CRegJournalRecord record = BaseMarks();
    record.insert(record.end(), m_pending.begin(), m_pending.end());
    lResult = m_journal->Append(record, pstrError);
  }
  if (lResult != ERROR_SUCCESS) return lResult;
  m_pending.clear();
  ++m_stats.nJournalRecords;
  m_stats.nJournalBytes = m_journal->BytesWritten();
  return ERROR_SUCCESS;
}
