#include "HostRegistryStore.h"

#include <cstdlib>

#include "hive/HiveMachine.h"

std::string HostUserName() {
  const char* pszUser = std::getenv("USER");
  return pszUser && *pszUser ? pszUser : "Administrator";
}

LONG CHostRegistryStore::Open(const std::string& strMachine,
                              std::string* pstrError) {
  CHiveMachine machine;
  if (FindHiveMachine(strMachine, HostUserName(), &machine)) {
    m_pHive.reset(new CHiveRegistry);
    return m_pHive->Open(machine, pstrError);
  }
  m_pFile.reset(new CFileRegistry);
  return m_pFile->Open(strMachine + "/registry", pstrError);
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
