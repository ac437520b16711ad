#include <gtest/gtest.h>

#include "custom/InterruptSettings.h"
#include "custom/SettingsKeys.h"
#include "support/RegistryTestUtil.h"
#include "support/TestPlatform.h"
#include "sys/RegistryOps.h"

namespace {
class InterruptSettingsTest : public ::testing::Test {
 protected:
  CTestPlatform m_platform;
};

TEST_F(InterruptSettingsTest, ShareIrqOpensAsRadioAndAllCardsBox) {
  struct {
    const char* pszCase;
    DWORD dwStored;  // kRegDwordMissing: no value
    int nShareMode;
    BOOL bAll;
  } cases[] = {
      {"missing", kRegDwordMissing, kSharePci, FALSE},
      {"0xFFFFFFFF", 0xFFFFFFFF, kSharePci, FALSE},
      {"0", 0, kShareSingleIsa, FALSE},
      {"1", 1, kSharePci, FALSE},
      {"2", 2, kDifferentIsa, FALSE},
      {"3", 3, kSharePci, TRUE},
      {"4 opens as the default", 4, kSharePci, FALSE},
      {"0x80000000 opens as the default", 0x80000000, kSharePci, FALSE},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszCase);
    CTestPlatform platform;
    if (c.dwStored != kRegDwordMissing)
      WriteRegDword(HKEY_LOCAL_MACHINE, kKestanParametersKey, "ShareIRQ",
                    c.dwStored);
    const CInterruptSettings settings = ReadInterruptSettings();
    EXPECT_EQ(c.nShareMode, settings.nShareMode);
    EXPECT_EQ(c.bAll, settings.bAllCardsSharePci);
  }
}

TEST_F(InterruptSettingsTest, ExclusionBoxesFromTheirValues) {
  struct {
    DWORD dwStored;
    BOOL bChecked;
  } cases[] = {
      {kRegDwordMissing, FALSE},
      {0xFFFFFFFF, FALSE},
      {0, FALSE},
      {1, TRUE},
      {5, TRUE},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dwStored);
    CTestPlatform platform;
    if (c.dwStored != kRegDwordMissing) {
      WriteRegDword(HKEY_LOCAL_MACHINE, kDovrelSystemKey,
                    "EnableSpecialIrqMask", c.dwStored);
      WriteRegDword(HKEY_LOCAL_MACHINE, kBrannicParametersKey,
                    "ExcludePciIrqsFromIsaIrqMask", c.dwStored);
    }
    const CInterruptSettings settings = ReadInterruptSettings();
    EXPECT_EQ(c.bChecked, settings.bExcludeIrq12To15);
    EXPECT_EQ(c.bChecked, settings.bExcludePciIrqs);
  }
}

TEST_F(InterruptSettingsTest, ValuesOfAnotherTypeCountAsMissing) {
  SetRawValue(HKEY_LOCAL_MACHINE, kKestanParametersKey, "ShareIRQ", REG_SZ,
              {'0', 0});
  SetRawValue(HKEY_LOCAL_MACHINE, kDovrelSystemKey, "EnableSpecialIrqMask",
              REG_BINARY, {1, 0, 0, 0});
  const CInterruptSettings settings = ReadInterruptSettings();
  EXPECT_EQ(kSharePci, settings.nShareMode);
  EXPECT_FALSE(settings.bExcludeIrq12To15);
}

TEST_F(InterruptSettingsTest, ShareIrqValueOfTheControls) {
  EXPECT_EQ(0u, ShareIrqValue(kShareSingleIsa, FALSE));
  EXPECT_EQ(1u, ShareIrqValue(kSharePci, FALSE));
  EXPECT_EQ(2u, ShareIrqValue(kDifferentIsa, FALSE));
  for (int nMode : {kShareSingleIsa, kSharePci, kDifferentIsa, -1})
    EXPECT_EQ(3u, ShareIrqValue(nMode, TRUE));
  // No radio button checked: the default, never an unlisted value.
  EXPECT_EQ(1u, ShareIrqValue(-1, FALSE));
  EXPECT_EQ(1u, ShareIrqValue(3, FALSE));
}

TEST_F(InterruptSettingsTest, WritesAllThreeValuesCreatingTheKeys) {
  CInterruptSettings settings;  // the defaults of an empty registry
  WriteInterruptSettings(settings);
  EXPECT_EQ(0u, ReadRegDword(HKEY_LOCAL_MACHINE, kDovrelSystemKey,
                             "EnableSpecialIrqMask"));
  EXPECT_EQ(1u,
            ReadRegDword(HKEY_LOCAL_MACHINE, kKestanParametersKey, "ShareIRQ"));
  EXPECT_EQ(0u, ReadRegDword(HKEY_LOCAL_MACHINE, kBrannicParametersKey,
                             "ExcludePciIrqsFromIsaIrqMask"));
  settings.bExcludeIrq12To15 = TRUE;
  settings.bExcludePciIrqs = TRUE;
  settings.nShareMode = kDifferentIsa;
  settings.bAllCardsSharePci = TRUE;
  WriteInterruptSettings(settings);
  EXPECT_EQ(1u, ReadRegDword(HKEY_LOCAL_MACHINE, kDovrelSystemKey,
                             "EnableSpecialIrqMask"));
  EXPECT_EQ(3u,
            ReadRegDword(HKEY_LOCAL_MACHINE, kKestanParametersKey, "ShareIRQ"));
  EXPECT_EQ(1u, ReadRegDword(HKEY_LOCAL_MACHINE, kBrannicParametersKey,
                             "ExcludePciIrqsFromIsaIrqMask"));
}

TEST_F(InterruptSettingsTest, StoredValuesRoundTrip) {
  for (DWORD dwShare = 0; dwShare <= 3; ++dwShare) {
    SCOPED_TRACE(dwShare);
    CTestPlatform platform;
    WriteRegDword(HKEY_LOCAL_MACHINE, kKestanParametersKey, "ShareIRQ",
                  dwShare);
    WriteInterruptSettings(ReadInterruptSettings());
    EXPECT_EQ(dwShare, ReadRegDword(HKEY_LOCAL_MACHINE, kKestanParametersKey,
                                    "ShareIRQ"));
  }
}
}  // namespace
