// String resources of the application shell and of what every operation
// shares (src/res/AppStrings.cpp). The main frame's document string is
// IDR_MAINFRAME (Resource.h), the program's title IDS_APP_TITLE
// (fw/StringTable.h).
#pragma once

#include "platform/WinTypes.h"

// About box.
constexpr UINT IDS_NUMBER_FORMAT = 105;
constexpr UINT IDS_KB = 106;
constexpr UINT IDS_PROCESSOR_386 = 110;
constexpr UINT IDS_PROCESSOR_486 = 111;
constexpr UINT IDS_PROCESSOR_PENTIUM = 112;
constexpr UINT IDS_PROCESSOR_OTHER = 113;
constexpr UINT IDS_KB_FREE = 114;
constexpr UINT IDS_UNAVAILABLE = 115;
constexpr UINT IDS_PERCENT_FORMAT = 117;

// The refusal shown by every operation that changes the system.
constexpr UINT IDS_NOT_ADMINISTRATOR = 116;
// The usage text, shown for -? and -h and for a malformed command line.
constexpr UINT IDS_USAGE = 129;
// The silent run's result file.
constexpr UINT IDS_CREATE_FILE_FAILED = 130;
constexpr UINT IDS_WRITE_FILE_FAILED = 131;
// A restart request the system refused.
constexpr UINT IDS_RESTART_FAILED = 171;
