#include <gtest/gtest.h>

#include <set>

#include "app/quorrelApp.h"
#include "res/AppStringIds.h"
#include "res/UpdateStringIds.h"
#include "support/CardDatabaseFile.h"
#include "support/FakeMainForm.h"
#include "support/FaultyRegistry.h"
#include "support/RecordingRegistry.h"
#include "support/TestPlatform.h"
#include "sys/RegistryOps.h"
#include "update/CardTable.h"
#include "update/UpdateRegistry.h"

namespace {
const char kDataBase[] =
    "System\\CurrentControlSet\\Services\\Dovrel\\DataBase";
const char kVelcor[] = "System\\CurrentControlSet\\Services\\Velcor";
const char kPirqs[] =
    "System\\CurrentControlSet\\Services\\Velcor\\Parameters\\PIRQS";
const char kCdrom[] = "System\\CurrentControlSet\\Services\\Cdrom";

class UpdateRegistryTest : public ::testing::Test {
 protected:
  bool KeyExists(const std::string& strPath) {
    HKEY hKey = nullptr;
    if (!OpenRegKey(HKEY_LOCAL_MACHINE, strPath, &hKey)) return false;
    Registry().RegCloseKey(hKey);
    return true;
  }
  std::string Text(const std::string& strPath, const char* pszValue) {
    std::string strText;
    ReadRegString(HKEY_LOCAL_MACHINE, strPath, pszValue, &strText);
    return strText;
  }
  // Every (key, value) below the card database, counted from the registry.
  void CountDatabase(size_t* pnKeys, size_t* pnValues) {
    *pnKeys = *pnValues = 0;
    HKEY hBase = nullptr;
    ASSERT_TRUE(OpenRegKey(HKEY_LOCAL_MACHINE, kDataBase, &hBase));
    for (DWORD i = 0;; ++i) {
      const std::string strMaker = EnumRegSubkey(hBase, i);
      if (strMaker.empty()) break;
      HKEY hMaker = nullptr;
      ASSERT_TRUE(OpenRegKey(hBase, strMaker, &hMaker));
      for (DWORD j = 0;; ++j) {
        const std::string strProduct = EnumRegSubkey(hMaker, j);
        if (strProduct.empty()) break;
        HKEY hProduct = nullptr;
        ASSERT_TRUE(OpenRegKey(hMaker, strProduct, &hProduct));
        DWORD nValues = 0, nSubkeys = 0;
        Registry().RegQueryInfoKeyA(hProduct, nullptr, nullptr, &nSubkeys,
                                    &nValues);
        ++*pnKeys;
        *pnValues += nValues;
        Registry().RegCloseKey(hProduct);
      }
      Registry().RegCloseKey(hMaker);
    }
    Registry().RegCloseKey(hBase);
  }

