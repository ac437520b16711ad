#include "StoreLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {
constexpr size_t kHolderBytes = 128;

DWORD ElapsedMs(const timespec& start) {
  timespec now = {};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<DWORD>((now.tv_sec - start.tv_sec) * 1000 +
                            (now.tv_nsec - start.tv_nsec) / 1000000);
}

std::string ProgramName() {
  char szName[64] = {};
  FILE* pFile = std::fopen("/proc/self/comm", "r");
  if (pFile == nullptr) return "?";
  if (std::fgets(szName, sizeof szName, pFile) == nullptr) szName[0] = '\0';
  std::fclose(pFile);
  szName[std::strcspn(szName, "\n")] = '\0';
  return szName;
}
}  // namespace

CStoreLock::~CStoreLock() {
  Release();
  if (m_fd >= 0) close(m_fd);
}

DWORD CStoreLock::DefaultTimeout() {
  const char* pszWait = std::getenv("QUORREL_STORE_WAIT_MS");
  if (pszWait != nullptr && *pszWait != '\0')
    return static_cast<DWORD>(std::strtoul(pszWait, nullptr, 10));
  return 5000;
}

LONG CStoreLock::OpenFile(std::string* pstrError) {
  if (m_fd >= 0) return ERROR_SUCCESS;
  m_fd = open(m_strPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (m_fd >= 0) return ERROR_SUCCESS;
  *pstrError = m_strPath + ": cannot open: " + std::strerror(errno);
  return ERROR_CANTOPEN;
}

LONG CStoreLock::Acquire(DWORD dwTimeoutMs, std::string* pstrError) {
  if (m_bHeld) return ERROR_SUCCESS;
  const LONG lResult = OpenFile(pstrError);
  if (lResult != ERROR_SUCCESS) return lResult;
  timespec start = {};
  clock_gettime(CLOCK_MONOTONIC, &start);
  while (flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno != EWOULDBLOCK && errno != EINTR) {
      *pstrError = m_strPath + ": cannot lock: " + std::strerror(errno);
      return ERROR_CANTOPEN;
    }
    if (ElapsedMs(start) >= dwTimeoutMs) {
      *pstrError = "the registry store is in use by " + Holder() +
                   "; gave up after " + std::to_string(dwTimeoutMs) + " ms";
      return ERROR_SHARING_VIOLATION;
    }
    usleep(10000);
  }
  m_bHeld = true;
  NoteHolder();
  return ERROR_SUCCESS;
}

void CStoreLock::Release() {
  if (!m_bHeld) return;
  flock(m_fd, LOCK_UN);
  m_bHeld = false;
}

void CStoreLock::NoteHolder() {
  // Fixed size, so that a reader never sees the end of an earlier holder.
  char szHolder[kHolderBytes];
  std::memset(szHolder, ' ', sizeof szHolder);
  const int n =
      std::snprintf(szHolder, sizeof szHolder, "%ld %s",
                    static_cast<long>(getpid()), ProgramName().c_str());
  if (n > 0 && static_cast<size_t>(n) < sizeof szHolder) szHolder[n] = ' ';
  szHolder[sizeof szHolder - 1] = '\n';
  if (pwrite(m_fd, szHolder, sizeof szHolder, 0) < 0) {
    // Only the message of a waiting program loses the name.
  }
}

std::string CStoreLock::Holder() const {
  char szHolder[kHolderBytes + 1] = {};
  const ssize_t n = pread(m_fd, szHolder, kHolderBytes, 0);
  if (n <= 0) return "another program";
  std::string strHolder(szHolder, static_cast<size_t>(n));
  strHolder.erase(strHolder.find_last_not_of(" \n") + 1);
  const size_t nSpace = strHolder.find(' ');
  if (nSpace == std::string::npos) return "another program";
  return strHolder.substr(nSpace + 1) + " (process " +
         strHolder.substr(0, nSpace) + ")";
}
