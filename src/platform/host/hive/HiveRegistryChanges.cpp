// What the hive store notes of each change: the keys it touched, written
// into their hives at the run's commit (the journal records the change
// itself, JournaledRegistry.h).
#include <algorithm>

#include "HiveRegistry.h"
#include "HiveText.h"
#include "HiveTree.h"

namespace {
size_t Depth(const CRegKeyNode& key) {
  size_t nDepth = 0;
  for (const CRegKeyNode* p = key.pParent; p; p = p->pParent) ++nDepth;
  return nDepth;
}
}  // namespace

CHiveRegistry::CMount* CHiveRegistry::MountOf(const CRegKeyNode& key) {
  for (const CRegKeyNode* p = &key; p; p = p->pParent) {
    if (p->bDeleted) return nullptr;
    for (CMount& mount : m_mounts)
      if (mount.key.get() == p) return &mount;
  }
  return nullptr;
}

void CHiveRegistry::MarkDirty(CRegKeyNode& key) {
  CMount* pMount = MountOf(key);
  if (pMount == nullptr) return;
  pMount->bDirty = true;
  auto& node = m_dirty[&key];
  if (!node) node = key.shared_from_this();
}

bool CHiveRegistry::NoteChange(CRegKeyNode& key, const CRegStoreOp& op) {
  if (MountOf(key) == nullptr) {
    // Another program's change to a hive this one did not open.
    if (m_mode == EMode::kReplaying) m_bUnmountedChanges = true;
    return false;
  }
  // A created key itself too: one deleted and made again must lose what the
  // hive still holds of the old one; and its parent's subkey list changes.
  MarkDirty(key);
  if (op.op == ERegOp::kCreateKey && key.pParent) MarkDirty(*key.pParent);
  return true;
}

LONG CHiveRegistry::OnFlushed(HKEY hKey, std::string* pstrError) {
  // A flush of a root is the run's commit (a silent run's result line and
  // the Clear's file steps wait for it): every changed hive is written now,
  // the journal synced before.
  if (hKey != HKEY_LOCAL_MACHINE && hKey != HKEY_USERS &&
      hKey != HKEY_CURRENT_USER)
    return ERROR_SUCCESS;
  const LONG lResult = WriteChangedHives(pstrError);
  // Hives this program wrote are not read again at its next call.
  if (lResult == ERROR_SUCCESS) StampFiles();
  return lResult;
}

LONG CHiveRegistry::SyncDirtyKey(const CRegKeyNode& key,
                                 std::string* pstrError) {
  CMount* pMount = MountOf(key);
  if (pMount == nullptr) return ERROR_SUCCESS;
  std::vector<const CRegKeyNode*> chain;
  for (const CRegKeyNode* p = &key; p != pMount->key.get(); p = p->pParent)
    chain.push_back(p);
  std::reverse(chain.begin(), chain.end());
  CHive& hive = pMount->file->Hive();
  const uint64_t nNow = CHiveFile::Now();
  HCELL hKey = hive.Root();
  std::string strWhy;
  bool bDone = true;
  for (const CRegKeyNode* pKey : chain) {
    if (!IsStoredKey(*pKey)) return ERROR_SUCCESS;
    bool bDamaged = false;
    const HCELL hChild =
        hive.FindSubkey(hKey, ProgramNameToHive(pKey->strName), &bDamaged);
    // A key the hive lacks comes in whole, with the dirty key below it.
    if (hChild == kNoCell) {
      bDone = !bDamaged && AddHiveTree(hive, hKey, *pKey, nNow, &strWhy);
      if (bDamaged) strWhy = "a key's subkey list is damaged";
      hKey = kNoCell;
      break;
    }
    hKey = hChild;
  }
  if (hKey != kNoCell) bDone = SyncHiveKey(hive, hKey, key, nNow, &strWhy);
  if (bDone) return ERROR_SUCCESS;
  *pstrError = pMount->strPath + ": " + strWhy;
  return ERROR_WRITE_FAULT;
}

LONG CHiveRegistry::WriteChangedHives(std::string* pstrError) {
  std::vector<std::shared_ptr<CRegKeyNode>> keys;
  for (const auto& entry : m_dirty) keys.push_back(entry.second);
  // Parents first: a key a parent's sync brings in whole needs no more.
  std::stable_sort(keys.begin(), keys.end(),
                   [](const std::shared_ptr<CRegKeyNode>& a,
                      const std::shared_ptr<CRegKeyNode>& b) {
                     return Depth(*a) < Depth(*b);
                   });
  for (const auto& key : keys) {
    const LONG lResult = SyncDirtyKey(*key, pstrError);
    if (lResult != ERROR_SUCCESS) return lResult;
  }
  for (CMount& mount : m_mounts) {
    if (!mount.bDirty) continue;
    uint64_t cbWritten = 0;
    const LONG lResult =
        mount.file->Commit(mount.strMirror, &cbWritten, pstrError);
    if (lResult != ERROR_SUCCESS) return lResult;
    mount.bDirty = false;
    ++m_stats.nFilesWritten;
    m_stats.nFileBytes += cbWritten;
  }
  m_dirty.clear();
  return ERROR_SUCCESS;
}
