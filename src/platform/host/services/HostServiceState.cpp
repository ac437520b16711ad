#include "HostServiceState.h"

#include <strings.h>

#include <cerrno>
#include <cstdio>
#include <fstream>

namespace {
DWORD WindowsErrorOfErrno(int nErrno, DWORD dwOther) {
  switch (nErrno) {
    case EACCES:
    case EPERM:
    case EROFS:
      return ERROR_ACCESS_DENIED;
    case ENOENT:
      return ERROR_PATH_NOT_FOUND;
    default:
      return dwOther;
  }
}

std::string Trimmed(const std::string& strLine) {
  const size_t first = strLine.find_first_not_of(" \t\r");
  if (first == std::string::npos) return std::string();
  const size_t last = strLine.find_last_not_of(" \t\r");
  return strLine.substr(first, last - first + 1);
}
}  // namespace

bool CHostServiceState::CNoCase::operator()(const std::string& a,
                                            const std::string& b) const {
  return strcasecmp(a.c_str(), b.c_str()) < 0;
}

CHostServiceState::CHostServiceState(std::string strMachine)
    : m_strMachine(std::move(strMachine)) {}

DWORD CHostServiceState::Load(CNames* pNames) const {
  pNames->clear();
  std::ifstream file(FilePath());
  if (!file.is_open())
    return errno == ENOENT ? ERROR_SUCCESS
                           : WindowsErrorOfErrno(errno, ERROR_READ_FAULT);
  std::string strLine;
  while (std::getline(file, strLine)) {
    const std::string strName = Trimmed(strLine);
    if (!strName.empty() && strName[0] != '#') pNames->insert(strName);
  }
  return file.bad() ? ERROR_READ_FAULT : ERROR_SUCCESS;
}

DWORD CHostServiceState::Save(const CNames& names) const {
  const std::string strTemp = FilePath() + ".tmp";
  {
    std::ofstream file(strTemp, std::ios::trunc);
    if (!file.is_open()) return WindowsErrorOfErrno(errno, ERROR_WRITE_FAULT);
    file << "# Running services of this machine, one a line.\n";
    for (const std::string& strName : names) file << strName << "\n";
    file.flush();
    if (!file) return ERROR_WRITE_FAULT;
  }
  if (std::rename(strTemp.c_str(), FilePath().c_str()) != 0) {
    const DWORD dwError = WindowsErrorOfErrno(errno, ERROR_WRITE_FAULT);
    std::remove(strTemp.c_str());
    return dwError;
  }
  return ERROR_SUCCESS;
}

DWORD CHostServiceState::IsRunning(const std::string& strService,
                                   bool* pbRunning) const {
  CNames names;
  const DWORD dwError = Load(&names);
  *pbRunning = dwError == ERROR_SUCCESS && names.count(strService) != 0;
  return dwError;
}

DWORD CHostServiceState::SetRunning(const std::string& strService,
                                    bool bRunning) {
  CNames names;
  const DWORD dwError = Load(&names);
  if (dwError != ERROR_SUCCESS) return dwError;
  if ((names.count(strService) != 0) == bRunning) return ERROR_SUCCESS;
  if (bRunning)
    names.insert(strService);
  else
    names.erase(strService);
  return Save(names);
}

DWORD HostSetServiceRunning(const std::string& strMachine,
                            const std::string& strService, bool bRunning) {
  return CHostServiceState(strMachine).SetRunning(strService, bRunning);
}
