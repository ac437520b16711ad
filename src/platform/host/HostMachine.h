// The machine directory: one directory on the host that stands for the
// Windows system drive C:\ of the machine the program works on. It holds the
// registry files (registry/<ROOT>.reg), the Windows folder tree (WINNT\...)
// and the program's debug log (quorrel-debug.log).
//
// Named by the environment variable QUORREL_MACHINE; by default
// ${XDG_DATA_HOME:-$HOME/.local/share}/quorrel/machine.
#pragma once

#include <string>

// The machine directory, without a trailing slash; created when missing.
// Empty when it can't be created.
std::string HostMachineDirectory();
// Creates a directory and its parents (mkdir -p); true when it exists after.
bool HostMakeDirectories(const std::string& strPath);
