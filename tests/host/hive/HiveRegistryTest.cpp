// The store on an NT installation's hives: what a change writes (and what
// it leaves exactly as it was), as two independent readers see the hives;
// the hives it refuses; the journal that carries a crashed run's flushed
// changes into the hives.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <hivex.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <sstream>

#include "platform/host/hive/HiveBaseBlock.h"
#include "platform/host/hive/HiveMachine.h"
#include "platform/host/hive/HiveRegistry.h"
#include "platform/host/store/DurableFile.h"
#include "support/HiveMaker.h"
#include "support/HiveType.h"
#include "support/ProcessRunner.h"
#include "support/StoreTestUtil.h"

namespace {
const char kKeep[] = "ControlSet001\\Services\\Keep";

// Values of types the program never writes, and one whose UTF-16 text has
// no 8-bit form: each must come back byte for byte.
const struct {
  const char* pszName;
  uint32_t dwType;
  std::string strRaw;
} kForeign[] = {
    {"Multi", 7, std::string("a\0\0\0\x01\x04\0\0\0\0", 10)},
    {"Quad", 11, std::string("\x01\x02\x03\x04\x05\x06\x07\x08", 8)},
    {"Nothing", 0, std::string("\xDE\xAD", 2)},
    {"Odd", 0x4242, std::string("\x00\xFF\x10", 3)},
    {"Wide", 1, std::string("\x3A\x04\x00\x00", 4)},
};

void FillSystem(CHiveMaker& hive) {
  hive.SetDword("Select", "Current", 1);
  for (const auto& value : kForeign)
    hive.Set(kKeep, value.pszName, value.dwType, value.strRaw);
  hive.SetString(kKeep, "Doomed", "old");
  hive.SetString("ControlSet001\\Services\\Gone\\Sub", "x", "y");
  hive.SetString("ControlSet002\\Services\\Other", "ImagePath", "o.sys", 2);
}

CHiveMachine Machine(const CTempDir& dir) {
  CHiveMachine machine;
  EXPECT_TRUE(FindHiveMachine(dir.Path(), "Administrator", &machine));
  return machine;
}

// The raw bytes of a value as libhivex reads the hive.
std::string RawValue(const std::string& strHive, const std::string& strKey,
                     const std::string& strName, uint32_t* pdwType) {
  hive_h* pHive = hivex_open(strHive.c_str(), 0);
  hive_node_h hKey = pHive ? hivex_root(pHive) : 0;
  std::istringstream path(strKey);
  for (std::string strName; hKey && std::getline(path, strName, '\\');)
    hKey = hivex_node_get_child(pHive, hKey, strName.c_str());
  if (!pHive) return "<no hive>";
  std::string strRaw = "<missing>";
  hive_value_h hValue =
      hKey == 0 ? 0 : hivex_node_get_value(pHive, hKey, strName.c_str());
  hive_type type;
  size_t cb = 0;
  if (char* p =
          hValue ? hivex_value_value(pHive, hValue, &type, &cb) : nullptr) {
    strRaw.assign(p, cb);
    *pdwType = FromHiveType(&type);
    free(p);
  }
  hivex_close(pHive);
  return strRaw;
}

std::vector<std::string> ConfigFolder(const CTempDir& dir) {
  std::vector<std::string> files;
  for (const char* pszName : {"SYSTEM", "SYSTEM.ALT", "SOFTWARE", "DEFAULT",
                              "quorrel.lock", "quorrel.journal"})
    files.push_back(std::string(pszName) + "=" +
                    std::to_string(std::hash<std::string>()(
                        ReadHostFile(HivePath(dir.Path(), pszName)))));
  return files;
}

TEST(HiveRegistry, ChangesReachTheHiveAndNothingElseChanges) {
  CTempDir dir;
  MakeHiveMachine(dir.Path(), FillSystem);
  const std::string strSystem = HivePath(dir.Path(), "SYSTEM");
  WriteHostFile(HivePath(dir.Path(), "SYSTEM.ALT"), ReadHostFile(strSystem));
  const auto lookupBefore = ReglookupLines(strSystem, true);
  const auto exportBefore = RegfexportKeys(strSystem);

  CHiveRegistry store;
  std::string strError;
  ASSERT_EQ(ERROR_SUCCESS, store.Open(Machine(dir), &strError)) << strError;
  const std::string strKeep = std::string("SYSTEM\\") + kKeep;
  ASSERT_TRUE(PutString(store, HKEY_LOCAL_MACHINE, strKeep, "Added", "new"));
  HKEY hKey = nullptr;
  ASSERT_EQ(ERROR_SUCCESS,
            store.RegOpenKeyExA(HKEY_LOCAL_MACHINE, strKeep.c_str(), &hKey));
  EXPECT_EQ(ERROR_SUCCESS, store.RegDeleteValueA(hKey, "Doomed"));
  store.RegCloseKey(hKey);
  const std::string strGone = "SYSTEM\\ControlSet001\\Services\\Gone";
  EXPECT_EQ(ERROR_SUCCESS, store.RegDeleteKeyA(HKEY_LOCAL_MACHINE,
                                               (strGone + "\\Sub").c_str()));
  EXPECT_EQ(ERROR_SUCCESS,
            store.RegDeleteKeyA(HKEY_LOCAL_MACHINE, strGone.c_str()));
  ASSERT_TRUE(PutString(store, HKEY_LOCAL_MACHINE,
                        "SYSTEM\\CurrentControlSet\\Services\\New", "Start",
                        "on"));
  ASSERT_EQ(ERROR_SUCCESS, store.Close(&strError)) << strError;

  EXPECT_EQ("", CheckHiveFile(strSystem));
  EXPECT_EQ("", HiveFaults(strSystem));
  EXPECT_EQ(ReadHostFile(strSystem),
            ReadHostFile(HivePath(dir.Path(), "SYSTEM.ALT")));
  const auto lookupAfter = ReglookupLines(strSystem, true);
  // Keys whose values or subkeys changed get a new time, as NT gives it;
  // the others keep theirs.
  const std::string strOld =
      ",KEY,,2004-10-13 07:07:55,S-1-5-32-544,S-1-5-32-544,,,";
  EXPECT_EQ((std::vector<std::string>{
                "/ControlSet001/Services" + strOld,
                "/ControlSet001/Services/Gone" + strOld,
                "/ControlSet001/Services/Gone/Sub" + strOld,
                "/ControlSet001/Services/Gone/Sub/x,SZ,y,,,,,",
                "/ControlSet001/Services/Keep" + strOld,
                "/ControlSet001/Services/Keep/Doomed,SZ,old,,,,,"}),
            LinesMissing(lookupBefore, lookupAfter));
  const auto added = LinesMissing(lookupAfter, lookupBefore);
  ASSERT_EQ(5u, added.size());
  EXPECT_EQ(0u, added[0].find("/ControlSet001/Services,KEY,,20"));
  EXPECT_EQ(0u, added[1].find("/ControlSet001/Services/Keep,KEY,,20"));
  EXPECT_EQ("/ControlSet001/Services/Keep/Added,SZ,new,,,,,", added[2]);
  EXPECT_EQ(0u, added[3].find("/ControlSet001/Services/New,KEY,,20"));
  EXPECT_EQ("/ControlSet001/Services/New/Start,SZ,on,,,,,", added[4]);
  // The other reader: only the three keys changed, the rest block for block.
  const auto exportAfter = RegfexportKeys(strSystem);
  EXPECT_EQ(3u, LinesMissing(exportBefore, exportAfter).size());
  EXPECT_EQ(2u, LinesMissing(exportAfter, exportBefore).size());
  for (const auto& value : kForeign) {
    uint32_t dwType = 99;
    EXPECT_EQ(value.strRaw, RawValue(strSystem, kKeep, value.pszName, &dwType))
        << value.pszName;
    EXPECT_EQ(value.dwType, dwType) << value.pszName;
  }
}

TEST(HiveRegistry, CurrentControlSetAndTheProfileKeyAreLinks) {
  CTempDir dir;
  MakeHiveMachine(dir.Path(), [](CHiveMaker& hive) {
    hive.SetDword("Select", "Current", 2);
    hive.Key("ControlSet001");
  });
  CHiveRegistry store;
  std::string strError;
  ASSERT_EQ(ERROR_SUCCESS, store.Open(Machine(dir), &strError)) << strError;
  ASSERT_TRUE(PutString(store, HKEY_LOCAL_MACHINE,
                        "SYSTEM\\CurrentControlSet\\Control", "x", "2"));
  ASSERT_TRUE(PutString(store, HKEY_USERS, "S-1-5-21-7\\Software", "y", "u"));
  EXPECT_TRUE(KeyExists(store, HKEY_CURRENT_USER, "Software"));
  EXPECT_TRUE(KeyExists(store, HKEY_LOCAL_MACHINE, "HARDWARE"));
  ASSERT_EQ(ERROR_SUCCESS, store.Close(&strError)) << strError;

  EXPECT_EQ("", HiveFaults(HivePath(dir.Path(), "SYSTEM")));
  EXPECT_EQ("", HiveFaults(UserHivePath(dir.Path())));
  const auto system = ReglookupLines(HivePath(dir.Path(), "SYSTEM"));
  EXPECT_EQ(1, std::count(system.begin(), system.end(),
                          "/ControlSet002/Control/x,SZ,2,,,,"));
  const auto user = ReglookupLines(UserHivePath(dir.Path()));
  EXPECT_EQ(1, std::count(user.begin(), user.end(), "/Software/y,SZ,u,,,,"));
}

// Each fault made in SYSTEM; the hive is refused with its name and the
// reason, and no file of the folder is written or made.
TEST(HiveRegistry, HivesWindowsWouldRepairFirstAreRefusedUntouched) {
  const struct {
    const char* pszFault;
    void (*make)(std::string& bytes);
    const char* pszReason;
  } kCases[] = {
      {"dirty",
       [](std::string& b) {
         b[8] = static_cast<char>(b[8] + 1);  // second sequence number
         uint32_t nSum = HiveBaseBlockChecksum(
             reinterpret_cast<const unsigned char*>(b.data()));
         for (int i = 0; i < 4; ++i)
           b[508 + i] = static_cast<char>(nSum >> (8 * i));
       },
       "sequence numbers 2 and 3 differ"},
      {"checksum", [](std::string& b) { b[0x30] ^= 0x55; }, "checksum"},
      {"bins", [](std::string& b) { b.replace(4096, 4, "junk"); },
       "the hive is damaged"},
      {"empty", [](std::string& b) { b.clear(); }, "not a registry hive"},
  };
  for (const auto& fault : kCases) {
    CTempDir dir;
    MakeHiveMachine(dir.Path());
    const std::string strSystem = HivePath(dir.Path(), "SYSTEM");
    std::string strBytes = ReadHostFile(strSystem);
    fault.make(strBytes);
    WriteHostFile(strSystem, strBytes);
    const auto before = ConfigFolder(dir);
    CHiveRegistry store;
    std::string strError;
    EXPECT_EQ(ERROR_BADDB, store.Open(Machine(dir), &strError))
        << fault.pszFault << ": " << strError;
    EXPECT_EQ(0u, strError.find(strSystem + ": ")) << strError;
    EXPECT_NE(std::string::npos, strError.find(fault.pszReason)) << strError;
    EXPECT_EQ(before, ConfigFolder(dir)) << fault.pszFault;
  }
}

TEST(HiveRegistry, ChangesOfACrashedRunReachTheHiveNextTime) {
  CTempDir dir;
  MakeHiveMachine(dir.Path());
  const std::string strSystem = HivePath(dir.Path(), "SYSTEM");
  const std::string strBefore = ReadHostFile(strSystem);
  const pid_t pid = fork();
  if (pid == 0) {
    CHiveRegistry* pStore = new CHiveRegistry;  // never closed
    std::string strError;
    if (pStore->Open(Machine(dir), &strError) != ERROR_SUCCESS) _exit(2);
    PutString(*pStore, HKEY_LOCAL_MACHINE, "SYSTEM\\Setup", "Flushed", "1");
    HKEY hSetup = nullptr;
    pStore->RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\Setup", &hSetup);
    pStore->RegFlushKey(hSetup);  // a key below a root: the journal only
    // Not flushed, yet journaled when made: a process's registry writes
    // outlive it, as on Windows and on the .reg store.
    PutString(*pStore, HKEY_LOCAL_MACHINE, "SYSTEM\\Setup", "Unflushed", "1");
    _exit(0);
  }
  int nStatus = -1;
  waitpid(pid, &nStatus, 0);
  ASSERT_EQ(0, nStatus);
  EXPECT_EQ(strBefore, ReadHostFile(strSystem));

  CHiveRegistry store;
  std::string strError;
  ASSERT_EQ(ERROR_SUCCESS, store.Open(Machine(dir), &strError)) << strError;
  EXPECT_FALSE(HostExists(HivePath(dir.Path(), "quorrel.journal")));
  ASSERT_EQ(ERROR_SUCCESS, store.Close(&strError));
  EXPECT_EQ("", HiveFaults(strSystem));
  const auto lines = ReglookupLines(strSystem);
  EXPECT_EQ(1,
            std::count(lines.begin(), lines.end(), "/Setup/Flushed,SZ,1,,,,"));
  EXPECT_EQ(
      1, std::count(lines.begin(), lines.end(), "/Setup/Unflushed,SZ,1,,,,"));
}

// Steps of the store's durable writes, in order (DurableFile.h).
std::vector<std::string> g_steps;
void RecordStep(const std::string& strStep) { g_steps.push_back(strStep); }

// The journal holds every change, synced, before any hive is replaced, so
// that a machine crash between two renames is repaired by replaying it: at
// the close, with changes never flushed, and when a journal a crashed run
// left (perhaps never synced) is replayed.
TEST(HiveRegistry, TheJournalIsSyncedBeforeAnyHiveIsReplaced) {
  for (const bool bCrashed : {false, true}) {
    SCOPED_TRACE(bCrashed ? "replaying a crashed run's journal" : "closing");
    CTempDir dir;
    MakeHiveMachine(dir.Path());
    const std::string strJournal = HivePath(dir.Path(), "quorrel.journal");
    const pid_t pid = bCrashed ? fork() : 0;
    if (pid == 0) {
      auto* pStore = new CHiveRegistry;
      std::string strError;
      if (pStore->Open(Machine(dir), &strError) != ERROR_SUCCESS) _exit(2);
      PutString(*pStore, HKEY_LOCAL_MACHINE, "SYSTEM\\Setup", "x", "1");
      PutString(*pStore, HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes", "y", "2");
      g_steps.clear();
      g_pfnDurableStep = RecordStep;
      if (bCrashed) {
        HKEY hSetup = nullptr;
        pStore->RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\Setup", &hSetup);
        pStore->RegFlushKey(hSetup);
        _exit(0);  // never closed
      }
      EXPECT_EQ(ERROR_SUCCESS, pStore->Close(&strError)) << strError;
      delete pStore;
    } else {
      waitpid(pid, nullptr, 0);
      g_steps.clear();
      g_pfnDurableStep = RecordStep;
      CHiveRegistry store;
      std::string strError;
      EXPECT_EQ(ERROR_SUCCESS, store.Open(Machine(dir), &strError)) << strError;
    }
    g_pfnDurableStep = nullptr;
    const auto firstRename = std::find_if(
        g_steps.begin(), g_steps.end(),
        [](const std::string& s) { return s.rfind("rename ", 0) == 0; });
    std::string strSteps;
    for (const auto& strStep : g_steps) strSteps += strStep + "\n";
    EXPECT_NE(firstRename,
              std::find(g_steps.begin(), firstRename, "sync " + strJournal))
        << strSteps;
    for (const char* pszHive : {"SYSTEM", "SOFTWARE"})
      EXPECT_EQ(1, std::count(g_steps.begin(), g_steps.end(),
                              "rename " + HivePath(dir.Path(), pszHive)));
  }
}

// A program that opened SYSTEM alone and closes last still leaves another
// program's change to SOFTWARE in SOFTWARE.
TEST(HiveRegistry, TheLastToCloseKeepsChangesToHivesItDidNotOpen) {
  CTempDir dir;
  MakeHiveMachine(dir.Path());
  CHiveRegistry system, all;
  system.OpenSystemOnly();
  std::string strError;
  ASSERT_EQ(ERROR_SUCCESS, system.Open(Machine(dir), &strError)) << strError;
  ASSERT_EQ(ERROR_SUCCESS, all.Open(Machine(dir), &strError)) << strError;
  ASSERT_TRUE(PutString(all, HKEY_LOCAL_MACHINE, "SOFTWARE\\Added", "a", "1"));
  ASSERT_EQ(ERROR_SUCCESS, all.Close(&strError)) << strError;
  ASSERT_TRUE(PutString(system, HKEY_LOCAL_MACHINE, "SYSTEM\\Setup", "s", "2"));
  ASSERT_EQ(ERROR_SUCCESS, system.Close(&strError)) << strError;
  EXPECT_FALSE(HostExists(HivePath(dir.Path(), "quorrel.journal")));
  const auto software = ReglookupLines(HivePath(dir.Path(), "SOFTWARE"));
  EXPECT_EQ(1,
            std::count(software.begin(), software.end(), "/Added/a,SZ,1,,,,"));
  const auto systemLines = ReglookupLines(HivePath(dir.Path(), "SYSTEM"));
  EXPECT_EQ(1, std::count(systemLines.begin(), systemLines.end(),
                          "/Setup/s,SZ,2,,,,"));
}

// A flush of a root is the run's commit: the changed hives are written
// then, before the store closes.
TEST(HiveRegistry, AFlushOfARootWritesTheChangedHives) {
  CTempDir dir;
  MakeHiveMachine(dir.Path());
  const std::string strSystem = HivePath(dir.Path(), "SYSTEM");
  CHiveRegistry store;
  std::string strError;
  ASSERT_EQ(ERROR_SUCCESS, store.Open(Machine(dir), &strError)) << strError;
  ASSERT_TRUE(PutString(store, HKEY_LOCAL_MACHINE, "SYSTEM\\Setup", "x", "1"));
  EXPECT_EQ(ERROR_SUCCESS, store.RegFlushKey(HKEY_USERS));
  const auto lines = ReglookupLines(strSystem);
  EXPECT_EQ(1, std::count(lines.begin(), lines.end(), "/Setup/x,SZ,1,,,,"));
  EXPECT_EQ("", HiveFaults(strSystem));
  ASSERT_EQ(ERROR_SUCCESS, store.Close(&strError)) << strError;
}

// Cells freed by a delete are reused by the next update: after the first
// cycle of both made room, a cycle grows the hive by at most one 4 KB bin
// (here not at all).
TEST(HiveRegistry, RepeatedUpdatesAndDeletesReuseTheFreedSpace) {
  CTempDir dir;
  MakeHiveMachine(dir.Path(), FillSystem);
  const std::string strSystem = HivePath(dir.Path(), "SYSTEM");
  std::vector<size_t> sizes{ReadHostFile(strSystem).size()};
  for (int nCycle = 0; nCycle < 4; ++nCycle) {
    for (bool bAdd : {true, false}) {
      CHiveRegistry store;
      std::string strError;
      ASSERT_EQ(ERROR_SUCCESS, store.Open(Machine(dir), &strError)) << strError;
      for (int i = 0; i < 40; ++i) {
        const std::string strKey =
            "SYSTEM\\ControlSet001\\Services\\Card" + std::to_string(i);
        if (bAdd) {
          ASSERT_TRUE(PutString(store, HKEY_LOCAL_MACHINE, strKey + "\\Sub",
                                "ImagePath", std::string(100, 'x')));
        } else {
          EXPECT_EQ(ERROR_SUCCESS,
                    store.RegDeleteKeyA(HKEY_LOCAL_MACHINE,
                                        (strKey + "\\Sub").c_str()));
          EXPECT_EQ(ERROR_SUCCESS,
                    store.RegDeleteKeyA(HKEY_LOCAL_MACHINE, strKey.c_str()));
        }
      }
      ASSERT_EQ(ERROR_SUCCESS, store.Close(&strError)) << strError;
    }
    sizes.push_back(ReadHostFile(strSystem).size());
    if (nCycle > 0) {
      EXPECT_LE(sizes.back(), sizes[sizes.size() - 2] + 4096) << nCycle;
    }
  }
  EXPECT_EQ(sizes[1], sizes.back());
}

// The opens of each file of a folder, as the kernel tells them (inotify).
class CFolderOpens {
 public:
  explicit CFolderOpens(const std::string& strDir)
      : m_fd(inotify_init1(IN_CLOEXEC)) {
    inotify_add_watch(m_fd, strDir.c_str(), IN_OPEN | IN_CLOSE_NOWRITE);
  }
  ~CFolderOpens() { close(m_fd); }
  // Takes in what was told so far; with strClosed, waits first until that
  // file is closed after a read (a minute at most: false then).
  bool Take(const std::string& strClosed = std::string()) {
    alignas(inotify_event) char buffer[4096];
    for (bool bClosed = false; !bClosed;) {
      pollfd fd{m_fd, POLLIN, 0};
      if (poll(&fd, 1, strClosed.empty() ? 0 : 60000) <= 0)
        return strClosed.empty();
      const ssize_t cb = read(m_fd, buffer, sizeof buffer);
      for (ssize_t i = 0; i < cb;) {
        const auto* pEvent = reinterpret_cast<const inotify_event*>(buffer + i);
        const std::string strName = pEvent->len ? pEvent->name : "";
        if (pEvent->mask & IN_OPEN) ++m_opens[strName];
        if (pEvent->mask & IN_CLOSE_NOWRITE && strName == strClosed)
          bClosed = true;
        i += sizeof(inotify_event) + pEvent->len;
      }
    }
    return true;
  }
  int Opens(const std::string& strName) const {
    const auto it = m_opens.find(strName);
    return it == m_opens.end() ? 0 : it->second;
  }

 private:
  int m_fd;
  std::map<std::string, int> m_opens;
};

// Each hive is read once when the store opens: the hives the check before
// the lock read are what the store loads, unless another program rewrote
// one in between, which is then read again.
TEST(HiveRegistry, EachHiveIsReadOnceUnlessRewrittenBeforeTheLoad) {
  CTempDir dir, other;
  MakeHiveMachine(dir.Path());
  MakeHiveMachine(other.Path(),
                  [](CHiveMaker& hive) { hive.Key("Rewritten"); });
  const std::string strConfig = dir / "WINNT/system32/config";
  {
    CFolderOpens opens(strConfig);
    CHiveRegistry store;
    std::string strError;
    ASSERT_EQ(ERROR_SUCCESS, store.Open(Machine(dir), &strError)) << strError;
    ASSERT_TRUE(opens.Take());
    for (const char* pszHive : {"SYSTEM", "SOFTWARE", "DEFAULT"})
      EXPECT_EQ(1, opens.Opens(pszHive)) << pszHive;
    ASSERT_EQ(ERROR_SUCCESS, store.Close(&strError)) << strError;
  }
  CFolderOpens opens(strConfig);
  // Held here, the store's lock stops the program between check and load.
  const int fdLock = open(HivePath(dir.Path(), "quorrel.lock").c_str(),
                          O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  ASSERT_EQ(0, flock(fdLock, LOCK_EX));
  const pid_t pid = fork();
  if (pid == 0) {
    close(fdLock);
    setenv("QUORREL_STORE_WAIT_MS", "60000", 1);
    CHiveRegistry store;
    std::string strError;
    const bool bOpened = store.Open(Machine(dir), &strError) == ERROR_SUCCESS;
    _exit(bOpened && KeyExists(store, HKEY_LOCAL_MACHINE, "SYSTEM\\Rewritten")
              ? 0
              : 1);
  }
  const bool bChecked = opens.Take("SYSTEM");
  // Another program's commit: a new file renamed over the hive.
  rename(HivePath(other.Path(), "SYSTEM").c_str(),
         HivePath(dir.Path(), "SYSTEM").c_str());
  flock(fdLock, LOCK_UN);
  close(fdLock);
  int nStatus = -1;
  waitpid(pid, &nStatus, 0);
  EXPECT_TRUE(bChecked);
  EXPECT_TRUE(WIFEXITED(nStatus) && WEXITSTATUS(nStatus) == 0) << nStatus;
  opens.Take();
  EXPECT_EQ(2, opens.Opens("SYSTEM"));
}
}  // namespace

namespace {
TEST(HiveMachine, NamesMatchWithoutCaseAndTheProfileFallsBackToAdministrator) {
  CTempDir dir;
  CHiveMachine machine;
  EXPECT_FALSE(FindHiveMachine(dir.Path(), "root", &machine));
  for (const char* pszFile :
       {"winnt/System32/CONFIG/system", "winnt/System32/CONFIG/Software",
        "winnt/System32/CONFIG/system.alt",
        "winnt/profiles/ADMINISTRATOR/ntuser.dat"})
    WriteHostFile(dir / pszFile, "x");
  ASSERT_TRUE(FindHiveMachine(dir.Path(), "root", &machine));
  const std::string strConfig = dir / "winnt/System32/CONFIG";
  EXPECT_EQ(strConfig + "/system", machine.strSystem);
  EXPECT_EQ(strConfig + "/system.alt", machine.strSystemMirror);
  EXPECT_EQ(strConfig + "/Software", machine.strSoftware);
  EXPECT_EQ(strConfig + "/DEFAULT", machine.strDefault);  // missing: refused
  EXPECT_EQ(dir / "winnt/profiles/ADMINISTRATOR/ntuser.dat", machine.strUser);
  EXPECT_EQ("ADMINISTRATOR", machine.strUserFolder);
}
}  // namespace
