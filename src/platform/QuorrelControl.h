// The control channel of the suite's repair driver: the service it runs as,
// the device it exposes and its one control request. Shared by the program
// and by the host's stand-in for the driver.
#pragma once

#include "WinTypes.h"

constexpr char kQuorrelServiceName[] = "Quorrel";
// Two backslashes, a full stop, a backslash and the service name: the
// Windows device namespace.
constexpr char kQuorrelDevicePath[] = "\\\\.\\Quorrel";
// Device type FILE_DEVICE_UNKNOWN, function 0x803, METHOD_BUFFERED,
// FILE_ANY_ACCESS. No input; the output is one 32-bit repair result, 0 when
// nothing was changed.
constexpr DWORD IOCTL_QUORREL_REPAIR_MAC_DATABASE =
    CTL_CODE(FILE_DEVICE_UNKNOWN, 0x803, METHOD_BUFFERED, FILE_ANY_ACCESS);
static_assert(IOCTL_QUORREL_REPAIR_MAC_DATABASE == 0x22200C,
              "the driver answers this code");