  CTestPlatform m_platform;
  CFakeMainForm m_form;
};

TEST_F(UpdateRegistryTest,
       TableHoldsSixtySixDistinctEntriesWithNinetyThreeValues) {
  std::set<std::string> keys;
  size_t nStrings = 0, nNumbers = 0;
  for (const CardEntry& entry : CardEntries()) {
    keys.insert(CardEntryKeyPath(entry));
    for (const CardValue& value : entry.values)
      ++(value.type == REG_DWORD ? nNumbers : nStrings);
  }
  EXPECT_EQ(66u, CardEntries().size());
  EXPECT_EQ(66u, keys.size());
  EXPECT_EQ(91u, nStrings);
  EXPECT_EQ(2u, nNumbers);
}

TEST_F(UpdateRegistryTest, WritesTheCardListOnAMachineWithoutTheSuite) {
  EXPECT_EQ(1, SilentUpdateRegistry());
  const std::vector<std::string> expected = ExpectedCardDatabase();
  ASSERT_EQ(93u, expected.size());
  EXPECT_EQ(std::vector<std::string>(),
            LineDifferences(expected, ListCardDatabase(m_platform.m_registry)));
  size_t nKeys = 0, nValues = 0;
  CountDatabase(&nKeys, &nValues);
  EXPECT_EQ(66u, nKeys);
  EXPECT_EQ(93u, nValues);
  EXPECT_EQ(0u, m_platform.m_registry.OpenHandleCount());
  // A second run leaves the same keys and values.
  SilentUpdateRegistry();
  EXPECT_EQ(std::vector<std::string>(),
            LineDifferences(expected, ListCardDatabase(m_platform.m_registry)));
}

TEST_F(UpdateRegistryTest, NamesAreTakenVerbatim) {
  UpdateCardDatabase();
  const std::string strBase = std::string(kDataBase) + "\\";
  // Trailing spaces are part of the product names.
  EXPECT_TRUE(KeyExists(strBase + "ISDN\\CARD "));
  EXPECT_EQ(1u, ReadRegDword(HKEY_LOCAL_MACHINE, strBase + "ISDN\\CARD ",
                             "DontAlterIOLength"));
  EXPECT_EQ("VS", Text(strBase + "ISDN\\CARD ", "DeviceType"));
  EXPECT_FALSE(KeyExists(strBase + "ISDN\\CARD"));
  EXPECT_TRUE(KeyExists(strBase + "SPYRUS\\Lynks Privacy Crypto Card     "));
  EXPECT_FALSE(KeyExists(strBase + "SPYRUS\\Lynks Privacy Crypto Card"));
  // A "/" or ":" is an ordinary character of one key name.
  EXPECT_TRUE(KeyExists(strBase + "3Com Corporation\\3C562C/3C563C"));
  HKEY hMaker = nullptr;
  ASSERT_TRUE(
      OpenRegKey(HKEY_LOCAL_MACHINE, strBase + "3Com Corporation", &hMaker));
  for (DWORD i = 0;; ++i) {
    const std::string strName = EnumRegSubkey(hMaker, i);
    if (strName.empty()) break;
    EXPECT_NE("3C562C", strName);
  }
  Registry().RegCloseKey(hMaker);
  EXPECT_TRUE(KeyExists(strBase + "Ositech\\Trumpcard:JoS Ethernet"));
  EXPECT_EQ("atdisk",
            Text(strBase + "PC CARD MANUFACTURER\\PCMCIA ATA/ATAPI Adapter",
                 "Driver"));
  EXPECT_EQ("VS",
            Text(strBase + "PC CARD MANUFACTURER\\PCMCIA ATA/ATAPI Adapter",
                 "DeviceType"));
  // Names that differ only by a suffix are distinct keys.
  EXPECT_TRUE(KeyExists(strBase + "Sierra Wireless, Inc.\\AirCard"));
  EXPECT_TRUE(KeyExists(strBase + "Sierra Wireless\\AirCard Cellular"));
  EXPECT_TRUE(KeyExists(
      strBase + "Low Power Ethernet LAN Adapter\\Socket Communications, Inc"));
}

TEST_F(UpdateRegistryTest, EntryWithOnlyANumberGetsOneDword) {
  UpdateCardDatabase();
  const std::string strKey =
      std::string(kDataBase) + "\\Psion Dacom\\Gold Card V34 Ethernet";
  HKEY hKey = nullptr;
  ASSERT_TRUE(OpenRegKey(HKEY_LOCAL_MACHINE, strKey, &hKey));
  DWORD nValues = 0;
  Registry().RegQueryInfoKeyA(hKey, nullptr, nullptr, nullptr, &nValues);
  EXPECT_EQ(1u, nValues);
  EXPECT_EQ(0u, QueryRegDword(hKey, "InterruptMode"));
  Registry().RegCloseKey(hKey);
}

TEST_F(UpdateRegistryTest, ExistingDataIsOverwrittenAndExtraValuesSurvive) {
  const std::string strKey = std::string(kDataBase) + "\\TDK\\Global Pro ISDN";
  WriteRegString(HKEY_LOCAL_MACHINE, strKey, "DeviceType", "NET");
  WriteRegString(HKEY_LOCAL_MACHINE, strKey, "Mine", "kept");
  UpdateCardDatabase();
  EXPECT_EQ("VS", Text(strKey, "DeviceType"));
  EXPECT_EQ("kept", Text(strKey, "Mine"));
}

TEST_F(UpdateRegistryTest, StringsAreStoredWithTheirTerminatingZero) {
  UpdateCardDatabase();
  HKEY hKey = nullptr;
  ASSERT_TRUE(OpenRegKey(
      HKEY_LOCAL_MACHINE,
      std::string(kDataBase) + "\\Olicom\\GoCard Eth/Modem 336", &hKey));
  BYTE data[16];
  DWORD cbData = sizeof(data), dwType = 0;
  ASSERT_EQ(ERROR_SUCCESS, Registry().RegQueryValueExA(hKey, "Driver", &dwType,
                                                       data, &cbData));
  EXPECT_EQ(static_cast<DWORD>(REG_SZ), dwType);
  EXPECT_EQ(7u, cbData);  // "OCE2XM" and its zero
  Registry().RegCloseKey(hKey);
}

TEST_F(UpdateRegistryTest, PirqDefaultsFillOnlyWhatIsMissing) {
  // Without the service key nothing is created.
  EXPECT_FALSE(UpdatePirqDefaults());
  EXPECT_FALSE(KeyExists(kVelcor));

  HKEY hKey = nullptr;
  ASSERT_TRUE(CreateRegKey(HKEY_LOCAL_MACHINE, kVelcor, &hKey));
  Registry().RegCloseKey(hKey);
  EXPECT_TRUE(UpdatePirqDefaults());
  EXPECT_EQ(11u, ReadRegDword(HKEY_LOCAL_MACHINE, kPirqs, "1"));
  EXPECT_EQ(11u, ReadRegDword(HKEY_LOCAL_MACHINE, kPirqs, "2"));
  EXPECT_FALSE(UpdatePirqDefaults());

  WriteRegDword(HKEY_LOCAL_MACHINE, kPirqs, "1", 5);
  DeleteRegValue(HKEY_LOCAL_MACHINE, kPirqs, "2");
  EXPECT_TRUE(UpdatePirqDefaults());
  EXPECT_EQ(5u, ReadRegDword(HKEY_LOCAL_MACHINE, kPirqs, "1"));
  EXPECT_EQ(11u, ReadRegDword(HKEY_LOCAL_MACHINE, kPirqs, "2"));

  // A string or a stored 0xFFFFFFFF counts as missing.
  WriteRegString(HKEY_LOCAL_MACHINE, kPirqs, "1", "5");
  WriteRegDword(HKEY_LOCAL_MACHINE, kPirqs, "2", 0xFFFFFFFF);
  EXPECT_TRUE(UpdatePirqDefaults());
  EXPECT_EQ(11u, ReadRegDword(HKEY_LOCAL_MACHINE, kPirqs, "1"));
  EXPECT_EQ(11u, ReadRegDword(HKEY_LOCAL_MACHINE, kPirqs, "2"));
  EXPECT_EQ(0u, m_platform.m_registry.OpenHandleCount());
}

TEST_F(UpdateRegistryTest, NonAdministratorIsRefusedAndTheButtonStaysEnabled) {
  m_platform.SetAdministrator(false);
  OnUpdateRegistry(m_form);
  EXPECT_EQ(std::vector<UINT>{IDS_NOT_ADMINISTRATOR},
            m_platform.m_user.BoxIds());
  EXPECT_TRUE(m_form.IsButtonEnabled(IDC_UPDATE_REGISTRY));
  EXPECT_FALSE(KeyExists(kDataBase));
  EXPECT_EQ(0, SilentUpdateRegistry());
}

TEST_F(UpdateRegistryTest, InteractiveUpdateDisablesItsButtonAndOffersRestart) {
  OnUpdateRegistry(m_form);
  EXPECT_FALSE(m_form.IsButtonEnabled(IDC_UPDATE_REGISTRY));
  EXPECT_EQ((std::vector<UINT>{IDS_UPDATE_COMPLETED, IDS_RESTART_QUESTION}),
            m_platform.m_user.BoxIds());
  EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION),
            m_platform.m_user.m_boxes[1].uType);
  EXPECT_TRUE(KeyExists(kDataBase));
  EXPECT_EQ(0u, QuorrelApp().m_nBusyCount);
  // The default answer (No) asks for no restart.
  EXPECT_TRUE(m_platform.m_security.m_shutdownRequests.empty());
}

