// The MAC database repair. The repair itself is done by the suite's repair
// driver inside the kernel: the program installs the driver (the image file
// beside its own executable) as the service "Quorrel", starts it, sends its
// device one control request, stops and deletes the service again, and
// restarts the computer when the driver reports a correction.
#pragma once

#include <string>

#include "platform/WinTypes.h"

// The executable's full path with its last three characters replaced by
// "sys", whatever they are ("C:\Tools\quorrel.exe" gives
// "C:\Tools\quorrel.sys").
std::string RepairDriverImagePath(const std::string& strModulePath);

// The whole repair, with its question and messages.
void RepairMacDatabase();
