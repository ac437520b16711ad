// The options of the Miscellaneous dialog as the registry holds them.
#pragma once

#include "platform/WinTypes.h"

struct CMiscSettings {
  BOOL bPowerOffSlots = TRUE;
  BOOL bDisableNotifications = FALSE;
};

// The stored options; an option whose value can't be read keeps its
// default (slots powered off, notifications shown).
CMiscSettings ReadMiscSettings();
// Writes both values, changed or not. "Failure" is inverted: it enables the
// notifications that the check box disables. Failures are not reported.
void WriteMiscSettings(const CMiscSettings& settings);
