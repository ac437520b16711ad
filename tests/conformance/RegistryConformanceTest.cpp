// The registry primitives as the program relies on them, checked against
// every registry of the build: the host's in-memory registry and file store,
// and (in the Windows build) the real registry. Where they differ, the
// Windows behaviour is the one to keep.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "RegistryConformance.h"
#include "platform/Registry.h"
#include "platform/WinTypes.h"

void ReportKnownWineDifference(const char* pszWhat) {
  std::printf("[ KNOWN WINE DIFFERENCE ] %s\n", pszWhat);
  ::testing::Test::RecordProperty("known_wine_difference", pszWhat);
}

namespace {
class RegistryConformance : public ::testing::TestWithParam<CRegistryFactory> {
 protected:
  void SetUp() override {
    m_subject = GetParam().pfnCreate();
    ASSERT_NE(nullptr, m_subject->Scratch());
  }
  void TearDown() override {
    for (HKEY hKey : m_open) Reg().RegCloseKey(hKey);
  }

  IRegistry& Reg() { return m_subject->Registry(); }
  HKEY Scratch() { return m_subject->Scratch(); }

  // Creates (or opens) a key below the scratch key; closed at tear-down.
  HKEY Create(const char* pszPath, DWORD* pdwDisposition = nullptr) {
    HKEY hKey = nullptr;
    EXPECT_EQ(ERROR_SUCCESS,
              Reg().RegCreateKeyExA(Scratch(), pszPath, &hKey, pdwDisposition))
        << pszPath;
    if (hKey) m_open.push_back(hKey);
    return hKey;
  }
  LONG Open(const char* pszPath, HKEY* phKey) {
    *phKey = nullptr;
    const LONG lResult = Reg().RegOpenKeyExA(Scratch(), pszPath, phKey);
    if (lResult == ERROR_SUCCESS) m_open.push_back(*phKey);
    return lResult;
  }
  LONG SetString(HKEY hKey, const char* pszName, const std::string& strText) {
    return Reg().RegSetValueExA(hKey, pszName, REG_SZ,
                                reinterpret_cast<const BYTE*>(strText.c_str()),
                                static_cast<DWORD>(strText.size() + 1));
  }
  LONG SetDword(HKEY hKey, const char* pszName, DWORD dwValue) {
    return Reg().RegSetValueExA(hKey, pszName, REG_DWORD,
                                reinterpret_cast<const BYTE*>(&dwValue), 4);
  }
  // The data of a value, or an empty vector with the failure in *plResult.
  std::vector<BYTE> Query(HKEY hKey, const char* pszName, DWORD* pdwType,
                          LONG* plResult) {
    DWORD cbData = 0;
    *plResult =
        Reg().RegQueryValueExA(hKey, pszName, pdwType, nullptr, &cbData);
    if (*plResult != ERROR_SUCCESS) return {};
    std::vector<BYTE> data(cbData + 1);
    *plResult =
        Reg().RegQueryValueExA(hKey, pszName, pdwType, data.data(), &cbData);
    data.resize(cbData);
    return data;
  }
  DWORD SubkeyCount(HKEY hKey) {
    DWORD nSubkeys = 12345;
    EXPECT_EQ(ERROR_SUCCESS, Reg().RegQueryInfoKeyA(hKey, nullptr, nullptr,
                                                    &nSubkeys, nullptr));
    return nSubkeys;
  }
  std::string EnumKey(HKEY hKey, DWORD dwIndex, LONG* plResult) {
    char szName[300];
    DWORD cchName = sizeof szName;
    *plResult = Reg().RegEnumKeyExA(hKey, dwIndex, szName, &cchName);
    return *plResult == ERROR_SUCCESS ? std::string(szName, cchName) : "";
  }

  std::unique_ptr<CRegistryUnderTest> m_subject;
  std::vector<HKEY> m_open;
};

TEST_P(RegistryConformance, CreateMakesEveryMissingKeyOnThePath) {
  DWORD dwDisposition = 0;
  Create("a\\b\\c", &dwDisposition);
  EXPECT_EQ(static_cast<DWORD>(REG_CREATED_NEW_KEY), dwDisposition);
  HKEY hMiddle = nullptr;
  EXPECT_EQ(ERROR_SUCCESS, Open("a\\b", &hMiddle));
  EXPECT_EQ(1u, SubkeyCount(hMiddle));
  Create("a\\b\\c", &dwDisposition);
  EXPECT_EQ(static_cast<DWORD>(REG_OPENED_EXISTING_KEY), dwDisposition);
  Create("A\\B", &dwDisposition);  // names match without regard to case
  EXPECT_EQ(static_cast<DWORD>(REG_OPENED_EXISTING_KEY), dwDisposition);
}

TEST_P(RegistryConformance, OpenFailsWhenAnyKeyOnThePathIsMissing) {
  Create("present\\child");
  HKEY hKey = nullptr;
  const char* kMissing[] = {"absent", "absent\\child", "present\\absent",
                            "present\\absent\\child", "present\\child\\absent"};
  for (const char* pszPath : kMissing) {
    SCOPED_TRACE(pszPath);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, Open(pszPath, &hKey));
  }
  // Opening did not create anything on the way.
  HKEY hPresent = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, Open("present", &hPresent));
  EXPECT_EQ(1u, SubkeyCount(hPresent));
}

