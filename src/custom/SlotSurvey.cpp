#include "SlotSurvey.h"

#include <cstdio>

#include "SettingsKeys.h"
#include "fw/MessageBox.h"
#include "res/CustomStringIds.h"
#include "sys/RegistryOps.h"

namespace {
// More slots than any machine has; bounds the walk over published keys.
constexpr int kMaxSlots = 256;

DWORD ReadSlot(int nSlot) {
  char szKey[sizeof(kSlotDataBaseKeyFormat) + 16];
  std::snprintf(szKey, sizeof(szKey), kSlotDataBaseKeyFormat, nSlot);
  return ReadRegDword(HKEY_LOCAL_MACHINE, szKey, "32BitR2MemoryWindows");
}
}  // namespace

CSlotSurvey SurveySlots() {
  CSlotSurvey survey;
  for (int nSlot = 0; nSlot < kMaxSlots; ++nSlot) {
    const DWORD dwData = ReadSlot(nSlot);
    if (dwData == kRegDwordMissing) break;
    ++survey.nDetected;
    if (dwData != 0) ++survey.nPciCapable;
  }
  return survey;
}

void ShowReservedWindowsInformation() {
  AfxMessageBox(IDS_MORE_RESERVED_WINDOWS, MB_OK | MB_ICONINFORMATION);
  const CSlotSurvey survey = SurveySlots();
  if (survey.nPciCapable == 0) return;
  AfxFormatMessageBox(IDS_SLOT_SURVEY, MB_OK | MB_ICONINFORMATION,
                      survey.nDetected, survey.nPciCapable, survey.nDetected,
                      survey.nPciCapable, survey.nPciCapable);
}
