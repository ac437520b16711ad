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

void RemoveHardwareProfileServiceKeys(const std::string& strService) {
  CScopedRegKey profiles;
  if (Registry().RegOpenKeyExA(HKEY_LOCAL_MACHINE, kHardwareProfilesKey,
                               profiles.Receive()) != ERROR_SUCCESS)
    return;
  DWORD nProfiles = 0;
  if (Registry().RegQueryInfoKeyA(profiles.Get(), nullptr, nullptr, &nProfiles,
                                  nullptr) != ERROR_SUCCESS)
    return;
  // From the last index down; the deletions happen deep below the profile
  // keys, so the indexes stay valid.
  for (DWORD nIndex = nProfiles; nIndex-- > 0;) {
    char szProfile[kRegEnumNameBufferSize];
    DWORD cchProfile = sizeof(szProfile);
    if (Registry().RegEnumKeyExA(profiles.Get(), nIndex, szProfile,
                                 &cchProfile) != ERROR_SUCCESS)
      break;
    if (std::string(szProfile) == kCurrentProfile) continue;
    DeleteRegKeyTree(profiles.Get(), std::string(szProfile) +
                                         kProfileServicesPath + strService);
  }
}
