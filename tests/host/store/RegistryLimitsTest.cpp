// The registry's limits of depth, name length and value size hold when a
// key or value is made, so that the store never holds what it would refuse
// to read back; a refused path leaves none of its keys behind.
#include <gtest/gtest.h>

#include "platform/host/store/FileRegistry.h"
#include "support/StoreTestUtil.h"

namespace {
// A path of nLevels keys of one letter each.
std::string DeepPath(size_t nLevels) {
  std::string strPath = "d";
  for (size_t i = 1; i < nLevels; ++i) strPath += "\\d";
  return strPath;
}

TEST(RegistryLimits, BeyondTheLimitsIsInvalidParameterAndCreatesNothing) {
  CMemoryRegistry registry;
  HKEY hKey = nullptr;
  EXPECT_EQ(ERROR_INVALID_PARAMETER,
            registry.RegCreateKeyExA(HKEY_USERS, DeepPath(513).c_str(), &hKey,
                                     nullptr));
  const std::string strLongName = "ok\\" + std::string(256, 'k');
  EXPECT_EQ(ERROR_INVALID_PARAMETER,
            registry.RegCreateKeyExA(HKEY_USERS, strLongName.c_str(), &hKey,
                                     nullptr));
  EXPECT_FALSE(KeyExists(registry, HKEY_USERS, "d"));
  EXPECT_FALSE(KeyExists(registry, HKEY_USERS, "ok"));
  // Depth counts from the root, whatever key the path starts at.
  ASSERT_EQ(ERROR_SUCCESS,
            registry.RegCreateKeyExA(HKEY_USERS, DeepPath(500).c_str(), &hKey,
                                     nullptr));
  HKEY hDeeper = nullptr;
  EXPECT_EQ(
      ERROR_INVALID_PARAMETER,
      registry.RegCreateKeyExA(hKey, DeepPath(13).c_str(), &hDeeper, nullptr));
  EXPECT_EQ(ERROR_SUCCESS, registry.RegCreateKeyExA(hKey, DeepPath(12).c_str(),
                                                    &hDeeper, nullptr));
  const BYTE b = 0;
  EXPECT_EQ(ERROR_INVALID_PARAMETER,
            registry.RegSetValueExA(hKey, std::string(16384, 'v').c_str(),
                                    REG_BINARY, &b, 1));
  std::vector<BYTE> big(CMemoryRegistry::kMaxValueBytes + 1);
  EXPECT_EQ(ERROR_INVALID_PARAMETER,
            registry.RegSetValueExA(hKey, "big", REG_BINARY, big.data(),
                                    static_cast<DWORD>(big.size())));
  DWORD nValues = 1;
  registry.RegQueryInfoKeyA(hKey, nullptr, nullptr, nullptr, &nValues);
  EXPECT_EQ(0u, nValues);
}

TEST(RegistryLimits, WhatTheRegistryAcceptsTheStoreReadsBack) {
  for (const char* pszHeader : {"REGEDIT4\r\n", ""}) {
    SCOPED_TRACE(*pszHeader ? "REGEDIT4" : "version 5, UTF-16");
    CTempDir dir;
    if (!*pszHeader)
      WriteWholeFile(InDir(dir, "HKEY_USERS.reg"),
                     Utf16File("Windows Registry Editor Version 5.00\r\n"));
    const std::string strDeepest = DeepPath(511) + "\\" + std::string(255, 'k');
    const std::string strName(16383, 'v');
    {
      CFileRegistry store;
      std::string strError;
      ASSERT_EQ(ERROR_SUCCESS, store.Open(dir.Path(), &strError)) << strError;
      ASSERT_TRUE(PutString(store, HKEY_USERS, strDeepest, strName, "x"));
      ASSERT_EQ(ERROR_SUCCESS, store.Close(&strError)) << strError;
    }
    CFileRegistry store;
    std::string strError;
    ASSERT_EQ(ERROR_SUCCESS, store.Open(dir.Path(), &strError)) << strError;
    DWORD dwType = 0;
    std::vector<BYTE> data;
    EXPECT_TRUE(
        GetValue(store, HKEY_USERS, strDeepest, strName, &dwType, &data));
  }
}
}  // namespace
