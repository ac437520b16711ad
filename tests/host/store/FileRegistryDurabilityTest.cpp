// What a crash leaves: a run that ends without closing the store (killed,
// at any instant) loses nothing it flushed, and the next open finds files
// that read and a store that works.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <random>

#include "platform/host/store/FileRegistry.h"
#include "support/StoreTestUtil.h"

namespace {
const char kKey[] = "System\\CurrentControlSet\\Services\\Dovrel\\DataBase";

std::vector<BYTE> Dword(DWORD dwValue) {
  return {static_cast<BYTE>(dwValue), static_cast<BYTE>(dwValue >> 8),
          static_cast<BYTE>(dwValue >> 16), static_cast<BYTE>(dwValue >> 24)};
}

DWORD ReadCounter(IRegistry& registry, const std::string& strName) {
  DWORD dwType = 0;
  std::vector<BYTE> data;
  if (!GetValue(registry, HKEY_LOCAL_MACHINE, kKey, strName, &dwType, &data) ||
      data.size() != 4)
    return 0;
  return data[0] | (data[1] << 8) | (data[2] << 16) | (data[3] << 24);
}

// A HKEY_LOCAL_MACHINE.reg of nKeys keys with one value each.
std::string StoreOfKeys(int nKeys) {
  std::string strFile = "REGEDIT4\r\n\r\n";
  for (int i = 0; i < nKeys; ++i)
    strFile += "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Key" + std::to_string(i) +
               "]\r\n\"Name\"=\"some text\"\r\n\r\n";
  return strFile;
}

// Runs fn in a child process that ends with _exit, never closing anything.
template <class F>
void InChild(F fn) {
  const pid_t pid = fork();
  if (pid == 0) {
    fn();
    _exit(0);
  }
  int nStatus = 0;
  waitpid(pid, &nStatus, 0);
  ASSERT_TRUE(WIFEXITED(nStatus));
}

CFileRegistry* OpenStore(const CTempDir& dir) {
  auto* pStore = new CFileRegistry;
  std::string strError;
  if (pStore->Open(dir.Path(), &strError) != ERROR_SUCCESS) {
    ADD_FAILURE() << strError;
  }
  return pStore;
}

TEST(FileRegistryDurability, EveryChangeSurvivesTheProcessFlushedOrNot) {
  CTempDir dir;
  InChild([&] {
    CFileRegistry* pStore = OpenStore(dir);  // never closed: a crash
    for (DWORD i = 1; i <= 10; ++i) {
      PutValue(*pStore, HKEY_LOCAL_MACHINE, kKey, "n" + std::to_string(i),
               REG_DWORD, Dword(i));
      HKEY hKey = nullptr;
      pStore->RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, &hKey);
      pStore->RegFlushKey(hKey);
    }
    PutValue(*pStore, HKEY_LOCAL_MACHINE, kKey, "unflushed", REG_DWORD,
             Dword(1));
  });
  EXPECT_TRUE(PathExists(InDir(dir, CFileRegistry::kJournalName)));
  EXPECT_FALSE(PathExists(InDir(dir, "HKEY_LOCAL_MACHINE.reg")));
  std::unique_ptr<CFileRegistry> store(OpenStore(dir));
  for (DWORD i = 1; i <= 10; ++i)
    EXPECT_EQ(i, ReadCounter(*store, "n" + std::to_string(i)));
  // Not flushed, yet written when made: a process's registry writes
  // outlive it, as on Windows.
  EXPECT_EQ(1u, ReadCounter(*store, "unflushed"));
  // Recovery wrote the files and dropped the journal at once.
  EXPECT_FALSE(PathExists(InDir(dir, CFileRegistry::kJournalName)));
  const std::string strFile =
      ReadWholeFile(InDir(dir, "HKEY_LOCAL_MACHINE.reg"));
  EXPECT_NE(std::string::npos, strFile.find("\"n10\"=dword:0000000a"));
}