TEST_P(RegistryConformance, TrailingBackslashNamesTheSameKey) {
  HKEY hKey = Create("trail\\key\\");
  ASSERT_EQ(ERROR_SUCCESS, SetDword(hKey, "v", 7));
  HKEY hAgain = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, Open("trail\\key", &hAgain));
  LONG lResult = 0;
  DWORD dwType = 0;
  EXPECT_EQ(4u, Query(hAgain, "v", &dwType, &lResult).size());
  EXPECT_EQ(ERROR_SUCCESS, Open("trail\\key\\", &hAgain));
}

TEST_P(RegistryConformance, EmptyPathOpensTheKeyItself) {
  HKEY hKey = Create("self");
  HKEY hSame = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, Reg().RegOpenKeyExA(hKey, "", &hSame));
  m_open.push_back(hSame);
  ASSERT_EQ(ERROR_SUCCESS, SetString(hSame, "through", "other handle"));
  LONG lResult = 0;
  DWORD dwType = 0;
  Query(hKey, "through", &dwType, &lResult);
  EXPECT_EQ(ERROR_SUCCESS, lResult);
}

TEST_P(RegistryConformance, QueryWithoutBufferGivesTypeAndSize) {
  HKEY hKey = Create("query");
  ASSERT_EQ(ERROR_SUCCESS, SetString(hKey, "text", "hello"));
  DWORD dwType = 0;
  DWORD cbData = 0;
  ASSERT_EQ(ERROR_SUCCESS,
            Reg().RegQueryValueExA(hKey, "text", &dwType, nullptr, &cbData));
  EXPECT_EQ(static_cast<DWORD>(REG_SZ), dwType);
  EXPECT_EQ(6u, cbData);
  EXPECT_EQ(ERROR_FILE_NOT_FOUND,
            Reg().RegQueryValueExA(hKey, "none", &dwType, nullptr, &cbData));
}

TEST_P(RegistryConformance, SmallBufferFailsWithMoreDataNeverTruncates) {
  HKEY hKey = Create("more");
  const BYTE kBytes[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  ASSERT_EQ(ERROR_SUCCESS,
            Reg().RegSetValueExA(hKey, "bin", REG_BINARY, kBytes, 12));
  BYTE buffer[8] = {0};
  DWORD cbData = sizeof buffer;
  DWORD dwType = 0;
  EXPECT_EQ(ERROR_MORE_DATA,
            Reg().RegQueryValueExA(hKey, "bin", &dwType, buffer, &cbData));
  EXPECT_EQ(12u, cbData);
  BYTE exact[12] = {0};
  cbData = sizeof exact;
  ASSERT_EQ(ERROR_SUCCESS,
            Reg().RegQueryValueExA(hKey, "bin", &dwType, exact, &cbData));
  EXPECT_EQ(0, std::memcmp(kBytes, exact, 12));
  EXPECT_EQ(static_cast<DWORD>(REG_BINARY), dwType);
}

TEST_P(RegistryConformance, SetReplacesTypeAndBytes) {
  HKEY hKey = Create("replace");
  ASSERT_EQ(ERROR_SUCCESS, SetString(hKey, "v", "a much longer text"));
  ASSERT_EQ(ERROR_SUCCESS, SetDword(hKey, "V", 0x12345678));
  LONG lResult = 0;
  DWORD dwType = 0;
  const std::vector<BYTE> data = Query(hKey, "v", &dwType, &lResult);
  ASSERT_EQ(ERROR_SUCCESS, lResult);
  EXPECT_EQ(static_cast<DWORD>(REG_DWORD), dwType);
  EXPECT_EQ((std::vector<BYTE>{0x78, 0x56, 0x34, 0x12}), data);
  DWORD nValues = 0;
  ASSERT_EQ(ERROR_SUCCESS,
            Reg().RegQueryInfoKeyA(hKey, nullptr, nullptr, nullptr, &nValues));
  EXPECT_EQ(1u, nValues);
}

TEST_P(RegistryConformance, EmptyAndDefaultValues) {
  HKEY hKey = Create("empty");
  ASSERT_EQ(ERROR_SUCCESS,
            Reg().RegSetValueExA(hKey, "nothing", REG_BINARY, nullptr, 0));
  ASSERT_EQ(ERROR_SUCCESS, SetString(hKey, "", "default text"));
  LONG lResult = 0;
  DWORD dwType = 0;
  EXPECT_TRUE(Query(hKey, "nothing", &dwType, &lResult).empty());
  EXPECT_EQ(ERROR_SUCCESS, lResult);
  EXPECT_EQ(static_cast<DWORD>(REG_BINARY), dwType);
  // The default value answers to an empty name and to a null one.
  EXPECT_EQ(13u, Query(hKey, nullptr, &dwType, &lResult).size());
  EXPECT_EQ(ERROR_SUCCESS, lResult);
  EXPECT_EQ(ERROR_SUCCESS, SetString(hKey, "", ""));
  EXPECT_EQ(1u, Query(hKey, "", &dwType, &lResult).size());
  EXPECT_EQ(ERROR_SUCCESS, Reg().RegDeleteValueA(hKey, nullptr));
  Query(hKey, "", &dwType, &lResult);
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, lResult);
}