TEST_F(UpdateRegistryTest, YesToTheRestartQuestionRequestsAReboot) {
  m_platform.m_user.m_answers = {IDOK, IDYES};
  CquorrelApp& app = QuorrelApp();
  OnUpdateRegistry(m_form);
  ASSERT_EQ(1u, m_platform.m_security.m_shutdownRequests.size());
  EXPECT_TRUE(m_platform.m_security.m_shutdownRequests[0].bRebootAfterShutdown);
  EXPECT_FALSE(m_platform.m_security.m_shutdownRequests[0].bForceAppsClosed);
  EXPECT_EQ(0u, m_platform.m_security.m_shutdownRequests[0].dwTimeout);
  app.m_nBusyCount = 0;  // the restart keeps the run busy for good
}

TEST_F(UpdateRegistryTest, AfterAConfirmedClearTheUpdateIsRefused) {
  m_form.EnableButton(IDC_CLEAR_REGISTRY, FALSE);
  OnUpdateRegistry(m_form);
  EXPECT_EQ(std::vector<UINT>{IDS_REINSTALL_FIRST}, m_platform.m_user.BoxIds());
  EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP),
            m_platform.m_user.m_boxes[0].Icon());
  EXPECT_FALSE(m_form.IsButtonEnabled(IDC_UPDATE_REGISTRY));
  EXPECT_FALSE(KeyExists(kDataBase));
}

