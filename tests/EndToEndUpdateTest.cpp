// The silent update run as a process on a fresh machine directory, its
// result read back through the store the way the next run would read it.
#include <gtest/gtest.h>

#include "platform/host/store/FileRegistry.h"
#include "support/ProcessRunner.h"
#include "sys/RegistryOps.h"
#include "update/CardTable.h"

namespace {
CProcessResult RunUpdate(const CTempDir& machine, const CTempDir& work) {
  CProcessOptions options;
  options.strWorkingDirectory = work.Path();
  options.env = {{"QUORREL_MACHINE", machine.Path()},
                 {"QUORREL_ADMIN", "1"},
                 {"QUORREL_ANSWERS", ""}};
  return RunProcess({QuorrelExe(), "-s", "update"}, options);
}

// Reads every card value back from the machine's store files.
size_t CountCardValues(const std::string& strMachine) {
  CFileRegistry registry;
  std::string strError;
  EXPECT_EQ(ERROR_SUCCESS, registry.Open(strMachine + "/registry", &strError))
      << strError;
  size_t nFound = 0;
  for (const CardEntry& entry : CardEntries()) {
    HKEY hKey = nullptr;
    if (registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE,
                               CardEntryKeyPath(entry).c_str(),
                               &hKey) != ERROR_SUCCESS)
      continue;
    for (const CardValue& value : entry.values) {
      BYTE data[64];
      DWORD cbData = sizeof(data), dwType = 0;
      if (registry.RegQueryValueExA(hKey, value.name, &dwType, data, &cbData) !=
              ERROR_SUCCESS ||
          dwType != value.type)
        continue;
      const bool bSame =
          value.type == REG_DWORD
              ? cbData == 4 && data[0] == value.number && data[1] == 0
              : std::string(reinterpret_cast<char*>(data), cbData) ==
                    std::string(value.text) + '\0';
      if (bSame) ++nFound;
    }
    registry.RegCloseKey(hKey);
  }
  registry.Close(&strError);
  return nFound;
}

TEST(EndToEndUpdateTest, WritesTheLogAndEveryCardValueDurably) {
  CTempDir machine, work;
  const CProcessResult result = RunUpdate(machine, work);
  EXPECT_EQ(0, result.nExitStatus) << result.strStderr;
  EXPECT_EQ("Update=1\r\n", ReadWholeFile(work.Path() + "/quorrel.log"));
  EXPECT_EQ(93u, CountCardValues(machine.Path()));

  // A second run leaves the same values.
  RunUpdate(machine, work);
  EXPECT_EQ("Update=1\r\n", ReadWholeFile(work.Path() + "/quorrel.log"));
  EXPECT_EQ(93u, CountCardValues(machine.Path()));
}

TEST(EndToEndUpdateTest, BrokenStoreFileIsRefusedAndLeftAsItWas) {
  CTempDir machine, work;
  const std::string strBroken =
      "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\System]\r\n\"x\"=dword:zz\r\n";
  ASSERT_EQ(0, system(("mkdir -p '" + machine.Path() + "/registry'").c_str()));
  const std::string strFile =
      machine.Path() + "/registry/HKEY_LOCAL_MACHINE.reg";
  ASSERT_TRUE(WriteWholeFile(strFile, strBroken));
  const CProcessResult result = RunUpdate(machine, work);
  EXPECT_EQ(1, result.nExitStatus);
  EXPECT_NE(std::string::npos, result.strStderr.find("HKEY_LOCAL_MACHINE.reg"));
  EXPECT_EQ(strBroken, ReadWholeFile(strFile));
  EXPECT_FALSE(PathExists(work.Path() + "/quorrel.log"));
}
}  // namespace