TEST(FileRegistryDurability, SmallChangesToALargeStoreStayInTheJournal) {
  CTempDir dir;
  const std::string strFile = StoreOfKeys(2000);
  const std::string strPath = InDir(dir, "HKEY_LOCAL_MACHINE.reg");
  ASSERT_TRUE(WriteWholeFile(strPath, strFile));
  const std::string strJournal = InDir(dir, CFileRegistry::kJournalName);
  std::string strError;
  for (DWORD i = 1; i <= 2; ++i) {
    std::unique_ptr<CFileRegistry> store(OpenStore(dir));
    EXPECT_EQ(i - 1, ReadCounter(*store, "v"));
    PutValue(*store, HKEY_LOCAL_MACHINE, kKey, "v", REG_DWORD, Dword(i));
    EXPECT_EQ(ERROR_SUCCESS, store->Close(&strError)) << strError;
    EXPECT_EQ(strFile, ReadWholeFile(strPath));
    EXPECT_TRUE(PathExists(strJournal));
  }
  // Grown past its bound, the journal is folded into the file, the changes
  // it kept from earlier runs too.
  std::unique_ptr<CFileRegistry> store(OpenStore(dir));
  PutValue(*store, HKEY_LOCAL_MACHINE, kKey, "big", REG_BINARY,
           std::vector<BYTE>(strFile.size() / 8));
  EXPECT_EQ(ERROR_SUCCESS, store->Close(&strError)) << strError;
  EXPECT_FALSE(PathExists(strJournal));
  EXPECT_NE(std::string::npos,
            ReadWholeFile(strPath).find("\"v\"=dword:00000002"));
}

TEST(FileRegistryDurability, FileEditedUnderAKeptJournalIsRefusedAndKept) {
  // Replaying the journal over a hand edit would undo it (a key added below
  // one the journal deletes): the store is refused, both files untouched.
  CTempDir dir;
  const std::string strFile = StoreOfKeys(200);
  const std::string strPath = InDir(dir, "HKEY_LOCAL_MACHINE.reg");
  ASSERT_TRUE(WriteWholeFile(strPath, strFile));
  const std::string strJournal = InDir(dir, CFileRegistry::kJournalName);
  std::string strError;
  for (int nRun = 0; nRun < 2; ++nRun) {
    std::unique_ptr<CFileRegistry> store(OpenStore(dir));
    EXPECT_EQ(nRun == 0,
              KeyExists(*store, HKEY_LOCAL_MACHINE, "SOFTWARE\\Key7"));
    store->RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Key7");
    EXPECT_EQ(ERROR_SUCCESS, store->Close(&strError)) << strError;
  }
  ASSERT_TRUE(PathExists(strJournal));
  const std::string strEdited =
      strFile + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Key7\\ByHand]\r\n\r\n";
  ASSERT_TRUE(WriteWholeFile(strPath, strEdited));
  const std::string strJournalBytes = ReadWholeFile(strJournal);
  CFileRegistry store;
  EXPECT_EQ(ERROR_BADDB, store.Open(dir.Path(), &strError));
  EXPECT_NE(std::string::npos, strError.find(strPath + " was changed"))
      << strError;
  EXPECT_NE(std::string::npos, strError.find("quorrel-reg fold")) << strError;
  EXPECT_EQ(strEdited, ReadWholeFile(strPath));
  EXPECT_EQ(strJournalBytes, ReadWholeFile(strJournal));
}

