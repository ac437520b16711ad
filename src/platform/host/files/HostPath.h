// Windows paths on the host. The machine directory stands for the system
// drive C:\ (its Windows folder is C:\WINNT); Z:\ stands for the host's own
// root, as Wine maps it, so that files outside the machine directory (the
// program's own executable, for one) have a Windows path too. Names match
// the names on disk without regard to case, as on Windows.
#pragma once

#include <sys/stat.h>

#include <string>

// The Windows folder of the machine (%SystemRoot%).
constexpr char kHostSystemRoot[] = "C:\\WINNT";

// The host path of a Windows path: "C:\WINNT\System32" becomes
// <machine>/WINNT/system32 when a folder of that name in any case exists.
// Components that don't exist keep the case given. Empty for a path on any
// other drive, a relative path or a UNC path.
std::string HostPathOfWindowsPath(const std::string& strMachine,
                                  const std::string& strWindowsPath);
// The same, with the entry's own status (lstat) when the path exists as
// spelt; st_mode 0 when it was not looked at. Saves a walk down a deep path.
std::string HostPathOfWindowsPath(const std::string& strMachine,
                                  const std::string& strWindowsPath,
                                  struct stat* pstFound);
// The Windows path of a host path: C:\... inside the machine directory,
// Z:\... anywhere else. strHostPath is absolute.
std::string WindowsPathOfHostPath(const std::string& strMachine,
                                  const std::string& strHostPath);
// The file a service's ImagePath names, as a Windows path. Kernel drivers
// take the NT forms ("\SystemRoot\System32\drivers\x.sys", "\??\C:\x.sys",
// or relative to the Windows folder) and default to
// System32\drivers\<service>.sys; services' image paths are command lines
// whose first word (or quoted part) is the executable. "%SystemRoot%" is
// expanded, as REG_EXPAND_SZ data is.
std::string ServiceImageFile(const std::string& strImagePath,
                             const std::string& strService, bool bKernelDriver);
