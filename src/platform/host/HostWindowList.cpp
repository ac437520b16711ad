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
#include <sstream>

#include "HostMachine.h"

namespace {
// Foreign windows get handles from their entry's name, so that a handle
// stays the same between two looks at the list.
HWND ForeignHandle(const std::string& strFile) {
  const size_t nHash = std::hash<std::string>()(strFile);
  return reinterpret_cast<HWND>((nHash | 0x100000u) & 0x7FFFFFFFu);
}

// The state letter and start time of a process from /proc (Linux); false
// where there is no such file.
bool ProcessStat(long nPid, char* pcState, std::string* pstrStart) {
  std::ifstream file("/proc/" + std::to_string(nPid) + "/stat");
  std::string strStat;
  if (!std::getline(file, strStat)) return false;
  // The name in brackets may hold blanks; the fields follow its end.
  const size_t nEnd = strStat.rfind(')');
  if (nEnd == std::string::npos) return false;
  std::istringstream fields(strStat.substr(nEnd + 1));
  std::string strField;
  for (int i = 3; i <= 22 && fields >> strField; ++i) {
    if (i == 3) *pcState = strField[0];
    if (i == 22) *pstrStart = strField;
  }
  return !pstrStart->empty();
}

std::string ProcessStart(long nPid) {
  char cState = 0;
  std::string strStart;
  return ProcessStat(nPid, &cState, &strStart) ? strStart : std::string();
}

// A process that has ended but was not reaped (a zombie; a parent such as
// a container's first process may never reap it) holds no window, nor does
// a later process that was given the same id.
bool ProcessAlive(long nPid, const std::string& strStart) {
  if (nPid <= 0) return false;
  if (kill(static_cast<pid_t>(nPid), 0) != 0 && errno != EPERM) return false;
  char cState = 0;
  std::string strNow;
  if (!ProcessStat(nPid, &cState, &strNow)) return true;
  if (cState == 'Z' || cState == 'X') return false;
  return strStart.empty() || strStart == strNow;
}

// An entry: the process id, the title, and the process's start time where
// the system tells it.
bool ReadEntry(const std::string& strPath, long* pnPid, std::string* pstrTitle,
               std::string* pstrStart) {
  std::ifstream file(strPath);
  std::string strPid;
  if (!std::getline(file, strPid) || !std::getline(file, *pstrTitle))
    return false;
  if (!std::getline(file, *pstrStart)) pstrStart->clear();
  char* pEnd = nullptr;
  *pnPid = std::strtol(strPid.c_str(), &pEnd, 10);
  return pEnd != strPid.c_str();
}

bool WriteEntry(const std::string& strFile, long nPid,
                const std::string& strTitle) {
  std::ofstream file(strFile, std::ios::trunc);
  file << nPid << "\n" << strTitle << "\n" << ProcessStart(nPid) << "\n";
  return static_cast<bool>(file);
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
  if (!WriteEntry(strFile, nPid, strTitle)) return false;
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
    WriteEntry(entry.strFile, entry.nPid, strTitle);
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
    std::string strStart;
    if (!ReadEntry(strFile, &entry.nPid, &entry.strTitle, &strStart)) continue;
    // An entry left behind by a process that has ended is not a window.
    if (!ProcessAlive(entry.nPid, strStart)) {
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
