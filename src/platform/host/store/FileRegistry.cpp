#include "FileRegistry.h"

#include "DurableFile.h"
#include "StoredRoots.h"
#include "platform/host/regfile/RegFileParser.h"
#include "platform/host/regfile/RegStoreLoader.h"

const char CFileRegistry::kJournalName[] = "store.journal";
const char CFileRegistry::kLockName[] = "store.lock";
const char CFileRegistry::kUsersName[] = "store.users";

CFileRegistry::CFileRegistry()
    : CJournaledRegistry({kJournalName, kLockName, kUsersName}) {}

CFileRegistry::~CFileRegistry() {
  std::string strError;
  Close(&strError);
}

LONG CFileRegistry::Open(const std::string& strDir, std::string* pstrError) {
  return Open(strDir, CStoreLock::DefaultTimeout(), pstrError);
}

void CFileRegistry::OpenAtFirstUse(const std::string& strDir) {
  if (m_mode != EMode::kClosed) return;
  m_strDir = strDir;
  m_mode = EMode::kDeferred;
}

LONG CFileRegistry::Open(const std::string& strDir, DWORD dwWaitMs,
                         std::string* pstrError) {
  if (m_mode != EMode::kClosed && m_mode != EMode::kDeferred) {
    *pstrError = "registry store already open";
    return ERROR_ALREADY_EXISTS;
  }
  m_strDir = strDir;
  if (strDir.empty()) {
    *pstrError = "no registry directory";
    return ERROR_PATH_NOT_FOUND;
  }
  const LONG lResult = MakeDirectories(strDir, pstrError);
  if (lResult != ERROR_SUCCESS) return lResult;
  return OpenStore(dwWaitMs, pstrError);
}

LONG CFileRegistry::LoadFiles(std::string* pstrError) {
  m_mode = EMode::kLoading;
  m_files.clear();
  for (const auto& root : kStoredRoots) {
    CRegStoreFile file;
    file.hRoot = root.hRoot;
    file.strRootName = root.pszName;
    file.strPath = m_strDir + "/" + root.pszName + ".reg";
    m_files.push_back(std::move(file));
  }
  for (auto& file : m_files) {
    const LONG lResult = LoadFile(&file, pstrError);
    if (lResult != ERROR_SUCCESS) return lResult;
  }
  return ERROR_SUCCESS;
}

LONG CFileRegistry::LoadFile(CRegStoreFile* pFile, std::string* pstrError) {
  const LONG lResult =
      ReadWholeFile(pFile->strPath, kMaxRegFileBytes, &pFile->strRaw,
                    &pFile->bExists, pstrError);
  if (lResult != ERROR_SUCCESS) return lResult;
  return LoadStoreFile(pFile, RootNode(pFile->hRoot), pstrError);
}

std::vector<std::string> CFileRegistry::FilePaths() const {
  std::vector<std::string> paths;
  for (const auto& file : m_files) paths.push_back(file.strPath);
  return paths;
}
