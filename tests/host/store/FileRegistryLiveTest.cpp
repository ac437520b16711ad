// Several programs on one store: each sees the others' changes at its next
// call, holds the store only during a call, never waits past the bound, and
// only the last one to leave writes the files.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/host/store/FileRegistry.h"
#include "support/StoreTestUtil.h"

namespace {
const char kKey[] = "Software\\Corvane\\Live";

class FileRegistryLive : public ::testing::Test {
 protected:
  void SetUp() override { setenv("QUORREL_STORE_WAIT_MS", "200", 1); }
  void TearDown() override { unsetenv("QUORREL_STORE_WAIT_MS"); }
  void OpenBoth() {
    std::string strError;
    ASSERT_EQ(ERROR_SUCCESS, m_first.Open(m_dir.Path(), &strError));
    ASSERT_EQ(ERROR_SUCCESS, m_second.Open(m_dir.Path(), &strError));
  }
  // A program that holds the store and hangs there.
  int HoldLock(const char* pszHolder) {
    const int fd = open(InDir(m_dir, CFileRegistry::kLockName).c_str(),
                        O_RDWR | O_CREAT, 0644);
    EXPECT_EQ(0, flock(fd, LOCK_EX));
    EXPECT_EQ(0, ftruncate(fd, 0));
    EXPECT_GT(pwrite(fd, pszHolder, strlen(pszHolder), 0), 0);
    return fd;
  }

  CTempDir m_dir;
  CFileRegistry m_first;
  CFileRegistry m_second;
};

TEST_F(FileRegistryLive, EachSeesTheOthersChangesAndTheLastOneWritesTheFiles) {
  OpenBoth();
  ASSERT_TRUE(PutString(m_first, HKEY_LOCAL_MACHINE, kKey, "a", "first"));
  DWORD dwType = 0;
  std::vector<BYTE> data;
  ASSERT_TRUE(
      GetValue(m_second, HKEY_LOCAL_MACHINE, kKey, "a", &dwType, &data));
  EXPECT_EQ(SzBytes("first"), data);

  // A handle of one program on a key the other deletes reads as deleted.
  HKEY hKey = nullptr;
  ASSERT_EQ(ERROR_SUCCESS,
            m_first.RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, &hKey));
  ASSERT_EQ(ERROR_SUCCESS, m_second.RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey));
  EXPECT_EQ(ERROR_KEY_DELETED,
            m_first.RegQueryValueExA(hKey, "a", &dwType, nullptr, nullptr));
  m_first.RegCloseKey(hKey);
  ASSERT_TRUE(PutString(m_second, HKEY_USERS, ".DEFAULT\\X", "b", "second"));

  std::string strError;
  ASSERT_EQ(ERROR_SUCCESS, m_first.Close(&strError));
  EXPECT_FALSE(PathExists(InDir(m_dir, "HKEY_USERS.reg")));
  EXPECT_TRUE(PathExists(InDir(m_dir, CFileRegistry::kJournalName)));
  ASSERT_EQ(ERROR_SUCCESS, m_second.Close(&strError));
  EXPECT_FALSE(PathExists(InDir(m_dir, CFileRegistry::kJournalName)));
  EXPECT_NE(std::string::npos,
            ReadWholeFile(InDir(m_dir, "HKEY_USERS.reg")).find("second"));
}

TEST_F(FileRegistryLive, FilesRewrittenMeanwhileAreReadAgainUnderOpenHandles) {
  std::string strError;
  ASSERT_TRUE(WriteWholeFile(InDir(m_dir, "HKEY_LOCAL_MACHINE.reg"),
                             "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\"
                             "Corvane\\Live]\r\n\"a\"=\"old\"\r\n"));
  ASSERT_EQ(ERROR_SUCCESS, m_first.Open(m_dir.Path(), &strError));
  HKEY hKey = nullptr;
  ASSERT_EQ(ERROR_SUCCESS,
            m_first.RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, &hKey));
  ASSERT_TRUE(WriteWholeFile(InDir(m_dir, "HKEY_LOCAL_MACHINE.reg"),
                             "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\"
                             "Corvane\\Live]\r\n\"a\"=\"newer\"\r\n"));
  BYTE data[16] = {};
  DWORD cbData = sizeof data;
  ASSERT_EQ(ERROR_SUCCESS,
            m_first.RegQueryValueExA(hKey, "a", nullptr, data, &cbData));
  EXPECT_STREQ("newer", reinterpret_cast<char*>(data));
  m_first.RegCloseKey(hKey);
}

TEST_F(FileRegistryLive, BusyPastTheBoundFailsNamingTheHolder) {
  OpenBoth();
  std::string strNotice;
  m_first.SetTroubleNotice([&](const std::string& s) { strNotice = s; });
  const int fd = HoldLock("4242 hangingprog");
  EXPECT_EQ(ERROR_SHARING_VIOLATION, m_first.RegFlushKey(HKEY_LOCAL_MACHINE));
  EXPECT_NE(std::string::npos, strNotice.find("hangingprog (process 4242)"))
      << strNotice;
  EXPECT_NE(std::string::npos, strNotice.find("error 32")) << strNotice;
  CFileRegistry third;
  std::string strError;
  EXPECT_EQ(ERROR_SHARING_VIOLATION, third.Open(m_dir.Path(), 0, &strError));
  close(fd);
  // Free again: calls work, without waiting once more first.
  EXPECT_TRUE(PutString(m_first, HKEY_LOCAL_MACHINE, kKey, "a", "x"));
}

TEST_F(FileRegistryLive, OpenedAtFirstUseWhenBusyAtStart) {
  const int fd = HoldLock("1 starter");
  CFileRegistry store;
  std::string strError;
  ASSERT_EQ(ERROR_SHARING_VIOLATION, store.Open(m_dir.Path(), 0, &strError));
  store.OpenAtFirstUse(m_dir.Path());
  close(fd);
  EXPECT_TRUE(PutString(store, HKEY_LOCAL_MACHINE, kKey, "a", "y"));
  EXPECT_TRUE(store.IsOpen());
}
}  // namespace
