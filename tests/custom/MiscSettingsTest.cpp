#include <gtest/gtest.h>

#include "custom/MiscSettings.h"
#include "custom/SettingsKeys.h"
#include "support/RegistryTestUtil.h"
#include "support/TestPlatform.h"
#include "sys/RegistryOps.h"

namespace {
class MiscSettingsTest : public ::testing::Test {
 protected:
  CTestPlatform m_platform;
};

// kRegDwordMissing stands for "no value at all".
void StorePowerOff(DWORD dwData) {
  if (dwData != kRegDwordMissing)
    WriteRegDword(HKEY_LOCAL_MACHINE, kBrannicParametersKey,
                  "PowerOffSlotsOnSD", dwData);
}
void StoreFailure(DWORD dwData) {
  if (dwData != kRegDwordMissing)
    WriteRegDword(HKEY_USERS, kNotifyKey, "Failure", dwData);
}

TEST_F(MiscSettingsTest, OpenStateFromTheRegistry) {
  struct {
    DWORD dwPowerOff;
    DWORD dwFailure;
    BOOL bPowerOffSlots;
    BOOL bDisableNotifications;
  } cases[] = {
      {kRegDwordMissing, kRegDwordMissing, TRUE, FALSE},
      {0xFFFFFFFF, 0xFFFFFFFF, TRUE, FALSE},
      {0, 0, FALSE, TRUE},
      {1, 1, TRUE, FALSE},
      {7, 2, TRUE, FALSE},
      {0, 0x80000000, FALSE, FALSE},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dwPowerOff << "/" << c.dwFailure);
    CTestPlatform platform;
    StorePowerOff(c.dwPowerOff);
    StoreFailure(c.dwFailure);
    const CMiscSettings settings = ReadMiscSettings();
    EXPECT_EQ(c.bPowerOffSlots, settings.bPowerOffSlots);
    EXPECT_EQ(c.bDisableNotifications, settings.bDisableNotifications);
  }
}

TEST_F(MiscSettingsTest, ValuesOfAnotherTypeCountAsMissing) {
  SetRawValue(HKEY_LOCAL_MACHINE, kBrannicParametersKey, "PowerOffSlotsOnSD",
              REG_SZ, {'0', 0});
  SetRawValue(HKEY_USERS, kNotifyKey, "Failure", REG_BINARY, {0, 0, 0, 0});
  const CMiscSettings settings = ReadMiscSettings();
  EXPECT_TRUE(settings.bPowerOffSlots);
  EXPECT_FALSE(settings.bDisableNotifications);
}

TEST_F(MiscSettingsTest, WritesBothValuesWithFailureInverted) {
  struct {
    BOOL bPowerOffSlots, bDisableNotifications;
    DWORD dwPowerOff, dwFailure;
  } cases[] = {
      {TRUE, FALSE, 1, 1},
      {FALSE, TRUE, 0, 0},
      {TRUE, TRUE, 1, 0},
      {FALSE, FALSE, 0, 1},
  };
  for (const auto& c : cases) {
    CTestPlatform platform;
    CMiscSettings settings;
    settings.bPowerOffSlots = c.bPowerOffSlots;
    settings.bDisableNotifications = c.bDisableNotifications;
    WriteMiscSettings(settings);
    EXPECT_EQ(c.dwPowerOff,
              ReadRegDword(HKEY_LOCAL_MACHINE, kBrannicParametersKey,
                           "PowerOffSlotsOnSD"));
    EXPECT_EQ(c.dwFailure, ReadRegDword(HKEY_USERS, kNotifyKey, "Failure"));
    // What was written reads back as it was chosen.
    const CMiscSettings back = ReadMiscSettings();
    EXPECT_EQ(c.bPowerOffSlots, back.bPowerOffSlots);
    EXPECT_EQ(c.bDisableNotifications, back.bDisableNotifications);
  }
}

TEST_F(MiscSettingsTest, NotificationsLiveInTheDefaultProfile) {
  WriteMiscSettings(CMiscSettings());
  EXPECT_TRUE(KeyExists(HKEY_USERS, ".DEFAULT\\Software\\Corvane"));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\Corvane"));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "Software\\Corvane"));
}
}  // namespace
