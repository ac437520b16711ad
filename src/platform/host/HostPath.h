// Where a Windows path lies on the host.
//
// - "C:\..." (or "C:/...", any letter case) lies in the machine directory,
//   which stands for the root of drive C:. A path rooted without a drive
//   ("\WINNT") is on C: as well.
// - Other drive letters do not exist: ERROR_PATH_NOT_FOUND, as Windows
//   answers for a drive that is not there. UNC paths ("\\server\share")
//   likewise.
// - A relative path ("quorrel.log", "sub\file") lies in the process's real
//   current directory on the host, not in the machine directory: that is
//   where an installer that runs the program expects its result file.
// - A path that begins with a single '/' is a host path, taken as it is
//   (GetModuleFileNameA hands such a path out for an executable outside the
//   machine directory).
//
// Each name along the path is looked up without regard to case against the
// names on disk (an exact match wins; among names that differ only in case,
// the first in byte order); a name that is not there is kept as written, so
// that files can be created. "." and ".." are resolved; ".." never leaves
// the root of C:.
#pragma once

#include <string>

#include "platform/WinTypes.h"

class CHostPath {
 public:
  explicit CHostPath(std::string strMachine);

  // ERROR_SUCCESS and the host path, or ERROR_PATH_NOT_FOUND.
  DWORD ToHost(const std::string& strWindows, std::string* pstrHost) const;
  // "C:\..." for a host path inside the machine directory; the host path as
  // it is otherwise.
  std::string ToWindows(const std::string& strHost) const;
  const std::string& Machine() const { return m_strMachine; }

 private:
  std::string m_strMachine;
};

// The name on disk in the host directory that matches strName without
// regard to case; strName itself when none does.
std::string HostNameOnDisk(const std::string& strDirectory,
                           const std::string& strName);
