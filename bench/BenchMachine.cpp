// quorrel-bench-machine: writes the machines the hive bench measures, an
// NT 4.0 workstation of the usual size with the suite installed (SOFTWARE
// about 7 MB and 30,000 keys, SYSTEM about 1 MB and 3,000 keys), twice with
// the same keys and values: <dir>/reg as the .reg store, <dir>/hive as the
// hives Windows NT 4.0 writes (regf 1.3, fast leaves, compact, with the
// stale .LOG files and SYSTEM.ALT beside them), by the tests' own hive
// writer, which shares nothing with the program's hive engine. With
// --check, it reads hives back instead: the tests' structural check and the
// independent readers (reglookup, regfexport, libhivex), one line a fault.
//
// usage: quorrel-bench-machine <dir>
//        quorrel-bench-machine --check <hive>...
#include <cstdio>
#include <cstdlib>
#include <string>

#include "HiveMaker.h"
#include "HiveSeed.h"
#include "SuiteInstallation.h"
#include "TempDirectory.h"
#include "platform/host/store/FileRegistry.h"

namespace {
// A fixed sequence, so every run of the bench measures the same machine.
class CFillerRandom {
 public:
  uint32_t Next() {
    m_nState = m_nState * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<uint32_t>(m_nState >> 33);
  }
  uint32_t Below(uint32_t n) { return Next() % n; }
  std::string Word(size_t nMin, size_t nMax) {
    std::string strWord(1, static_cast<char>('A' + Below(26)));
    const size_t nLength = nMin + Below(static_cast<uint32_t>(nMax - nMin + 1));
    while (strWord.size() < nLength)
      strWord += static_cast<char>('a' + Below(26));
    return strWord;
  }
  std::string Guid() {
    char sz[40];
    std::snprintf(sz, sizeof sz, "{%08X-%04X-%04X-%04X-%04X%08X}", Next(),
                  Below(0x10000), Below(0x10000), Below(0x10000),
                  Below(0x10000), Next());
    return sz;
  }

 private:
  uint64_t m_nState = 0x5EED;
};

class CFiller {
 public:
  explicit CFiller(IRegistry& registry) : m_registry(registry) {}

  // Makes the key (and the keys above it) and leaves it open for Set*.
  CFiller& Key(HKEY hRoot, const std::string& strPath) {
    Close();
    if (m_registry.RegCreateKeyExA(hRoot, strPath.c_str(), &m_hKey, nullptr) !=
        ERROR_SUCCESS) {
      std::fprintf(stderr, "cannot create %s\n", strPath.c_str());
      std::exit(1);
    }
    return *this;
  }
  CFiller& Sz(const char* pszName, const std::string& strText,
              DWORD dwType = REG_SZ) {
    return Raw(pszName, dwType, strText + '\0');
  }
  CFiller& Dword(const char* pszName, DWORD dwValue) {
    return Raw(pszName, REG_DWORD,
               std::string(reinterpret_cast<const char*>(&dwValue), 4));
  }
  CFiller& Raw(const char* pszName, DWORD dwType, const std::string& strData) {
    m_registry.RegSetValueExA(m_hKey, pszName, dwType,
                              reinterpret_cast<const BYTE*>(strData.data()),
                              static_cast<DWORD>(strData.size()));
    return *this;
  }
  void Close() {
    if (m_hKey != nullptr) m_registry.RegCloseKey(m_hKey);
    m_hKey = nullptr;
  }
  CFillerRandom& Random() { return m_random; }

