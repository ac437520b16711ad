// The options of the PC Card Configuration dialog as the registry holds
// them. The two combo boxes store indexes: the number of reserved memory
// windows is its own index ("0" to "9"), and the allocation start address
// C0000h + index x 1000h ("C0000" to "DF000").
#pragma once

#include "platform/WinTypes.h"

// Positions of the address space radio buttons, in control ID order
// (1148 ...), which are also the "R2Configuration" data.
constexpr int kIsaOnly = 0;
constexpr int kPciCisOnly = 1;
constexpr int kPciCisAndDrivers = 2;
constexpr int kPciAlways = 3;

constexpr int kReservedWindowCounts = 10;
constexpr int kAllocationStarts = 32;
constexpr int kDefaultReservedWindows = 4;
constexpr int kDefaultAllocStartIndex = 24;  // D8000
constexpr DWORD kAllocationBase = 0xC0000;

struct CCardConfigSettings {
  BOOL bModemAtBoot = FALSE;
  int nAllocStartIndex = kDefaultAllocStartIndex;
  BOOL bPortOverride = FALSE;
  int nReservedWindows = kDefaultReservedWindows;
  int nAddressSpace = kPciCisAndDrivers;
};

// The stored options and whether the port override exists. Stored values
// the controls can't show (an "R2Configuration" above 3, more than 9
// windows, a start address outside C0000h to DFFFFh) open as the defaults,
// so that OK only ever writes values the controls represent.
CCardConfigSettings ReadCardConfigSettings();
// The combo index of a stored start address: (data - C0000h) >> 12 in
// unsigned arithmetic, so C8800h gives index 8 ("C8000"); the default index
// when outside the list.
int AllocStartIndexOf(DWORD dwAllocationStart);
DWORD AllocationStartOf(int nAllocStartIndex);
// Writes "R2Configuration", "CnfgModemAtBoot", "NumReservedMemoryWindows",
// and "AllocationStart" only when windows are reserved, changed or not;
// then brings the exclusion list in line with the override box. An index
// outside a control's range writes that control's default. Failures are
// not reported.
void WriteCardConfigSettings(const CCardConfigSettings& settings);
