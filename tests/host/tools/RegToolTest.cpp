// quorrel-reg run as a process on a machine directory of its own.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/ProcessRunner.h"
#include "support/StoreTestUtil.h"

namespace {
class RegToolTest : public ::testing::Test {
 protected:
  CProcessResult Run(const std::vector<std::string>& args,
                     std::map<std::string, std::string> env = {}) {
    std::vector<std::string> argv = {QUORREL_REG_EXE};
    argv.insert(argv.end(), args.begin(), args.end());
    CProcessOptions options;
    options.env = std::move(env);
    options.env["QUORREL_MACHINE"] = m_machine.Path();
    return RunProcess(argv, options);
  }
  std::string Import(const std::string& strText) {
    const std::string strPath = InDir(m_files, "in.reg");
    WriteWholeFile(strPath, strText);
    return strPath;
  }

  CTempDir m_machine;
  CTempDir m_files;
};

TEST_F(RegToolTest, ImportThenDumpGivesTheSubtreeBack) {
  const std::string strFile = Import(
      "REGEDIT4\r\n\r\n"
      "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Dovrel\\"
      "DataBase\\Card]\r\n"
      "\"Driver\"=\"dovrel\"\r\n\"Class\"=dword:00000003\r\n"
      "\"Id\"=hex:01,02\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\Other]\r\n\"x\"=\"y\"\r\n");
  ASSERT_EQ(0, Run({"import", strFile}).nExitStatus);
  const CProcessResult dump =
      Run({"dump",
           "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Dovrel"});
  ASSERT_EQ(0, dump.nExitStatus) << dump.strStderr;
  EXPECT_EQ(
      "REGEDIT4\n\n"
      "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Dovrel]\n\n"
      "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Dovrel\\"
      "DataBase]\n\n"
      "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Dovrel\\"
      "DataBase\\Card]\n"
      "\"Driver\"=\"dovrel\"\n\"Class\"=dword:00000003\n\"Id\"=hex:01,02\n\n",
      dump.strStdout);
  // The store holds the control set, never the link.
  const std::string strStore =
      ReadWholeFile(m_machine.Path() + "/registry/HKEY_LOCAL_MACHINE.reg");
  EXPECT_NE(std::string::npos, strStore.find("\\ControlSet001\\Services"));
  EXPECT_EQ(std::string::npos, strStore.find("CurrentControlSet"));
}

TEST_F(RegToolTest, QueryAndDelete) {
  ASSERT_EQ(0, Run({"import", Import("REGEDIT4\n[HKEY_USERS\\.DEFAULT\\A\\B]\n"
                                     "\"v\"=dword:00000010\n@=\"d\"\n")})
                   .nExitStatus);
  CProcessResult query = Run({"query", "HKU\\.default\\a\\b", "V"});
  EXPECT_EQ(0, query.nExitStatus);
  EXPECT_EQ("\"V\"=dword:00000010\n", query.strStdout);
  query = Run({"query", "HKEY_USERS\\.DEFAULT\\A"});
  EXPECT_EQ("[HKEY_USERS\\.DEFAULT\\A]\n\n[HKEY_USERS\\.DEFAULT\\A\\B]\n",
            query.strStdout);
  EXPECT_EQ(1, Run({"query", "HKU\\.DEFAULT\\A\\B", "missing"}).nExitStatus);
  EXPECT_EQ(0, Run({"delete", "HKU\\.DEFAULT\\A\\B", "v"}).nExitStatus);
  EXPECT_EQ(1, Run({"query", "HKU\\.DEFAULT\\A\\B", "v"}).nExitStatus);
  EXPECT_EQ(0, Run({"delete", "HKU\\.DEFAULT\\A"}).nExitStatus);
  EXPECT_EQ(1, Run({"query", "HKU\\.DEFAULT\\A"}).nExitStatus);
  EXPECT_EQ(1, Run({"delete", "HKU\\.DEFAULT\\A"}).nExitStatus);
}

TEST_F(RegToolTest, ImportDeletesWhatTheFileSaysToDelete) {
  ASSERT_EQ(0, Run({"import", Import("REGEDIT4\n[HKEY_CURRENT_USER\\A\\B\\C]\n"
                                     "[HKEY_CURRENT_USER\\K]\n\"a\"=\"1\"\n"
                                     "\"b\"=\"2\"\n")})
                   .nExitStatus);
  ASSERT_EQ(0, Run({"import", Import("REGEDIT4\n[-HKEY_CURRENT_USER\\A]\n"
                                     "[-HKEY_CURRENT_USER\\Absent]\n"
                                     "[HKEY_CURRENT_USER\\K]\n\"a\"=-\n")})
                   .nExitStatus);
  EXPECT_EQ(1, Run({"query", "HKCU\\A"}).nExitStatus);
  EXPECT_EQ(1, Run({"query", "HKCU\\K", "a"}).nExitStatus);
  EXPECT_EQ(0, Run({"query", "HKCU\\K", "b"}).nExitStatus);
}

TEST_F(RegToolTest, UsageAndFailuresHaveTheirExitCodes) {
  EXPECT_EQ(2, Run({}).nExitStatus);
  EXPECT_EQ(2, Run({"frobnicate", "HKLM"}).nExitStatus);
  EXPECT_EQ(2, Run({"dump"}).nExitStatus);
  EXPECT_EQ(2, Run({"dump", "HKEY_NOWHERE\\A"}).nExitStatus);
  EXPECT_EQ(2, Run({"delete", "HKLM"}).nExitStatus);
  EXPECT_EQ(1, Run({"dump", "HKLM\\Missing"}).nExitStatus);
  EXPECT_EQ(1, Run({"import", InDir(m_files, "none.reg")}).nExitStatus);
  const CProcessResult bad = Run({"import", Import("REGEDIT4\nnonsense\n")});
  EXPECT_EQ(1, bad.nExitStatus);
  EXPECT_NE(std::string::npos, bad.strStderr.find("in.reg: line 2"));
  // A broken store is refused and left as it is.
  const std::string strStore =
      m_machine.Path() + "/registry/HKEY_CURRENT_USER.reg";
  ASSERT_EQ(0, Run({"import", Import("REGEDIT4\n[HKEY_CURRENT_USER\\A]\n")})
                   .nExitStatus);
  WriteWholeFile(strStore, "REGEDIT4\n[HKEY_CURRENT_USER\\A\n");
  const CProcessResult refused = Run({"query", "HKCU\\A"});
  EXPECT_EQ(1, refused.nExitStatus);
  EXPECT_NE(std::string::npos,
            refused.strStderr.find("HKEY_CURRENT_USER.reg: line 2"));
  EXPECT_EQ("REGEDIT4\n[HKEY_CURRENT_USER\\A\n", ReadWholeFile(strStore));
}
TEST_F(RegToolTest, ImportBeyondTheRegistrysLimitsFailsAndTheStoreStillOpens) {
  std::string strKey = "HKEY_CURRENT_USER";
  for (int i = 0; i < 600; ++i) strKey += "\\d";
  const CProcessResult deep =
      Run({"import", Import("REGEDIT4\n[" + strKey + "]\n\"v\"=\"1\"\n")});
  EXPECT_EQ(1, deep.nExitStatus);
  EXPECT_NE(std::string::npos, deep.strStderr.find("in.reg: line 2: "))
      << deep.strStderr;
  EXPECT_NE(std::string::npos, deep.strStderr.find("error 87"));
  const CProcessResult after = Run({"query", "HKCU"});
  EXPECT_EQ(0, after.nExitStatus) << after.strStderr;
}
// A store another program holds past the wait bound is busy, not empty: the
// tool says so, with its own exit status, for keys that exist.
TEST_F(RegToolTest, ABusyStoreIsToldAsBusyNotAsNoKey) {
  const std::string strFile = Import(
      "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\X]\r\n\"a\"=\"b\"\r\n");
  ASSERT_EQ(0, Run({"import", strFile}).nExitStatus);
  const int fd = open((m_machine.Path() + "/registry/store.lock").c_str(),
                      O_RDWR | O_CREAT, 0644);
  ASSERT_EQ(0, flock(fd, LOCK_EX));
  const CProcessResult busy = Run({"query", "HKEY_LOCAL_MACHINE\\SOFTWARE\\X"},
                                  {{"QUORREL_STORE_WAIT_MS", "100"}});
  close(fd);
  EXPECT_EQ(3, busy.nExitStatus);
  EXPECT_NE(std::string::npos, busy.strStderr.find("busy")) << busy.strStderr;
  EXPECT_EQ(std::string::npos, busy.strStderr.find("no key"));
}
// fold is the way out of a store refused for a file edited under its
// journal: it replays the journal over the file as it is now, and says so.
TEST_F(RegToolTest, FoldWritesTheJournalOverAHandEditedFile) {
  std::string strFile = "REGEDIT4\r\n\r\n";
  for (int i = 0; i < 200; ++i)
    strFile += "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Key" + std::to_string(i) +
               "]\r\n\"Name\"=\"some text\"\r\n\r\n";
  const std::string strStore =
      m_machine.Path() + "/registry/HKEY_LOCAL_MACHINE.reg";
  ASSERT_EQ(0, mkdir((m_machine.Path() + "/registry").c_str(), 0755));
  ASSERT_TRUE(WriteWholeFile(strStore, strFile));
  ASSERT_EQ(0, Run({"delete", "HKLM\\SOFTWARE\\Key7"}).nExitStatus);
  const std::string strJournal = m_machine.Path() + "/registry/store.journal";
  ASSERT_TRUE(PathExists(strJournal));
  WriteWholeFile(strStore, strFile + "[HKEY_LOCAL_MACHINE\\ByHand]\r\n");
  EXPECT_EQ(1, Run({"query", "HKLM\\ByHand"}).nExitStatus);
  const CProcessResult fold = Run({"fold"});
  EXPECT_EQ(0, fold.nExitStatus) << fold.strStderr;
  EXPECT_NE(std::string::npos, fold.strStderr.find("replayed over " + strStore))
      << fold.strStderr;
  EXPECT_FALSE(PathExists(strJournal));
  const std::string strFolded = ReadWholeFile(strStore);
  EXPECT_NE(std::string::npos, strFolded.find("\\ByHand]"));
  EXPECT_EQ(std::string::npos, strFolded.find("\\Key7]"));
  EXPECT_EQ(0, Run({"query", "HKLM\\ByHand"}).nExitStatus);
}
}  // namespace
