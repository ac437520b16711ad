// The lock of the registry store: a program holds it only while it reads or
// writes the store, never for a whole run, so that several programs share
// one store. Waiting for it is bounded; the holder writes its process id
// and name into the lock file, so that a program that gives up can tell
// the user which program holds the store.
#pragma once

#include <string>

#include "platform/WinTypes.h"

class CStoreLock {
 public:
  explicit CStoreLock(std::string strPath) : m_strPath(std::move(strPath)) {}
  ~CStoreLock();
  CStoreLock(const CStoreLock&) = delete;
  CStoreLock& operator=(const CStoreLock&) = delete;

  // Waits at most dwTimeoutMs; then ERROR_SHARING_VIOLATION, *pstrError
  // naming the program that holds the store.
  LONG Acquire(DWORD dwTimeoutMs, std::string* pstrError);
  void Release();
  bool Held() const { return m_bHeld; }

  // How long a program waits for the store: QUORREL_STORE_WAIT_MS, else
  // five seconds.
  static DWORD DefaultTimeout();

 private:
  LONG OpenFile(std::string* pstrError);
  void NoteHolder();
  std::string Holder() const;

  std::string m_strPath;
  int m_fd = -1;
  bool m_bHeld = false;
};