TEST_P(RegistryConformance, NamesMatchWithoutCaseAndKeepTheirCase) {
  HKEY hKey = Create("Case\\MixedName");
  ASSERT_EQ(ERROR_SUCCESS, SetDword(hKey, "ValueName", 1));
  HKEY hLower = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, Open("case\\mixedname", &hLower));
  LONG lResult = 0;
  DWORD dwType = 0;
  Query(hLower, "VALUENAME", &dwType, &lResult);
  EXPECT_EQ(ERROR_SUCCESS, lResult);
  HKEY hParent = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, Open("CASE", &hParent));
  EXPECT_EQ("MixedName", EnumKey(hParent, 0, &lResult));
  char szName[32];
  DWORD cchName = sizeof szName;
  ASSERT_EQ(ERROR_SUCCESS, Reg().RegEnumValueA(hLower, 0, szName, &cchName,
                                               nullptr, nullptr, nullptr));
  EXPECT_EQ("ValueName", std::string(szName, cchName));
}

TEST_P(RegistryConformance, SubkeysEnumerateSortedAndEndWithNoMoreItems) {
  const char* kNames[] = {"delta", "Bravo", "alpha", "Charlie"};
  for (const char* pszName : kNames)
    Create((std::string("list\\") + pszName).c_str());
  HKEY hList = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, Open("list", &hList));
  EXPECT_EQ(4u, SubkeyCount(hList));
  const char* kSorted[] = {"alpha", "Bravo", "Charlie", "delta"};
  LONG lResult = 0;
  for (DWORD i = 0; i < 4; ++i) {
    EXPECT_EQ(kSorted[i], EnumKey(hList, i, &lResult));
    EXPECT_EQ(ERROR_SUCCESS, lResult);
  }
  EnumKey(hList, 4, &lResult);
  EXPECT_EQ(ERROR_NO_MORE_ITEMS, lResult);
  EnumKey(hList, 1000, &lResult);
  EXPECT_EQ(ERROR_NO_MORE_ITEMS, lResult);
}

TEST_P(RegistryConformance, EnumNameThatDoesNotFitFailsWithMoreData) {
  Create("fit\\seven77");
  HKEY hKey = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, Open("fit", &hKey));
  char szName[16];
  DWORD cchName = 7;  // the name, but no room for its zero
  EXPECT_EQ(ERROR_MORE_DATA, Reg().RegEnumKeyExA(hKey, 0, szName, &cchName));
  cchName = 8;
  ASSERT_EQ(ERROR_SUCCESS, Reg().RegEnumKeyExA(hKey, 0, szName, &cchName));
  EXPECT_EQ(7u, cchName);
  EXPECT_STREQ("seven77", szName);
}

TEST_P(RegistryConformance, DeleteKeyRefusesAKeyWithSubkeys) {
  Create("tree\\child\\grandchild");
  EXPECT_EQ(ERROR_ACCESS_DENIED, Reg().RegDeleteKeyA(Scratch(), "tree\\child"));
  EXPECT_EQ(ERROR_SUCCESS,
            Reg().RegDeleteKeyA(Scratch(), "tree\\child\\grandchild"));
  EXPECT_EQ(ERROR_SUCCESS, Reg().RegDeleteKeyA(Scratch(), "TREE\\CHILD"));
  HKEY hKey = nullptr;
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, Open("tree\\child", &hKey));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND,
            Reg().RegDeleteKeyA(Scratch(), "tree\\child"));
  ASSERT_EQ(ERROR_SUCCESS, Open("tree", &hKey));
  EXPECT_EQ(0u, SubkeyCount(hKey));
}

