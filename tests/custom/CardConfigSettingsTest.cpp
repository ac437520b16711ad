#include <gtest/gtest.h>

#include "custom/CardConfigSettings.h"
#include "custom/SettingsKeys.h"
#include "support/RegistryTestUtil.h"
#include "support/TestPlatform.h"
#include "sys/RegistryOps.h"

namespace {
class CardConfigSettingsTest : public ::testing::Test {
 protected:
  DWORD Kestan(const char* pszValue) {
    return ReadRegDword(HKEY_LOCAL_MACHINE, kKestanParametersKey, pszValue);
  }
  DWORD Dovrel(const char* pszValue) {
    return ReadRegDword(HKEY_LOCAL_MACHINE, kDovrelSystemKey, pszValue);
  }

  CTestPlatform m_platform;
};

TEST_F(CardConfigSettingsTest, EmptyRegistryOpensWithTheDefaults) {
  const CCardConfigSettings settings = ReadCardConfigSettings();
  EXPECT_EQ(kPciCisAndDrivers, settings.nAddressSpace);
  EXPECT_FALSE(settings.bModemAtBoot);
  EXPECT_FALSE(settings.bPortOverride);
  EXPECT_EQ(4, settings.nReservedWindows);
  EXPECT_EQ(24, settings.nAllocStartIndex);
  EXPECT_EQ(0xD8000u, AllocationStartOf(settings.nAllocStartIndex));
}

TEST_F(CardConfigSettingsTest, EachStoredValueOpensAsItsControl) {
  struct {
    const char* pszValue;
    const char* pszKey;
    DWORD dwStored;
    int CCardConfigSettings::*pMember;
    int nExpected;
  } cases[] = {
      {"R2Configuration", kDovrelSystemKey, 0,
       &CCardConfigSettings::nAddressSpace, 0},
      {"R2Configuration", kDovrelSystemKey, 1,
       &CCardConfigSettings::nAddressSpace, 1},
      {"R2Configuration", kDovrelSystemKey, 3,
       &CCardConfigSettings::nAddressSpace, 3},
      {"R2Configuration", kDovrelSystemKey, 4,
       &CCardConfigSettings::nAddressSpace, 2},
      {"R2Configuration", kDovrelSystemKey, 0xFFFFFFFF,
       &CCardConfigSettings::nAddressSpace, 2},
      {"NumReservedMemoryWindows", kKestanParametersKey, 0,
       &CCardConfigSettings::nReservedWindows, 0},
      {"NumReservedMemoryWindows", kKestanParametersKey, 9,
       &CCardConfigSettings::nReservedWindows, 9},
      {"NumReservedMemoryWindows", kKestanParametersKey, 10,
       &CCardConfigSettings::nReservedWindows, 4},
      {"NumReservedMemoryWindows", kKestanParametersKey, 0xFFFFFFFF,
       &CCardConfigSettings::nReservedWindows, 4},
      {"AllocationStart", kKestanParametersKey, 0xC0000,
       &CCardConfigSettings::nAllocStartIndex, 0},
      {"AllocationStart", kKestanParametersKey, 0xC8800,
       &CCardConfigSettings::nAllocStartIndex, 8},
      {"AllocationStart", kKestanParametersKey, 0xDF000,
       &CCardConfigSettings::nAllocStartIndex, 31},
      {"AllocationStart", kKestanParametersKey, 0xDFFFF,
       &CCardConfigSettings::nAllocStartIndex, 31},
      {"AllocationStart", kKestanParametersKey, 0xE0000,
       &CCardConfigSettings::nAllocStartIndex, 24},
      {"AllocationStart", kKestanParametersKey, 0xBF000,
       &CCardConfigSettings::nAllocStartIndex, 24},
      {"AllocationStart", kKestanParametersKey, 0,
       &CCardConfigSettings::nAllocStartIndex, 24},
      {"CnfgModemAtBoot", kDovrelSystemKey, 0,
       &CCardConfigSettings::bModemAtBoot, FALSE},
      {"CnfgModemAtBoot", kDovrelSystemKey, 2,
       &CCardConfigSettings::bModemAtBoot, TRUE},
      {"CnfgModemAtBoot", kDovrelSystemKey, 0xFFFFFFFF,
       &CCardConfigSettings::bModemAtBoot, FALSE},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.pszValue << " = " << c.dwStored);
    CTestPlatform platform;
    WriteRegDword(HKEY_LOCAL_MACHINE, c.pszKey, c.pszValue, c.dwStored);
    EXPECT_EQ(c.nExpected, ReadCardConfigSettings().*c.pMember);
  }
}

