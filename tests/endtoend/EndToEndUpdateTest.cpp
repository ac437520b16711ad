// The silent update run as a process on a fresh machine directory, its
// result read back through the store the way the next run would read it.
#include <gtest/gtest.h>

#include "platform/host/store/FileRegistry.h"
#include "support/CardDatabaseFile.h"
#include "support/ProcessRunner.h"

namespace {
CProcessResult RunUpdate(const CTempDir& machine, const CTempDir& work) {
  CProcessOptions options;
  options.strWorkingDirectory = work.Path();
  options.env = {{"QUORREL_MACHINE", machine.Path()},
                 {"QUORREL_ADMIN", "1"},
                 {"QUORREL_ANSWERS", ""}};
  return RunProcess({QuorrelExe(), "-s", "update"}, options);
}

// Every card value as the machine's store files hold them.
std::vector<std::string> StoredCardDatabase(const std::string& strMachine) {
  CFileRegistry registry;
  std::string strError;
  EXPECT_EQ(ERROR_SUCCESS, registry.Open(strMachine + "/registry", &strError))
      << strError;
  const std::vector<std::string> lines = ListCardDatabase(registry);
  registry.Close(&strError);
  return lines;
}

TEST(EndToEndUpdateTest, WritesTheLogAndEveryCardValueDurably) {
  CTempDir machine, work;
  const CProcessResult result = RunUpdate(machine, work);
  EXPECT_EQ(0, result.nExitStatus) << result.strStderr;
  EXPECT_EQ("Update=1\r\n", ReadWholeFile(work.Path() + "/quorrel.log"));
  const std::vector<std::string> expected = ExpectedCardDatabase();
  ASSERT_EQ(93u, expected.size());
  EXPECT_EQ(std::vector<std::string>(),
            LineDifferences(expected, StoredCardDatabase(machine.Path())));

  // A second run leaves the same values.
  RunUpdate(machine, work);
  EXPECT_EQ("Update=1\r\n", ReadWholeFile(work.Path() + "/quorrel.log"));
  EXPECT_EQ(std::vector<std::string>(),
            LineDifferences(expected, StoredCardDatabase(machine.Path())));
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