TEST_F(UpdateRegistryTest, CdromFixUpOnlyChangesDemandStart) {
  const struct {
    DWORD dwStart;
    DWORD dwAfter;
  } kCases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 4}, {4, 4}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.dwStart);
    CFakeMainForm form;
    WriteRegDword(HKEY_LOCAL_MACHINE, kCdrom, "Start", c.dwStart);
    OnUpdateRegistry(form);
    EXPECT_EQ(c.dwAfter, ReadRegDword(HKEY_LOCAL_MACHINE, kCdrom, "Start"));
  }
  DeleteRegKeyTree(HKEY_LOCAL_MACHINE, kCdrom);
  CFakeMainForm form;
  OnUpdateRegistry(form);
  EXPECT_FALSE(KeyExists(kCdrom));
}

TEST_F(UpdateRegistryTest, SilentUpdateNeverTouchesTheCdromDriver) {
  WriteRegDword(HKEY_LOCAL_MACHINE, kCdrom, "Start", 3);
  EXPECT_EQ(1, SilentUpdateRegistry());
  EXPECT_EQ(3u, ReadRegDword(HKEY_LOCAL_MACHINE, kCdrom, "Start"));
  EXPECT_TRUE(m_platform.m_user.m_boxes.empty());
}
}  // namespace