TEST_F(CardConfigSettingsTest, ValuesOfAnotherTypeCountAsMissing) {
  SetRawValue(HKEY_LOCAL_MACHINE, kDovrelSystemKey, "R2Configuration", REG_SZ,
              {'0', 0});
  SetRawValue(HKEY_LOCAL_MACHINE, kKestanParametersKey,
              "NumReservedMemoryWindows", REG_BINARY, {0, 0, 0, 0});
  SetRawValue(HKEY_LOCAL_MACHINE, kKestanParametersKey, "AllocationStart",
              REG_DWORD_BIG_ENDIAN, {0, 0x0C, 0, 0});
  const CCardConfigSettings settings = ReadCardConfigSettings();
  EXPECT_EQ(kPciCisAndDrivers, settings.nAddressSpace);
  EXPECT_EQ(4, settings.nReservedWindows);
  EXPECT_EQ(24, settings.nAllocStartIndex);
}

TEST_F(CardConfigSettingsTest, OkOnTheDefaultsWritesThemAndLeavesTheList) {
  WriteCardConfigSettings(ReadCardConfigSettings());
  EXPECT_EQ(2u, Dovrel("R2Configuration"));
  EXPECT_EQ(0u, Dovrel("CnfgModemAtBoot"));
  EXPECT_EQ(4u, Kestan("NumReservedMemoryWindows"));
  EXPECT_EQ(0xD8000u, Kestan("AllocationStart"));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kPortExclusionsKey));
}

TEST_F(CardConfigSettingsTest, NoWindowsKeepsTheStartAddress) {
  WriteRegDword(HKEY_LOCAL_MACHINE, kKestanParametersKey, "AllocationStart",
                0xC8800);
  CCardConfigSettings settings = ReadCardConfigSettings();
  settings.nReservedWindows = 0;
  WriteCardConfigSettings(settings);
  EXPECT_EQ(0u, Kestan("NumReservedMemoryWindows"));
  EXPECT_EQ(0xC8800u, Kestan("AllocationStart"));
  settings.nReservedWindows = 2;
  WriteCardConfigSettings(settings);
  EXPECT_EQ(2u, Kestan("NumReservedMemoryWindows"));
  EXPECT_EQ(0xC8000u, Kestan("AllocationStart"));  // rounded down
}

TEST_F(CardConfigSettingsTest, OutOfRangeSelectionsWriteTheDefaults) {
  CCardConfigSettings settings;
  settings.nAddressSpace = -1;
  settings.nReservedWindows = -1;
  settings.nAllocStartIndex = -1;
  WriteCardConfigSettings(settings);
  EXPECT_EQ(2u, Dovrel("R2Configuration"));
  EXPECT_EQ(4u, Kestan("NumReservedMemoryWindows"));
  EXPECT_EQ(0xD8000u, Kestan("AllocationStart"));
}

TEST_F(CardConfigSettingsTest, StartAddressIndexesCoverTheList) {
  for (int i = 0; i < kAllocationStarts; ++i) {
    EXPECT_EQ(0xC0000u + DWORD(i) * 0x1000, AllocationStartOf(i));
    EXPECT_EQ(i, AllocStartIndexOf(AllocationStartOf(i)));
    EXPECT_EQ(i, AllocStartIndexOf(AllocationStartOf(i) + 0xFFF));
  }
}

TEST_F(CardConfigSettingsTest, OverrideBoxFollowsTheExclusionList) {
  CCardConfigSettings settings = ReadCardConfigSettings();
  settings.bPortOverride = TRUE;
  WriteCardConfigSettings(settings);
  const std::string strZero = std::string(kPortExclusionsKey) + "\\0";
  EXPECT_EQ(0x200u, ReadRegDword(HKEY_LOCAL_MACHINE, strZero, "End"));
  EXPECT_TRUE(ReadCardConfigSettings().bPortOverride);
  settings.bPortOverride = FALSE;
  WriteCardConfigSettings(settings);
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, strZero));
  EXPECT_FALSE(ReadCardConfigSettings().bPortOverride);
}
}  // namespace