 private:
  IRegistry& m_registry;
  HKEY m_hKey = nullptr;
  CFillerRandom m_random;
};

const char kClasses[] = "SOFTWARE\\Classes\\";

// File types with their programs: 1,000 extensions, 1,000 program ids of
// four keys each.
void AddFileTypes(CFiller& fill) {
  for (int i = 0; i < 1000; ++i) {
    const std::string strProgId = fill.Random().Word(4, 10) + "File";
    const std::string strExt = "." + fill.Random().Word(2, 4);
    fill.Key(HKEY_LOCAL_MACHINE, kClasses + strExt).Sz("", strProgId);
    const std::string strKey = kClasses + strProgId;
    fill.Key(HKEY_LOCAL_MACHINE, strKey).Sz("", strProgId + " Document");
    fill.Key(HKEY_LOCAL_MACHINE, strKey + "\\DefaultIcon")
        .Sz("", "%SystemRoot%\\System32\\shell32.dll,3", REG_EXPAND_SZ);
    fill.Key(HKEY_LOCAL_MACHINE, strKey + "\\shell\\open\\command")
        .Sz("", "C:\\Program Files\\" + strProgId + "\\" + strProgId +
                    ".exe \"%1\"");
  }
}

// COM classes (three keys each), interfaces (three) and type libraries
// (four), the bulk of a used machine's SOFTWARE.
void AddComClasses(CFiller& fill) {
  for (int i = 0; i < 4500; ++i) {
    const std::string strKey =
        kClasses + std::string("CLSID\\") + fill.Random().Guid();
    const std::string strName = fill.Random().Word(5, 12);
    fill.Key(HKEY_LOCAL_MACHINE, strKey).Sz("", strName + " Object");
    fill.Key(HKEY_LOCAL_MACHINE, strKey + "\\InprocServer32")
        .Sz("", "C:\\WINNT\\System32\\" + strName + ".dll")
        .Sz("ThreadingModel", "Apartment");
    fill.Key(HKEY_LOCAL_MACHINE, strKey + "\\ProgID").Sz("", strName + ".1");
  }
  for (int i = 0; i < 2800; ++i) {
    const std::string strKey =
        kClasses + std::string("Interface\\") + fill.Random().Guid();
    fill.Key(HKEY_LOCAL_MACHINE, strKey)
        .Sz("", "I" + fill.Random().Word(6, 14));
    fill.Key(HKEY_LOCAL_MACHINE, strKey + "\\ProxyStubClsid32")
        .Sz("", "{00020424-0000-0000-C000-000000000046}");
    fill.Key(HKEY_LOCAL_MACHINE, strKey + "\\NumMethods")
        .Sz("", std::to_string(3 + fill.Random().Below(40)));
  }
  for (int i = 0; i < 500; ++i) {
    const std::string strKey =
        kClasses + std::string("TypeLib\\") + fill.Random().Guid() + "\\1.0";
    const std::string strName = fill.Random().Word(5, 12);
    fill.Key(HKEY_LOCAL_MACHINE, strKey).Sz("", strName + " Type Library");
    fill.Key(HKEY_LOCAL_MACHINE, strKey + "\\0\\win32")
        .Sz("", "C:\\WINNT\\System32\\" + strName + ".tlb");
  }
}

// Programs' settings: 310 products of ten keys with a few values each.
void AddProductSettings(CFiller& fill) {
  for (int i = 0; i < 310; ++i) {
    const std::string strProduct = "SOFTWARE\\" + fill.Random().Word(4, 9) +
                                   "\\" + fill.Random().Word(5, 12);
    for (int k = 0; k < 10; ++k) {
      fill.Key(HKEY_LOCAL_MACHINE,
               strProduct + "\\CurrentVersion\\" + fill.Random().Word(4, 12))
          .Sz("Path", "C:\\Program Files\\" + fill.Random().Word(5, 12))
          .Dword("Flags", fill.Random().Next())
          .Raw("Settings", REG_BINARY, std::string(48, '\x5A'));
    }
  }
}

// The services of one control set: 250 drivers and services with their
// Security, Parameters, Enum and Linkage keys; each set is its own copy.
void AddServices(CFiller& fill, const std::string& strControlSet) {
  CFillerRandom names;  // both sets name the same services
  for (int i = 0; i < 250; ++i) {
    const std::string strName = names.Word(4, 10);
    const std::string strKey = strControlSet + "\\Services\\" + strName;
    fill.Key(HKEY_LOCAL_MACHINE, strKey)
        .Dword("Type", 1)
        .Dword("Start", 3)
        .Dword("ErrorControl", 1)
        .Sz("ImagePath", "System32\\drivers\\" + strName + ".sys",
            REG_EXPAND_SZ)
        .Sz("DisplayName", strName + " Service")
        .Sz("Group", "Extended base")
        .Raw("DependOnGroup", REG_MULTI_SZ, std::string(2, '\0'));
    fill.Key(HKEY_LOCAL_MACHINE, strKey + "\\Security")
        .Raw("Security", REG_BINARY, std::string(160, '\x01'));
    if (i % 2 == 0)
      fill.Key(HKEY_LOCAL_MACHINE, strKey + "\\Parameters")
          .Dword("BufferSize", 4096)
          .Sz("Device", "\\Device\\" + strName + "0");
    if (i % 2 == 1)
      fill.Key(HKEY_LOCAL_MACHINE, strKey + "\\Enum")
          .Dword("Count", 1)
          .Sz("0", "Root\\LEGACY_" + strName + "\\0000");
    if (i % 3 == 0)
      fill.Key(HKEY_LOCAL_MACHINE, strKey + "\\Linkage")
          .Raw("Bind", REG_MULTI_SZ,
               "\\Device\\" + strName + std::string(2, '\0'))
          .Raw("Export", REG_MULTI_SZ,
               "\\Device\\" + strName + std::string(2, '\0'));
  }
}

// The rest of a control set: device instances and Control's keys.
void AddControlSet(CFiller& fill, const std::string& strControlSet) {
  AddServices(fill, strControlSet);
  CFillerRandom names;
  for (int i = 0; i < 200; ++i) {
    const std::string strKey =
        strControlSet + "\\Enum\\Root\\LEGACY_" + names.Word(4, 10) + "\\0000";
    fill.Key(HKEY_LOCAL_MACHINE, strKey)
        .Sz("Service", names.Word(4, 10))
        .Dword("Legacy", 1)
        .Sz("Class", "LegacyDriver");
    fill.Key(HKEY_LOCAL_MACHINE, strKey + "\\Control")
        .Dword("ActiveService", 1);
  }
  for (int i = 0; i < 250; ++i)
    fill.Key(HKEY_LOCAL_MACHINE, strControlSet + "\\Control\\" +
                                     names.Word(4, 12) + "\\" +
                                     names.Word(4, 12))
        .Sz("Value", names.Word(8, 30))
        .Dword("Size", names.Next());
}

// A user's settings (HKU\.DEFAULT or HKEY_CURRENT_USER): 300 keys.
void AddUserSettings(CFiller& fill, HKEY hRoot, const std::string& strAbove) {
  for (int i = 0; i < 300; ++i)
    fill.Key(hRoot, strAbove + "Software\\" + fill.Random().Word(4, 9) + "\\" +
                        fill.Random().Word(4, 12))
        .Sz("Setting", fill.Random().Word(4, 20))
        .Dword("Flags", fill.Random().Next());
}

bool FillRegistry(const std::string& strMachine) {
  CFileRegistry store;
  std::string strError;
  if (store.Open(strMachine + "/registry", &strError) != ERROR_SUCCESS) {
    std::fprintf(stderr, "%s\n", strError.c_str());
    return false;
  }
  {
    CFiller fill(store);
    AddFileTypes(fill);
    AddComClasses(fill);
    AddProductSettings(fill);
    AddControlSet(fill, "SYSTEM\\ControlSet001");
    AddControlSet(fill, "SYSTEM\\ControlSet002");
    AddUserSettings(fill, HKEY_USERS, ".DEFAULT\\");
    AddUserSettings(fill, HKEY_CURRENT_USER, "");
    fill.Close();
  }
  if (store.Close(&strError) == ERROR_SUCCESS) return true;
  std::fprintf(stderr, "%s\n", strError.c_str());
  return false;
}
// NT 4.0 holds at most this many elements in one fast leaf (one that fills
// a 4 KB bin); a longer list is an index root over leaves.
constexpr size_t kFastLeafMax = 507;

int CheckHives(int argc, char** argv) {
  int nStatus = 0;
  for (int i = 2; i < argc; ++i) {
    const std::string strFaults = HiveFaults(argv[i]);
    if (strFaults.empty()) continue;
    std::printf("%s:\n%s", argv[i], strFaults.c_str());
    nStatus = 1;
  }
  return nStatus;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc > 2 && std::string(argv[1]) == "--check")
    return CheckHives(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr,
                 "usage: quorrel-bench-machine <dir>\n"
                 "       quorrel-bench-machine --check <hive>...\n");
    return 2;
  }
  const std::string strDir = argv[1];
  const std::string strReg = strDir + "/reg", strHive = strDir + "/hive";
  CSuiteInstallation().SeedBefore(strReg);
  if (!FillRegistry(strReg)) return 1;
  if (std::system(("cp -a '" + strReg + "' '" + strHive + "'").c_str()) != 0)
    return 1;
  if (!ConvertStoreToHives(strHive, ERegfList::kFastLeaf, kFastLeafMax)) {
    std::fprintf(stderr, "cannot write the hives of %s\n", strHive.c_str());
    return 1;
  }
  return 0;
}