namespace {
class UpdateRegistryFailureTest : public ::testing::Test {
 protected:
  UpdateRegistryFailureTest() {
    CPlatform platform = Platform();
    platform.pRegistry = &m_registry;
    SetPlatform(platform);
  }
  CTestPlatform m_platform;
  CFaultyRegistry m_registry;
  CFakeMainForm m_form;
};

TEST_F(UpdateRegistryFailureTest, SilentUpdateReportsAValueThatWasNotWritten) {
  m_registry.m_failValues = {"Driver"};
  EXPECT_EQ(0, SilentUpdateRegistry());
  // The other values were still written.
  EXPECT_EQ(1u, ReadRegDword(HKEY_LOCAL_MACHINE,
                             std::string(kDataBase) + "\\ISDN\\CARD ",
                             "DontAlterIOLength"));
  EXPECT_TRUE(m_platform.m_user.m_boxes.empty());
}

TEST_F(UpdateRegistryFailureTest, SilentUpdateReportsADeniedDatabaseKey) {
  m_registry.m_strFailCreate = "DataBase";
  EXPECT_EQ(0, SilentUpdateRegistry());
}

TEST_F(UpdateRegistryFailureTest, SilentUpdateReportsAFailedRoutingDefault) {
  HKEY hKey = nullptr;
  ASSERT_TRUE(CreateRegKey(HKEY_LOCAL_MACHINE, kVelcor, &hKey));
  Registry().RegCloseKey(hKey);
  m_registry.m_failValues = {"2"};
  EXPECT_EQ(0, SilentUpdateRegistry());
  EXPECT_EQ(11u, ReadRegDword(HKEY_LOCAL_MACHINE, kPirqs, "1"));
}

TEST_F(UpdateRegistryFailureTest, InteractiveUpdateWarnsInsteadOfSuccess) {
  m_registry.m_failValues = {"DeviceType"};
  OnUpdateRegistry(m_form);
  EXPECT_EQ((std::vector<UINT>{IDS_UPDATE_INCOMPLETE, IDS_RESTART_QUESTION}),
            m_platform.m_user.BoxIds());
  EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION),
            m_platform.m_user.m_boxes[0].Icon());
}
TEST_F(UpdateRegistryFailureTest, AnUpdateTheRegistryCannotStoreIsNoSuccess) {
  m_registry.m_lFlushError = ERROR_DISK_FULL;
  OnUpdateRegistry(m_form);
  EXPECT_EQ((std::vector<UINT>{IDS_UPDATE_INCOMPLETE, IDS_RESTART_QUESTION}),
            m_platform.m_user.BoxIds());
}
TEST_F(UpdateRegistryFailureTest, AFailedCdromStartWriteIsNoSuccess) {
  WriteRegDword(HKEY_LOCAL_MACHINE, kCdrom, "Start", 3);
  m_registry.m_failValues = {"Start"};
  OnUpdateRegistry(m_form);
  EXPECT_EQ(3u, ReadRegDword(HKEY_LOCAL_MACHINE, kCdrom, "Start"));
  EXPECT_EQ((std::vector<UINT>{IDS_UPDATE_INCOMPLETE, IDS_RESTART_QUESTION}),
            m_platform.m_user.BoxIds());
}
}  // namespace

namespace {
// Each card value with its own create, set, flush and close, as the
// registry sees the calls, in the silent and the interactive Update.
class UpdateRegistryCallsTest : public ::testing::Test {
 protected:
  UpdateRegistryCallsTest() {
    CPlatform platform = Platform();
    platform.pRegistry = &m_registry;
    SetPlatform(platform);
  }
  void ExpectOneCreateSetFlushClosePerValue() {
    std::map<std::string, std::vector<std::string>> expected;
    for (const CCardValueLine& value : CardDatabaseInWritingOrder()) {
      std::vector<std::string>& calls =
          expected[std::string("HKLM\\") + kDataBase + "\\" + value.strKey];
      calls.insert(calls.end(),
                   {"create", "set " + value.strName, "flush", "close"});
    }
    ASSERT_EQ(66u, expected.size());
    for (const auto& key : expected)
      EXPECT_EQ(key.second, m_registry.m_calls[key.first]) << key.first;
  }
  CTestPlatform m_platform;
  CRecordingRegistry m_registry;
  CFakeMainForm m_form;
};

TEST_F(UpdateRegistryCallsTest, SilentUpdateWritesEachValueOnItsOwn) {
  EXPECT_EQ(1, SilentUpdateRegistry());
  ExpectOneCreateSetFlushClosePerValue();
}

TEST_F(UpdateRegistryCallsTest, InteractiveUpdateWritesEachValueOnItsOwn) {
  OnUpdateRegistry(m_form);
  ExpectOneCreateSetFlushClosePerValue();
}
}  // namespace
