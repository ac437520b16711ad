#include <gtest/gtest.h>

#include "clear/ProductSettings.h"
#include "support/FileTestPlatform.h"
#include "support/RegistryTestUtil.h"
#include "sys/RegistryOps.h"

namespace {
const char kRun[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kWinlogon[] =
    "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
const char kUninstall[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const char kSettings[] = "SOFTWARE\\Corvane\\Tessarine for Windows NT";

class ProductSettingsTest : public ::testing::Test {
 protected:
  CFileTestPlatform m_test;  // the system folder, for userinit.exe
  CTestPlatform& m_platform = m_test.m_platform;
  CRegistryTally m_tally;

  void SetUserinit(DWORD dwType, const std::string& strText) {
    SetRawValue(HKEY_LOCAL_MACHINE, kWinlogon, "Userinit", dwType,
                CBytes(strText.begin(), strText.end() + 1));
  }
  std::string Userinit(DWORD* pdwType) {
    CBytes bytes;
    if (!GetRawValue(HKEY_LOCAL_MACHINE, kWinlogon, "Userinit", pdwType,
                     &bytes))
      return "<missing>";
    return std::string(bytes.begin(), bytes.end());
  }
};

TEST_F(ProductSettingsTest, RemovesTheSuiteEntriesAndKeysAndNothingElse) {
  WriteRegString(HKEY_LOCAL_MACHINE, kRun, "Glimmet", "C:\\Glimmet.exe");
  WriteRegString(HKEY_LOCAL_MACHINE, kRun, "SystemTray", "SysTray.Exe");
  SetUserinit(REG_EXPAND_SZ,
              "%SystemRoot%\\system32\\userinit.exe,C:\\T\\Mardel.exe,");
  WriteRegString(HKEY_LOCAL_MACHINE, kWinlogon, "Shell", "Explorer.exe");
  for (HKEY hRoot : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
    WriteRegDword(hRoot, std::string(kSettings) + "\\Options", "Notify", 1);
  WriteRegDword(HKEY_LOCAL_MACHINE, "SOFTWARE\\Corvane\\Other", "Keep", 1);
  WriteRegDword(HKEY_USERS,
                ".DEFAULT\\Software\\Corvane\\Tessarine for "
                "Windows NT\\Slot0",
                "X", 1);
  for (const char* pszDevice : {"ATA", "Sound", "COM"})
    WriteRegDword(
        HKEY_USERS,
        std::string(".DEFAULT\\Software\\Corvane\\") + pszDevice + "\\Card1",
        "X", 1);
  WriteRegDword(HKEY_USERS, ".DEFAULT\\Software\\Corvane\\Modem", "Keep", 1);
  WriteRegDword(HKEY_USERS, "S-1-5-21-7\\Software\\Corvane\\ATA", "Keep", 1);
  WriteRegString(HKEY_LOCAL_MACHINE,
                 std::string(kUninstall) + "\\Tessarine for Windows NT",
                 "UninstallString", "x");
  WriteRegString(HKEY_LOCAL_MACHINE, std::string(kUninstall) + "\\Other",
                 "UninstallString", "y");

  RemoveProductSettings(m_tally);

  std::string strGlimmet;
  ReadRegString(HKEY_LOCAL_MACHINE, kRun, "Glimmet", &strGlimmet);
  EXPECT_EQ("", strGlimmet);
  std::string strTray;
  ReadRegString(HKEY_LOCAL_MACHINE, kRun, "SystemTray", &strTray);
  EXPECT_EQ("SysTray.Exe", strTray);
  DWORD dwType = 0;
  EXPECT_EQ(std::string("%SystemRoot%\\system32\\userinit.exe,") + '\0',
            Userinit(&dwType));
  EXPECT_EQ(static_cast<DWORD>(REG_EXPAND_SZ), dwType);
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kSettings));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kSettings));
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Corvane"));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, "SOFTWARE\\Corvane"));
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Corvane\\Other"));
  for (const char* pszDevice :
       {"Tessarine for Windows NT", "ATA", "Sound", "COM"})
    EXPECT_FALSE(KeyExists(HKEY_USERS, std::string(".DEFAULT\\Software\\"
                                                   "Corvane\\") +
                                           pszDevice))
        << pszDevice;
  EXPECT_TRUE(KeyExists(HKEY_USERS, ".DEFAULT\\Software\\Corvane\\Modem"));
  EXPECT_TRUE(KeyExists(HKEY_USERS, "S-1-5-21-7\\Software\\Corvane\\ATA"));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, std::string(kUninstall) +
                                                 "\\Tessarine for Windows NT"));
  EXPECT_TRUE(
      KeyExists(HKEY_LOCAL_MACHINE, std::string(kUninstall) + "\\Other"));
  EXPECT_EQ(0u, m_platform.m_registry.OpenHandleCount());
}

TEST_F(ProductSettingsTest, WithoutTheSuiteNothingIsWritten) {
  SetUserinit(REG_EXPAND_SZ, "userinit,");
  WriteRegString(HKEY_LOCAL_MACHINE, kRun, "SystemTray", "SysTray.Exe");
  const std::string strBefore = DumpRegistryTree(HKEY_LOCAL_MACHINE, "");
  RemoveProductSettings(m_tally);
  EXPECT_EQ(strBefore, DumpRegistryTree(HKEY_LOCAL_MACHINE, ""));
  EXPECT_FALSE(KeyExists(HKEY_USERS, ".DEFAULT\\Software\\Corvane"));
}

// Windows must keep a logon program: a list that reads as empty, or that
// would be left empty, is not written.
// Windows logs every user off at once when Userinit starts no program: the
// suite's entry, when it is the only one, gives way to Windows' own logon
// program, in the value's type and with its commas.
TEST_F(ProductSettingsTest, UserinitIsNeverLeftWithoutAProgram) {
  for (DWORD dwType : {REG_SZ, REG_EXPAND_SZ}) {
    SetUserinit(dwType, " ,C:\\T\\Mardel.exe, ,mardel.exe -q,");
    RemoveProductSettings(m_tally);
    DWORD dwRead = 0;
    EXPECT_EQ(std::string(" ,C:\\WINNT\\system32\\userinit.exe, ,") + '\0',
              Userinit(&dwRead));
    EXPECT_EQ(dwType, dwRead);
  }
}

TEST_F(ProductSettingsTest, UserinitIsNeverLeftEmpty) {
  struct {
    const char* pszWhat;
    DWORD dwType;
    std::string strStored;
  } cases[] = {
      {"empty", REG_SZ, ""},
      {"not text", REG_DWORD, "abc"},
      {"longer than 2048 bytes", REG_SZ, "userinit," + std::string(2100, 'x')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszWhat);
    SetUserinit(c.dwType, c.strStored);
    RemoveProductSettings(m_tally);
    DWORD dwType = 0;
    EXPECT_EQ(c.strStored + '\0', Userinit(&dwType));
    EXPECT_EQ(c.dwType, dwType);
  }
  DeleteRegValue(HKEY_LOCAL_MACHINE, kWinlogon, "Userinit");
  RemoveProductSettings(m_tally);
  DWORD dwType = 0;
  EXPECT_EQ("<missing>", Userinit(&dwType));
}
}  // namespace
