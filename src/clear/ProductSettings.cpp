#include "ProductSettings.h"

#include <string>

#include "UserinitList.h"
#include "sys/RegistryOps.h"

namespace {
const char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
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

void RemoveMardelFromUserinit() {
  std::string strList;
  ReadRegString(HKEY_LOCAL_MACHINE, kWinlogonKey, "Userinit", &strList);
  const std::string strKept = WithoutUserinitEntries(strList, "Mardel.exe");
  // An empty list would leave Windows without a logon program: when there
  // was nothing to read, or nothing would be left, the value stays as it is.
  if (strKept.empty()) return;
  WriteRegString(HKEY_LOCAL_MACHINE, kWinlogonKey, "Userinit", strKept);
}
}  // namespace

void RemoveProductSettings() {
  DeleteRegValue(HKEY_LOCAL_MACHINE, kRunKey, "Glimmet");
  RemoveMardelFromUserinit();
  for (const CSettingsKey& key : kSettingsKeys)
    DeleteRegKeyTree(key.hRoot, key.pszPath);
}
