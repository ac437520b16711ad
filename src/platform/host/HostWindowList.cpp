#include "HostWindowList.h"

#include <dirent.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>

#include "HostMachine.h"

namespace {
// Foreign windows get handles from their entry's name, so that a handle
// stays the same between two looks at the list.
HWND ForeignHandle(const std::string& strFile) {
  const size_t nHash = std::hash<std::string>()(strFile);
  return reinterpret_cast<HWND>((nHash | 0x100000u) & 0x7FFFFFFFu);
}

bool ProcessAlive(long nPid) {
  return nPid > 0 && (kill(static_cast<pid_t>(nPid), 0) == 0 || errno == EPERM);
}

bool ReadEntry(const std::string& strPath, long* pnPid,
               std::string* pstrTitle) {
  std::ifstream file(strPath);
  std::string strPid;
  if (!std::getline(file, strPid) || !std::getline(file, *pstrTitle))
    return false;
  char* pEnd = nullptr;
  *pnPid = std::strtol(strPid.c_str(), &pEnd, 10);
  return pEnd != strPid.c_str();
}
}  // namespace

CHostWindowList::CHostWindowList(std::string strDirectory)
    : m_strDirectory(std::move(strDirectory)) {}

CHostWindowList::~CHostWindowList() {
  for (const auto& entry : m_own)
    if (!entry.strFile.empty()) std::remove(entry.strFile.c_str());
}

bool CHostWindowList::Publish(const std::string& strDirectory, long nPid,
                              const std::string& strTitle,
                              std::string* pstrFile) {
  if (strDirectory.empty() || !HostMakeDirectories(strDirectory)) return false;
  static unsigned s_nSerial = 0;
  const std::string strFile = strDirectory + "/" + std::to_string(nPid) + "-" +
                              std::to_string(++s_nSerial);
  std::ofstream file(strFile, std::ios::trunc);
  file << nPid << "\n" << strTitle << "\n";
  if (!file) return false;
  if (pstrFile) *pstrFile = strFile;
  return true;
}

HWND CHostWindowList::AddOwnWindow(const std::string& strTitle) {
  CEntry entry;
  entry.hWnd = reinterpret_cast<HWND>(m_nextOwn++);
  entry.strTitle = strTitle;
  entry.nPid = static_cast<long>(getpid());
  entry.bOwn = true;
  Publish(m_strDirectory, entry.nPid, strTitle, &entry.strFile);
  m_own.insert(m_own.begin(), entry);
  return entry.hWnd;
}

void CHostWindowList::RemoveOwnWindow(HWND hWnd) {
  auto it = std::find_if(m_own.begin(), m_own.end(),
                         [&](const CEntry& e) { return e.hWnd == hWnd; });
  if (it == m_own.end()) return;
  if (!it->strFile.empty()) std::remove(it->strFile.c_str());
  m_own.erase(it);
}

void CHostWindowList::SetOwnWindowText(HWND hWnd, const std::string& strTitle) {
  for (auto& entry : m_own) {
    if (entry.hWnd != hWnd) continue;
    entry.strTitle = strTitle;
    std::ofstream file(entry.strFile, std::ios::trunc);
    file << entry.nPid << "\n" << strTitle << "\n";
  }
}

bool CHostWindowList::IsOwn(HWND hWnd) const {
  return std::any_of(m_own.begin(), m_own.end(),
                     [&](const CEntry& e) { return e.hWnd == hWnd; });
}

std::vector<CHostWindowList::CEntry> CHostWindowList::Snapshot() const {
  std::vector<CEntry> entries = m_own;
  std::vector<CEntry> foreign;
  DIR* pDir =
      m_strDirectory.empty() ? nullptr : opendir(m_strDirectory.c_str());
  if (pDir == nullptr) return entries;
  while (dirent* pEntry = readdir(pDir)) {
    const std::string strName = pEntry->d_name;
    if (strName == "." || strName == "..") continue;
    const std::string strFile = m_strDirectory + "/" + strName;
    bool bMine = false;
    for (const auto& own : m_own) bMine = bMine || own.strFile == strFile;
    if (bMine) continue;
    CEntry entry;
    if (!ReadEntry(strFile, &entry.nPid, &entry.strTitle)) continue;
    // An entry left behind by a process that has ended is not a window.
    if (!ProcessAlive(entry.nPid)) {
      std::remove(strFile.c_str());
      continue;
    }
    entry.strFile = strFile;
    entry.hWnd = ForeignHandle(strFile);
    foreign.push_back(entry);
  }
  closedir(pDir);
  std::sort(
      foreign.begin(), foreign.end(),
      [](const CEntry& a, const CEntry& b) { return a.strFile < b.strFile; });
  entries.insert(entries.end(), foreign.begin(), foreign.end());
  return entries;
}

bool CHostWindowList::Find(HWND hWnd, CEntry* pEntry) const {
  for (const auto& entry : Snapshot()) {
    if (entry.hWnd == hWnd) {
      *pEntry = entry;
      return true;
    }
  }
  return false;
}

bool CHostWindowList::CloseForeign(HWND hWnd) {
  CEntry entry;
  if (!Find(hWnd, &entry) || entry.bOwn) return false;
  std::remove(entry.strFile.c_str());
  kill(static_cast<pid_t>(entry.nPid), SIGTERM);
  return true;
}
