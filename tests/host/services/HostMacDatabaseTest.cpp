#include <gtest/gtest.h>

#include "platform/host/services/HostMacDatabase.h"
#include "platform/memory/MemoryRegistry.h"
#include "support/TestPlatform.h"
#include "sys/RegistryOps.h"

namespace {
std::vector<BYTE> Words(const std::vector<DWORD>& words) {
  std::vector<BYTE> bytes;
  for (DWORD dw : words)
    for (int shift = 0; shift < 32; shift += 8)
      bytes.push_back(BYTE(dw >> shift));
  return bytes;
}

// A registry whose writes fail, as a full or read-only store answers.
class CReadOnlyRegistry : public CMemoryRegistry {
 public:
  LONG RegSetValueExA(HKEY, const char*, DWORD, const BYTE*, DWORD) override {
    return ERROR_ACCESS_DENIED;
  }
};

class HostMacDatabaseTest : public ::testing::Test {
 protected:
  void Store(DWORD dwType, const std::vector<BYTE>& bytes) {
    HKEY hKey = nullptr;
    ASSERT_TRUE(CreateRegKey(HKEY_LOCAL_MACHINE, kMacDatabaseKey, &hKey));
    ASSERT_EQ(ERROR_SUCCESS, m_platform.m_registry.RegSetValueExA(
                                 hKey, kMacDatabaseValue, dwType, bytes.data(),
                                 DWORD(bytes.size())));
    m_platform.m_registry.RegCloseKey(hKey);
  }
  std::vector<BYTE> Stored() {
    HKEY hKey = nullptr;
    EXPECT_TRUE(OpenRegKey(HKEY_LOCAL_MACHINE, kMacDatabaseKey, &hKey));
    BYTE buffer[260];
    DWORD dwLength = sizeof(buffer);
    const BOOL bRead =
        QueryRegBinary(hKey, kMacDatabaseValue, buffer, &dwLength);
    m_platform.m_registry.RegCloseKey(hKey);
    return bRead ? std::vector<BYTE>(buffer, buffer + dwLength)
                 : std::vector<BYTE>();
  }

