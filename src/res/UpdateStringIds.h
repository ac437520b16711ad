// String resources of the Update Registry operation
// (src/res/UpdateStrings.cpp).
#pragma once

#include "platform/WinTypes.h"

constexpr UINT IDS_UPDATE_COMPLETED = 102;
// The restart offer after a change; the Clear ends with it too.
constexpr UINT IDS_RESTART_QUESTION = 103;
constexpr UINT IDS_REINSTALL_FIRST = 108;
constexpr UINT IDS_UPDATE_INCOMPLETE = 169;
