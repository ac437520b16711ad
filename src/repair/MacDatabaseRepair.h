// The MAC database repair. The repair itself is done by the suite's repair
// driver inside the kernel: the program installs the driver (the image file
// beside its own executable) as the service "Quorrel", starts it, sends its
// device one control request, stops and deletes the service again, and
// restarts the computer when the driver reports a correction.
#pragma once

#include <string>

#include "platform/WinTypes.h"

constexpr UINT IDS_SCM_OPEN_FAILED = 154;
constexpr UINT IDS_SERVICE_CREATE_FAILED = 155;
constexpr UINT IDS_SERVICE_START_FAILED = 156;
constexpr UINT IDS_SERVICE_STOP_FAILED = 157;
constexpr UINT IDS_SERVICE_DELETE_FAILED = 158;
constexpr UINT IDS_MAC_REPAIR_FAILED = 159;
constexpr UINT IDS_MAC_DATABASE_SOUND = 160;
constexpr UINT IDS_MAC_DATABASE_REPAIRED = 161;
constexpr UINT IDS_MAC_REPAIR_CONFIRM = 162;
constexpr UINT IDS_SERVICE_CLOSE_FAILED = 163;
constexpr UINT IDS_FILE_CLOSE_FAILED = 164;
constexpr UINT IDS_DEVICE_OPEN_FAILED = 165;
constexpr UINT IDS_SERVICE_OPEN_FAILED = 166;

// The executable's full path with its last three characters replaced by
// "sys", whatever they are ("C:\Tools\quorrel.exe" gives
// "C:\Tools\quorrel.sys").
std::string RepairDriverImagePath(const std::string& strModulePath);

// The whole repair, with its question and messages.
void RepairMacDatabase();