  CTestPlatform m_platform;
};

TEST_F(HostMacDatabaseTest, RecordLayout) {
  EXPECT_EQ(Words({0x4443414D, 2, 0xC8000, 0xD0000,
                   0x4443414D + 2 + 0xC8000 + 0xD0000}),
            MacDatabaseRecord({0xC8000, 0xD0000}));
  const std::vector<BYTE> empty = MacDatabaseRecord({});
  EXPECT_EQ(std::vector<BYTE>({'M', 'A', 'C', 'D', 0, 0, 0, 0}),
            std::vector<BYTE>(empty.begin(), empty.begin() + 8));
}

TEST_F(HostMacDatabaseTest, ChecksAndCorrectsEachKindOfDamage) {
  const DWORD kSig = kMacDatabaseSignature;
  struct {
    const char* pszCase;
    DWORD dwType;
    std::vector<BYTE> stored;
    DWORD dwResult;
    std::vector<DWORD> kept;
  } cases[] = {
      {"sound, empty", REG_BINARY, MacDatabaseRecord({}), 0, {}},
      {"sound, two windows",
       REG_BINARY,
       MacDatabaseRecord({0xC0000, 0xDF000}),
       0,
       {0xC0000, 0xDF000}},
      {"checksum off by one",
       REG_BINARY,
       Words({kSig, 1, 0xD8000, kSig + 1 + 0xD8000 + 1}),
       1,
       {0xD8000}},
      {"count larger than the entries",
       REG_BINARY,
       Words({kSig, 3, 0xD8000, 0xD9000, kSig + 3 + 0xD8000 + 0xD9000}),
       1,
       {0xD8000, 0xD9000}},
      {"unaligned and out-of-range windows dropped",
       REG_BINARY,
       Words({kSig, 3, 0xC8800, 0xE0000, 0xCC000,
              kSig + 3 + 0xC8800 + 0xE0000 + 0xCC000}),
       1,
       {0xCC000}},
      {"duplicate window dropped",
       REG_BINARY,
       Words({kSig, 2, 0xD0000, 0xD0000, kSig + 2 + 0xD0000 * 2}),
       1,
       {0xD0000}},
      {"bad signature: nothing salvaged",
       REG_BINARY,
       Words({0x12345678, 1, 0xD8000, 0x12345678 + 1 + 0xD8000}),
       1,
       {}},
      {"truncated", REG_BINARY, {'M', 'A', 'C'}, 1, {}},
      {"length not a multiple of four",
       REG_BINARY,
       [] {
         std::vector<BYTE> b = MacDatabaseRecord({0xD8000});
         b.push_back(0);
         return b;
       }(),
       1,
       {0xD8000}},
      {"wrong type", REG_DWORD, Words({1}), 1, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszCase);
    Store(c.dwType, c.stored);
    DWORD dwResult = 0xBAD;
    ASSERT_EQ(DWORD(ERROR_SUCCESS),
              RepairMacDatabaseRecord(m_platform.m_registry, &dwResult));
    EXPECT_EQ(c.dwResult, dwResult);
    const std::vector<BYTE> expected =
        c.dwResult == 0 ? c.stored : MacDatabaseRecord(c.kept);
    EXPECT_EQ(expected, Stored());
    // What was corrected is sound now.
    ASSERT_EQ(DWORD(ERROR_SUCCESS),
              RepairMacDatabaseRecord(m_platform.m_registry, &dwResult));
    EXPECT_EQ(0u, dwResult);
  }
}

TEST_F(HostMacDatabaseTest, MissingValueIsRebuiltMissingKeyFails) {
  DWORD dwResult = 0xBAD;
  EXPECT_EQ(DWORD(ERROR_FILE_NOT_FOUND),
            RepairMacDatabaseRecord(m_platform.m_registry, &dwResult));
  EXPECT_EQ(0xBADu, dwResult);
  ASSERT_TRUE(
      WriteRegDword(HKEY_LOCAL_MACHINE, kMacDatabaseKey, "R2Configuration", 2));
  EXPECT_EQ(DWORD(ERROR_SUCCESS),
            RepairMacDatabaseRecord(m_platform.m_registry, &dwResult));
  EXPECT_EQ(1u, dwResult);
  EXPECT_EQ(MacDatabaseRecord({}), Stored());
  EXPECT_EQ(
      2u, ReadRegDword(HKEY_LOCAL_MACHINE, kMacDatabaseKey, "R2Configuration"));
}

TEST_F(HostMacDatabaseTest, LargeValueIsReplacedOthersKept) {
  Store(REG_BINARY, std::vector<BYTE>(5000, 0x41));
  DWORD dwResult = 0;
  ASSERT_EQ(DWORD(ERROR_SUCCESS),
            RepairMacDatabaseRecord(m_platform.m_registry, &dwResult));
  EXPECT_EQ(1u, dwResult);
  EXPECT_EQ(MacDatabaseRecord({}), Stored());
  // At most 32 windows are kept from a damaged record.
  std::vector<DWORD> words = {kMacDatabaseSignature, 40};
  for (DWORD i = 0; i < 32; ++i) words.push_back(0xC0000 + i * 0x1000);
  words.push_back(0xC0000);
  words.push_back(0);
  Store(REG_BINARY, Words(words));
  ASSERT_EQ(DWORD(ERROR_SUCCESS),
            RepairMacDatabaseRecord(m_platform.m_registry, &dwResult));
  EXPECT_EQ(1u, dwResult);
  EXPECT_EQ(size_t(12 + 4 * 32), Stored().size());
}

TEST_F(HostMacDatabaseTest, AFailedWriteFailsTheRepair) {
  CReadOnlyRegistry registry;
  HKEY hKey = nullptr;
  ASSERT_EQ(ERROR_SUCCESS,
            registry.RegCreateKeyExA(HKEY_LOCAL_MACHINE, kMacDatabaseKey, &hKey,
                                     nullptr));
  registry.RegCloseKey(hKey);
  DWORD dwResult = 0xBAD;
  EXPECT_EQ(DWORD(ERROR_ACCESS_DENIED),
            RepairMacDatabaseRecord(registry, &dwResult));
  EXPECT_EQ(0xBADu, dwResult);
  EXPECT_EQ(0u, registry.OpenHandleCount());
}
}  // namespace
