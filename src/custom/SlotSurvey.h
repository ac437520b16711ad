// The survey of the PC Card slots that the running drivers publish, behind
// the More Information button of the number of reserved windows.
#pragma once

#include "platform/WinTypes.h"

struct CSlotSurvey {
  int nDetected = 0;    // slots with a readable "32BitR2MemoryWindows"
  int nPciCapable = 0;  // of those, the ones that report non-zero
};

// Slots 0, 1, 2 ... up to the first whose value can't be read.
CSlotSurvey SurveySlots();
// Message 147, then message 148 with the survey when at least one slot can
// use PCI memory address space.
void ShowReservedWindowsInformation();
