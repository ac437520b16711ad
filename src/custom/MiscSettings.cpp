#include "MiscSettings.h"

#include "SettingsKeys.h"
#include "sys/RegistryOps.h"

CMiscSettings ReadMiscSettings() {
  CMiscSettings settings;
  const DWORD dwPowerOff = ReadRegDword(
      HKEY_LOCAL_MACHINE, kBrannicParametersKey, "PowerOffSlotsOnSD");
  if (dwPowerOff != kRegDwordMissing) settings.bPowerOffSlots = dwPowerOff != 0;
  const DWORD dwFailure = ReadRegDword(HKEY_USERS, kNotifyKey, "Failure");
  if (dwFailure != kRegDwordMissing)
    settings.bDisableNotifications = dwFailure == 0;
  return settings;
}

void WriteMiscSettings(const CMiscSettings& settings) {
  WriteRegDword(HKEY_LOCAL_MACHINE, kBrannicParametersKey, "PowerOffSlotsOnSD",
                settings.bPowerOffSlots ? 1 : 0);
  WriteRegDword(HKEY_USERS, kNotifyKey, "Failure",
                settings.bDisableNotifications ? 0 : 1);
}
