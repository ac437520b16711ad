// The walk over the hardware profiles uses the registry primitives
// directly: it needs the count of subkeys and names by index from one open
// key.
#include "ServiceKeys.h"
#include "platform/Platform.h"
#include "sys/RegistryOps.h"
#include "sys/ScopedHandles.h"

namespace {
const char kHardwareProfilesKey[] =
    "System\\CurrentControlSet\\Hardware Profiles";
// The alias of the active profile; compared exactly, so "current" is a
// profile like any other.
const char kCurrentProfile[] = "Current";
const char kProfileServicesPath[] = "\\System\\CurrentControlSet\\Services\\";
}  // namespace

void RemoveHardwareProfileServiceKeys(const std::string& strService,
                                      CRegistryTally& tally) {
  CScopedRegKey profiles;
  const LONG lOpened = Registry().RegOpenKeyExA(
      HKEY_LOCAL_MACHINE, kHardwareProfilesKey, profiles.Receive());
  SetLastError(static_cast<DWORD>(lOpened));
  tally.Removal(lOpened == ERROR_SUCCESS, kHardwareProfilesKey);
  if (lOpened != ERROR_SUCCESS) return;
  DWORD nProfiles = 0;
  const LONG lInfo = Registry().RegQueryInfoKeyA(profiles.Get(), nullptr,
                                                 nullptr, &nProfiles, nullptr);
  SetLastError(static_cast<DWORD>(lInfo));
  tally.Removal(lInfo == ERROR_SUCCESS, kHardwareProfilesKey);
  if (lInfo != ERROR_SUCCESS) return;
  // From the last index down; the deletions happen deep below the profile
  // keys, so the indexes stay valid.
  for (DWORD nIndex = nProfiles; nIndex-- > 0;) {
    char szProfile[kRegEnumNameBufferSize];
    DWORD cchProfile = sizeof(szProfile);
    if (Registry().RegEnumKeyExA(profiles.Get(), nIndex, szProfile,
                                 &cchProfile) != ERROR_SUCCESS)
      break;
    if (std::string(szProfile) == kCurrentProfile) continue;
    const std::string strPath =
        std::string(szProfile) + kProfileServicesPath + strService;
    tally.Removal(DeleteRegKeyTree(profiles.Get(), strPath),
                  std::string(kHardwareProfilesKey) + "\\" + strPath);
  }
}
