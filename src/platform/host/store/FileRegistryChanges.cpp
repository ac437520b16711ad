// What the store notes of each change for its files: the key and value it
// touched, so that only they are written anew.
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

bool CFileRegistry::NoteChange(CRegKeyNode& key, const CRegStoreOp& op) {
  CRegDirtyKey& dirty = Dirty(key);
  if (op.op == ERegOp::kSetValue || op.op == ERegOp::kDeleteValue)
    dirty.values.insert(FoldRegName(op.strName));
  CRegStoreFile* pFile = FileOf(key);
  if (pFile == nullptr) return false;
  pFile->bDirty = true;
  return true;
}
