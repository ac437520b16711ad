#include "HostRegistryStore.h"

#include <cstdlib>

#include "platform/host/hive/HiveMachine.h"

std::string HostUserName() {
  const char* pszUser = std::getenv("USER");
  return pszUser && *pszUser ? pszUser : "Administrator";
}

LONG CHostRegistryStore::Open(const std::string& strMachine,
                              std::string* pstrError, bool bSystemOnly) {
  CHiveMachine machine;
  if (FindHiveMachine(strMachine, HostUserName(), &machine)) {
    m_pHive.reset(new CHiveRegistry);
    if (bSystemOnly) m_pHive->OpenSystemOnly();
    return m_pHive->Open(machine, pstrError);
  }
  // Nothing may wait before the single-instance check: a store busy this
  // instant (another program in the middle of a call) is opened at its
  // first use instead.
  const std::string strDir = strMachine + "/registry";
  m_pFile.reset(new CFileRegistry);
  const LONG lResult = m_pFile->Open(strDir, 0, pstrError);
  if (lResult != ERROR_SHARING_VIOLATION) return lResult;
  m_pFile->OpenAtFirstUse(strDir);
  return ERROR_SUCCESS;
}

LONG CHostRegistryStore::Fold(const std::string& strMachine,
                              std::string* pstrNotice, std::string* pstrError) {
  CHiveMachine machine;
  if (!FindHiveMachine(strMachine, HostUserName(), &machine))
    return CFileRegistry::FoldStore(strMachine + "/registry", pstrNotice,
                                    pstrError);
  CHiveRegistry hives;
  const LONG lResult = hives.Open(machine, pstrError);
  if (lResult != ERROR_SUCCESS) return lResult;
  for (const std::string& strRecovered : hives.Recovered())
    *pstrNotice += (pstrNotice->empty() ? "" : "\n") + strRecovered;
  return hives.Close(pstrError);
}

void CHostRegistryStore::SetTroubleNotice(
    std::function<void(const std::string&)> notice) {
  if (m_pHive) m_pHive->SetTroubleNotice(notice);
  if (m_pFile) m_pFile->SetTroubleNotice(std::move(notice));
}

LONG CHostRegistryStore::Close(std::string* pstrError) {
  if (m_pHive) return m_pHive->Close(pstrError);
  if (m_pFile) return m_pFile->Close(pstrError);
  return ERROR_SUCCESS;
}

CMemoryRegistry& CHostRegistryStore::Registry() {
  if (m_pHive) return *m_pHive;
  return *m_pFile;
}
