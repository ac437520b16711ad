#include "HiveSeed.h"

#include <cstdlib>

#include "HiveMaker.h"
#include "ProcessRunner.h"
#include "SuiteInstallation.h"
#include "platform/host/hive/HiveText.h"
#include "platform/host/regfile/RegCodePage.h"
#include "platform/host/store/FileRegistry.h"

namespace {
// A name the program holds, as the UTF-8 the hive writer takes.
std::string CodePageToUtf8(const std::string& strText) {
  std::string strOut;
  for (unsigned char c : strText) {
    const uint16_t nCode = CodePageToUtf16(c);
    if (nCode < 0x80) {
      strOut += static_cast<char>(nCode);
    } else if (nCode < 0x800) {
      strOut += static_cast<char>(0xC0 | (nCode >> 6));
      strOut += static_cast<char>(0x80 | (nCode & 0x3F));
    } else {
      strOut += static_cast<char>(0xE0 | (nCode >> 12));
      strOut += static_cast<char>(0x80 | ((nCode >> 6) & 0x3F));
      strOut += static_cast<char>(0x80 | (nCode & 0x3F));
    }
  }
  return strOut;
}

void CopyValues(IRegistry& registry, HKEY hKey, CHiveMaker& hive,
                const std::string& strPath) {
  hive.Key(strPath);
  for (DWORD i = 0;; ++i) {
    char szName[256];
    DWORD cchName = sizeof szName, dwType = 0, cbData = 65536;
    std::vector<BYTE> data(cbData);
    if (registry.RegEnumValueA(hKey, i, szName, &cchName, &dwType, data.data(),
                               &cbData) != ERROR_SUCCESS)
      return;
    data.resize(cbData);
    hive.Set(strPath, CodePageToUtf8(szName), dwType,
             ProgramToHiveData(dwType, data));
  }
}

void CopyKey(IRegistry& registry, HKEY hKey, CHiveMaker& hive,
             const std::string& strPath) {
  CopyValues(registry, hKey, hive, strPath);
  for (DWORD i = 0;; ++i) {
    char szName[256];
    DWORD cchName = sizeof szName;
    if (registry.RegEnumKeyExA(hKey, i, szName, &cchName) != ERROR_SUCCESS)
      return;
    // Windows makes it at boot; no hive holds it.
    if (strPath.empty() && std::string(szName) == "CurrentControlSet") continue;
    HKEY hSubkey = nullptr;
    if (registry.RegOpenKeyExA(hKey, szName, &hSubkey) != ERROR_SUCCESS)
      continue;
    const std::string strName = CodePageToUtf8(szName);
    CopyKey(registry, hSubkey, hive,
            strPath.empty() ? strName : strPath + "\\" + strName);
    registry.RegCloseKey(hSubkey);
  }
}

struct CListForm {
  ERegfList eList;
  size_t nLeafMax;
};

bool CopyToHive(IRegistry& registry, HKEY hRoot, const char* pszPath,
                const std::string& strHive, CListForm form) {
  CHiveMaker hive(strHive);
  hive.Hive().eList = form.eList;
  hive.Hive().nLeafMax = form.nLeafMax;
  HKEY hKey = nullptr;
  if (registry.RegOpenKeyExA(hRoot, pszPath, &hKey) == ERROR_SUCCESS) {
    CopyKey(registry, hKey, hive, "");
    registry.RegCloseKey(hKey);
  }
  return hive.Commit();
}

bool IsBesideHives(const std::string& strEntry) {
  return strEntry.rfind("WINNT/system32/config/", 0) == 0 ||
         strEntry.find("/NTUSER.DAT") != std::string::npos;
}
}  // namespace

bool ConvertStoreToHives(const std::string& strMachine, ERegfList eList,
                         size_t nLeafMax) {
  const CListForm form{eList, nLeafMax};
  MakeHostDirectory(strMachine + "/WINNT/system32/config");
  MakeHostDirectory(strMachine + "/WINNT/Profiles/Administrator");
  {
    CFileRegistry store;
    std::string strError;
    if (store.Open(strMachine + "/registry", &strError) != ERROR_SUCCESS)
      return false;
    if (!CopyToHive(store, HKEY_LOCAL_MACHINE, "SYSTEM",
                    HivePath(strMachine, "SYSTEM"), form) ||
        !CopyToHive(store, HKEY_LOCAL_MACHINE, "SOFTWARE",
                    HivePath(strMachine, "SOFTWARE"), form) ||
        !CopyToHive(store, HKEY_USERS, ".DEFAULT",
                    HivePath(strMachine, "DEFAULT"), form) ||
        !CopyToHive(store, HKEY_CURRENT_USER, "", UserHivePath(strMachine),
                    form))
      return false;
    store.Close(&strError);
  }
  return std::system(("rm -rf '" + strMachine + "/registry'").c_str()) == 0;
}

std::vector<std::string> MachineFilesBesideHives(
    const std::string& strMachine) {
  std::vector<std::string> files;
  for (const std::string& strEntry : MachineFiles(strMachine))
    if (!IsBesideHives(strEntry)) files.push_back(strEntry);
  return files;
}

std::string HiveListings(const std::string& strMachine) {
  std::string strText;
  for (const std::string& strHive :
       {HivePath(strMachine, "SYSTEM"), HivePath(strMachine, "SOFTWARE"),
        HivePath(strMachine, "DEFAULT"), UserHivePath(strMachine)}) {
    strText += "== " + strHive.substr(strMachine.size()) + "\n";
    for (const std::string& strLine : ReglookupLines(strHive))
      strText += strLine + "\n";
  }
  return strText;
}
