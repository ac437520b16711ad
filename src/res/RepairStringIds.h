// String resources of the Repairs dialog's two repairs
// (src/res/RepairStrings.cpp).
#pragma once

#include "platform/WinTypes.h"

// The MAC database repair.
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

// The group order list repair.
constexpr UINT IDS_GROUP_ORDER_SOUND = 167;
constexpr UINT IDS_GROUP_ORDER_REPAIRED = 168;