TEST(FileRegistryDurability, TornLastRecordIsIgnored) {
  CTempDir dir;
  InChild([&] {
    CFileRegistry* pStore = OpenStore(dir);
    for (DWORD i = 1; i <= 3; ++i) {
      PutValue(*pStore, HKEY_LOCAL_MACHINE, kKey, "v", REG_DWORD, Dword(i));
      pStore->RegFlushKey(HKEY_LOCAL_MACHINE);
    }
  });
  const std::string strJournal = InDir(dir, CFileRegistry::kJournalName);
  const std::string strBytes = ReadWholeFile(strJournal);
  for (size_t nCut : {1, 5, 13, 30}) {
    SCOPED_TRACE(nCut);
    ASSERT_TRUE(
        WriteWholeFile(strJournal, strBytes.substr(0, strBytes.size() - nCut)));
    std::remove(InDir(dir, "HKEY_LOCAL_MACHINE.reg").c_str());
    std::unique_ptr<CFileRegistry> store(OpenStore(dir));
    EXPECT_EQ(2u, ReadCounter(*store, "v"));
  }
}

TEST(FileRegistryDurability,
     JournalDamagedBeforeItsLastRecordIsRefusedAndKept) {
  CTempDir dir;
  InChild([&] {
    CFileRegistry* pStore = OpenStore(dir);
    for (DWORD i = 1; i <= 3; ++i)
      PutValue(*pStore, HKEY_LOCAL_MACHINE, kKey, "v" + std::to_string(i),
               REG_DWORD, Dword(i));
  });
  const std::string strJournal = InDir(dir, CFileRegistry::kJournalName);
  std::string strBytes = ReadWholeFile(strJournal);
  const size_t nMiddle = strBytes.size() / 2;
  strBytes[nMiddle] = static_cast<char>(strBytes[nMiddle] ^ 0x20);
  ASSERT_TRUE(WriteWholeFile(strJournal, strBytes));
  CFileRegistry store;
  std::string strError;
  EXPECT_EQ(ERROR_BADDB, store.Open(dir.Path(), &strError));
  EXPECT_NE(std::string::npos, strError.find("damaged")) << strError;
  EXPECT_EQ(strBytes, ReadWholeFile(strJournal));
  EXPECT_FALSE(PathExists(InDir(dir, "HKEY_LOCAL_MACHINE.reg")));
}

TEST(FileRegistryDurability, ReplayOverFilesThatAlreadyHoldTheChanges) {
  // A crash after some files were replaced and before the journal went:
  // replaying the whole journal onto them gives the same registry.
  CTempDir dir;
  const std::string strJournal = InDir(dir, CFileRegistry::kJournalName);
  {
    std::unique_ptr<CFileRegistry> store(OpenStore(dir));
    PutValue(*store, HKEY_LOCAL_MACHINE, "A\\B\\C", "old", REG_DWORD, Dword(1));
    PutValue(*store, HKEY_CURRENT_USER, "U", "u", REG_DWORD, Dword(7));
    store->RegFlushKey(HKEY_LOCAL_MACHINE);
    store->RegDeleteKeyA(HKEY_LOCAL_MACHINE, "A\\B\\C");
    store->RegDeleteKeyA(HKEY_LOCAL_MACHINE, "A\\B");
    PutValue(*store, HKEY_LOCAL_MACHINE, "A\\B\\D", "new", REG_DWORD, Dword(2));
    HKEY hKey = nullptr;
    store->RegOpenKeyExA(HKEY_LOCAL_MACHINE, "A\\B\\D", &hKey);
    store->RegDeleteValueA(hKey, "new");
    store->RegCloseKey(hKey);
    PutValue(*store, HKEY_LOCAL_MACHINE, "A\\B\\D", "last", REG_DWORD,
             Dword(3));
    store->RegFlushKey(HKEY_LOCAL_MACHINE);
    // A second name keeps the journal as the fold leaves it just before it
    // removes it, with the marks of the files it wrote.
    const std::string strSaved = strJournal + ".saved";
    ASSERT_EQ(0, link(strJournal.c_str(), strSaved.c_str()));
    std::string strError;
    ASSERT_EQ(ERROR_SUCCESS, store->Close(&strError));
    ASSERT_EQ(0, rename(strSaved.c_str(), strJournal.c_str()));
  }
  const std::string strMachine =
      ReadWholeFile(InDir(dir, "HKEY_LOCAL_MACHINE.reg"));
  std::unique_ptr<CFileRegistry> store(OpenStore(dir));
  EXPECT_FALSE(KeyExists(*store, HKEY_LOCAL_MACHINE, "A\\B\\C"));
  DWORD dwType = 0;
  std::vector<BYTE> data;
  EXPECT_FALSE(
      GetValue(*store, HKEY_LOCAL_MACHINE, "A\\B\\D", "new", &dwType, &data));
  EXPECT_TRUE(
      GetValue(*store, HKEY_LOCAL_MACHINE, "A\\B\\D", "last", &dwType, &data));
  EXPECT_TRUE(GetValue(*store, HKEY_CURRENT_USER, "U", "u", &dwType, &data));
  EXPECT_EQ(strMachine, ReadWholeFile(InDir(dir, "HKEY_LOCAL_MACHINE.reg")));
}