TEST_P(RegistryConformance, HandleOfADeletedKeyAnswersKeyDeleted) {
  HKEY hKey = Create("doomed");
  ASSERT_EQ(ERROR_SUCCESS, SetDword(hKey, "v", 1));
  ASSERT_EQ(ERROR_SUCCESS, Reg().RegDeleteKeyA(Scratch(), "doomed"));
  DWORD cbData = 0;
  EXPECT_EQ(ERROR_KEY_DELETED,
            Reg().RegQueryValueExA(hKey, "v", nullptr, nullptr, &cbData));
  EXPECT_EQ(ERROR_KEY_DELETED, SetDword(hKey, "w", 2));
  HKEY hChild = nullptr;
  EXPECT_EQ(ERROR_KEY_DELETED,
            Reg().RegCreateKeyExA(hKey, "child", &hChild, nullptr));
  // A new key of the same name is another key: the old handle stays dead.
  Create("doomed");
  EXPECT_EQ(ERROR_KEY_DELETED,
            Reg().RegQueryValueExA(hKey, "v", nullptr, nullptr, &cbData));
}

TEST_P(RegistryConformance, DeleteValueFailsWhenMissing) {
  HKEY hKey = Create("values");
  ASSERT_EQ(ERROR_SUCCESS, SetDword(hKey, "v", 1));
  EXPECT_EQ(ERROR_SUCCESS, Reg().RegDeleteValueA(hKey, "V"));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, Reg().RegDeleteValueA(hKey, "v"));
  DWORD nValues = 9;
  ASSERT_EQ(ERROR_SUCCESS,
            Reg().RegQueryInfoKeyA(hKey, nullptr, nullptr, nullptr, &nValues));
  EXPECT_EQ(0u, nValues);
}

TEST_P(RegistryConformance, EveryTypeKeepsItsBytes) {
  HKEY hKey = Create("types");
  const std::vector<BYTE> kMulti = {'a', 0, 'b', 'c', 0, 0};
  const std::vector<BYTE> kQword = {1, 2, 3, 4, 5, 6, 7, 8};
  const std::vector<BYTE> kLarge(100000, 0xA5);
  const struct {
    const char* pszName;
    DWORD dwType;
    std::vector<BYTE> data;
  } kCases[] = {
      {"multi", REG_MULTI_SZ, kMulti},
      {"qword", REG_QWORD, kQword},
      {"none", REG_NONE, {0xFF, 0x00}},
      {"large", REG_BINARY, kLarge},
      {"expand", REG_EXPAND_SZ, {'%', 'P', '%', 0}},
  };
  for (const auto& c : kCases)
    ASSERT_EQ(ERROR_SUCCESS,
              Reg().RegSetValueExA(hKey, c.pszName, c.dwType, c.data.data(),
                                   static_cast<DWORD>(c.data.size())));
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.pszName);
    LONG lResult = 0;
    DWORD dwType = 0;
    EXPECT_EQ(c.data, Query(hKey, c.pszName, &dwType, &lResult));
    EXPECT_EQ(c.dwType, dwType);
  }
}

TEST_P(RegistryConformance, KeyNamesUpTo255Characters) {
  const std::string strLongest(255, 'k');
  HKEY hKey = nullptr;
  EXPECT_EQ(ERROR_SUCCESS, Reg().RegCreateKeyExA(Scratch(), strLongest.c_str(),
                                                 &hKey, nullptr));
  if (hKey) m_open.push_back(hKey);
  // Windows' limit is 255 characters; 256 are refused.
  const std::string strTooLong(256, 'k');
  hKey = nullptr;
  const LONG lTooLong =
      Reg().RegCreateKeyExA(Scratch(), strTooLong.c_str(), &hKey, nullptr);
  if (hKey) m_open.push_back(hKey);
  if (m_subject->IsWine()) {
    ReportKnownWineDifference("a key name of 256 characters is accepted");
    EXPECT_EQ(ERROR_SUCCESS, lTooLong);
  } else {
    EXPECT_NE(ERROR_SUCCESS, lTooLong);
  }
  // One more is too long for every registry, Wine's included.
  const std::string strFarTooLong(257, 'k');
  hKey = nullptr;
  EXPECT_NE(
      ERROR_SUCCESS,
      Reg().RegCreateKeyExA(Scratch(), strFarTooLong.c_str(), &hKey, nullptr));
  if (hKey) m_open.push_back(hKey);
}

TEST_P(RegistryConformance, FlushSucceedsOnAnOpenKey) {
  HKEY hKey = Create("flushed");
  ASSERT_EQ(ERROR_SUCCESS, SetDword(hKey, "v", 3));
  EXPECT_EQ(ERROR_SUCCESS, Reg().RegFlushKey(hKey));
  EXPECT_EQ(ERROR_SUCCESS, Reg().RegFlushKey(hKey));  // nothing left to write
}

INSTANTIATE_TEST_SUITE_P(
    Registries, RegistryConformance, ::testing::ValuesIn(RegistryFactories()),
    [](const ::testing::TestParamInfo<CRegistryFactory>& info) {
      return std::string(info.param.pszName);
    });
}  // namespace
