#include "ProductSettings.h"

#include <string>
#include <vector>

#include "SystemFolders.h"
#include "UserinitList.h"
#include "platform/Platform.h"
#include "sys/RegistryOps.h"
#include "sys/ScopedHandles.h"

namespace {
const char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kMardel[] = "Mardel.exe";
const char kWinlogonKey[] =
    "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";

struct CSettingsKey {
  HKEY hRoot;
  const char* pszPath;
};
// In the order they are removed. The maker's own keys above them stay, even
// when nothing is left below. ".DEFAULT" and ".Default" name the same key.
const CSettingsKey kSettingsKeys[] = {
    {HKEY_LOCAL_MACHINE, "SOFTWARE\\Corvane\\Tessarine for Windows NT"},
    {HKEY_CURRENT_USER, "SOFTWARE\\Corvane\\Tessarine for Windows NT"},
    {HKEY_USERS, ".DEFAULT\\Software\\Corvane\\Tessarine for Windows NT"},
    {HKEY_LOCAL_MACHINE,
     "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessarine for "
     "Windows NT"},
    {HKEY_USERS, ".Default\\Software\\Corvane\\ATA"},
    {HKEY_USERS, ".Default\\Software\\Corvane\\Sound"},
    {HKEY_USERS, ".Default\\Software\\Corvane\\COM"},
};

// The list as stored, with its type: REG_SZ, or REG_EXPAND_SZ when it names
// %SystemRoot%. FALSE for a value that is missing, not text or longer than
// the string buffer.
BOOL QueryUserinit(HKEY hWinlogon, std::string* pstrList, DWORD* pdwType) {
  std::vector<char> buffer(kRegStringBufferSize + 1, '\0');
  DWORD cbData = kRegStringBufferSize;
  if (Registry().RegQueryValueExA(hWinlogon, "Userinit", pdwType,
                                  reinterpret_cast<BYTE*>(buffer.data()),
                                  &cbData) != ERROR_SUCCESS)
    return FALSE;
  if (*pdwType != REG_SZ && *pdwType != REG_EXPAND_SZ) return FALSE;
  buffer[cbData] = '\0';
  pstrList->assign(buffer.data());
  return TRUE;
}

// The list without the suite's program. One that would then start no
// program at all gets Windows' own logon program in its place: Windows
// would otherwise log every user off at once.
std::string ListWithoutMardel(const std::string& strList) {
  const std::string strKept = WithoutUserinitEntries(strList, kMardel);
  std::string strSystem;
  if (HasUserinitProgram(strKept) || !FetchSystemDirectory(&strSystem))
    return strKept;
  return ReplacingUserinitEntries(strList, kMardel,
                                  strSystem + "\\userinit.exe");
}

void RemoveMardelFromUserinit(CRegistryTally& tally) {
  CScopedRegKey winlogon;
  if (!OpenRegKey(HKEY_LOCAL_MACHINE, kWinlogonKey, winlogon.Receive())) return;
  std::string strList;
  DWORD dwType = REG_NONE;
  if (!QueryUserinit(winlogon.Get(), &strList, &dwType)) return;
  const std::string strKept = ListWithoutMardel(strList);
  // Nothing of the suite's: the value is not touched at all.
  if (strKept == strList || !HasUserinitProgram(strKept)) return;
  // The type stays: a REG_EXPAND_SZ written back as REG_SZ would no longer
  // expand %SystemRoot%, and nobody could log on.
  LONG lResult =
      Registry().RegSetValueExA(winlogon.Get(), "Userinit", dwType,
                                reinterpret_cast<const BYTE*>(strKept.c_str()),
                                static_cast<DWORD>(strKept.size() + 1));
  if (lResult == ERROR_SUCCESS)
    lResult = Registry().RegFlushKey(winlogon.Get());
  SetLastError(static_cast<DWORD>(lResult));
  tally.Write(lResult == ERROR_SUCCESS, kWinlogonKey, "Userinit");
}
}  // namespace

void RemoveProductSettings(CRegistryTally& tally) {
  tally.Removal(DeleteRegValue(HKEY_LOCAL_MACHINE, kRunKey, "Glimmet"), kRunKey,
                "Glimmet");
  RemoveMardelFromUserinit(tally);
  for (const CSettingsKey& key : kSettingsKeys)
    tally.Removal(DeleteRegKeyTree(key.hRoot, key.pszPath), key.pszPath);
}