TEST(FileRegistryDurability, KilledAtRandomInstantsLeavesAWorkingStore) {
  // The child flushes a counter and tells each flushed value on a pipe;
  // every 40 values it closes and reopens the store, so kills also land
  // while the files are being replaced.
  std::mt19937 random(20261207);
  const char* pszKills = std::getenv("QUORREL_STORE_KILLS");
  const int nKills = pszKills ? std::atoi(pszKills) : 12;
  CTempDir dir;
  DWORD dwAcknowledged = 0;
  for (int nKill = 0; nKill < nKills; ++nKill) {
    int fds[2];
    ASSERT_EQ(0, pipe(fds));
    const pid_t pid = fork();
    if (pid == 0) {
      close(fds[0]);
      CFileRegistry* pStore = OpenStore(dir);
      for (DWORD i = ReadCounter(*pStore, "counter") + 1;; ++i) {
        PutValue(*pStore, HKEY_LOCAL_MACHINE, kKey, "counter", REG_DWORD,
                 Dword(i));
        PutString(*pStore, HKEY_LOCAL_MACHINE,
                  std::string(kKey) + "\\Card" + std::to_string(i % 97),
                  "Driver", std::string(i % 300, 'd'));
        if (pStore->RegFlushKey(HKEY_LOCAL_MACHINE) != ERROR_SUCCESS) _exit(3);
        if (write(fds[1], &i, sizeof i) != sizeof i) _exit(4);
        if (i % 40 == 0) {
          std::string strError;
          if (pStore->Close(&strError) != ERROR_SUCCESS) _exit(5);
          delete pStore;
          pStore = OpenStore(dir);
        }
      }
    }
    close(fds[1]);
    const int nWait = 1 + static_cast<int>(random() % 60);
    DWORD dwValue = 0;
    for (int n = 0;
         n < nWait && read(fds[0], &dwValue, sizeof dwValue) == sizeof dwValue;
         ++n)
      dwAcknowledged = dwValue;
    usleep(random() % 3000);
    kill(pid, SIGKILL);
    int nStatus = 0;
    waitpid(pid, &nStatus, 0);
    while (read(fds[0], &dwValue, sizeof dwValue) == sizeof dwValue)
      dwAcknowledged = dwValue;
    close(fds[0]);
    ASSERT_TRUE(WIFSIGNALED(nStatus)) << "child ended by itself: " << nStatus;
    std::unique_ptr<CFileRegistry> store(OpenStore(dir));
    ASSERT_TRUE(store->IsOpen());
    // Every acknowledged flush is there; the flush that was under way when
    // the kill came may have made it too.
    const DWORD dwStored = ReadCounter(*store, "counter");
    EXPECT_GE(dwStored, dwAcknowledged) << nKill;
    EXPECT_LE(dwStored, dwAcknowledged + 1) << nKill;
    dwAcknowledged = dwStored;
  }
}
}  // namespace
