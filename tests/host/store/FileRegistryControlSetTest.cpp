// HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet stands for the control set
// that SYSTEM\Select "Current" names, as on Windows; it is never stored,
// and the other control sets are never touched.
#include <gtest/gtest.h>

#include "platform/host/store/FileRegistry.h"
#include "support/StoreTestUtil.h"

namespace {
const char kServices[] = "System\\CurrentControlSet\\Services\\Dovrel";

class FileRegistryControlSet : public ::testing::Test {
 protected:
  std::string Path() const { return InDir(m_dir, "HKEY_LOCAL_MACHINE.reg"); }
  void Open() {
    std::string strError;
    ASSERT_EQ(ERROR_SUCCESS, m_store.Open(m_dir.Path(), &strError)) << strError;
  }
  void Close() {
    std::string strError;
    ASSERT_EQ(ERROR_SUCCESS, m_store.Close(&strError)) << strError;
  }
  CTempDir m_dir;
  CFileRegistry m_store;
};

TEST_F(FileRegistryControlSet, WithoutSelectItIsControlSet001) {
  Open();
  ASSERT_TRUE(PutString(m_store, HKEY_LOCAL_MACHINE, kServices, "v", "1"));
  EXPECT_TRUE(KeyExists(m_store, HKEY_LOCAL_MACHINE,
                        "SYSTEM\\ControlSet001\\Services\\Dovrel"));
  Close();
  const std::string strFile = ReadWholeFile(Path());
  EXPECT_NE(std::string::npos,
            strFile.find("[HKEY_LOCAL_MACHINE\\SYSTEM\\ControlSet001\\Services"
                         "\\Dovrel]\r\n\"v\"=\"1\""));
  EXPECT_EQ(std::string::npos, strFile.find("CurrentControlSet"));
}

TEST_F(FileRegistryControlSet, SelectCurrentNamesTheSet) {
  const std::string strSet1 =
      "[HKEY_LOCAL_MACHINE\\SYSTEM\\ControlSet001\\Services\\Dovrel]\r\n"
      "\"v\"=\"one\"\r\n\r\n";
  const std::string strSeed =
      "REGEDIT4\r\n\r\n" + strSet1 +
      "[HKEY_LOCAL_MACHINE\\SYSTEM\\ControlSet002\\Services\\Dovrel]\r\n"
      "\"v\"=\"two\"\r\n\r\n"
      "[HKEY_LOCAL_MACHINE\\SYSTEM\\Select]\r\n\"Current\"=dword:00000002\r\n"
      "\"Default\"=dword:00000001\r\n\r\n";
  WriteWholeFile(Path(), strSeed);
  Open();
  DWORD dwType = 0;
  std::vector<BYTE> data;
  ASSERT_TRUE(
      GetValue(m_store, HKEY_LOCAL_MACHINE, kServices, "v", &dwType, &data));
  EXPECT_EQ(SzBytes("two"), data);
  ASSERT_TRUE(PutString(m_store, HKEY_LOCAL_MACHINE, kServices, "v", "new"));
  Close();
  const std::string strFile = ReadWholeFile(Path());
  EXPECT_NE(std::string::npos, strFile.find(strSet1));
  EXPECT_NE(std::string::npos, strFile.find("\"v\"=\"new\""));
  EXPECT_EQ(std::string::npos, strFile.find("\"two\""));
}

TEST_F(FileRegistryControlSet, SectionsWrittenThroughTheLinkAreRead) {
  // Exports of a live registry list CurrentControlSet like any key.
  const std::string strSeed =
      "REGEDIT4\r\n\r\n"
      "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Dovrel]\r\n"
      "\"v\"=\"through\"\r\n\r\n"
      "[HKEY_LOCAL_MACHINE\\SYSTEM\\Select]\r\n\"Current\"=dword:00000003\r\n";
  WriteWholeFile(Path(), strSeed);
  Open();
  DWORD dwType = 0;
  std::vector<BYTE> data;
  ASSERT_TRUE(GetValue(m_store, HKEY_LOCAL_MACHINE,
                       "SYSTEM\\ControlSet003\\Services\\Dovrel", "v", &dwType,
                       &data));
  EXPECT_EQ(SzBytes("through"), data);
  // The link shows among the keys of SYSTEM, as on Windows.
  EXPECT_TRUE(
      KeyExists(m_store, HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet"));
  Close();
  EXPECT_EQ(strSeed,
            ReadWholeFile(Path()));  // nothing changed, nothing written
}

TEST_F(FileRegistryControlSet, CurrentOutOfRangeFallsBackToTheFirstSet) {
  WriteWholeFile(Path(),
                 "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SYSTEM\\Select]\r\n"
                 "\"Current\"=dword:00000000\r\n");
  Open();
  ASSERT_TRUE(PutString(m_store, HKEY_LOCAL_MACHINE, kServices, "v", "1"));
  EXPECT_TRUE(KeyExists(m_store, HKEY_LOCAL_MACHINE,
                        "SYSTEM\\ControlSet001\\Services\\Dovrel"));
}
TEST_F(FileRegistryControlSet, WriteReadsBackWhenBothNamesOfAKeyHaveSections) {
  // Sections through the link are applied last, so their lines hold the
  // value; a write replaces that line, not the twin's.
  WriteWholeFile(
      Path(),
      "REGEDIT4\r\n\r\n"
      "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Dovrel]"
      "\r\n\"v\"=\"OLD-CCS\"\r\n\r\n"
      "[HKEY_LOCAL_MACHINE\\SYSTEM\\ControlSet001\\Services\\Dovrel]\r\n"
      "\"v\"=\"OLD-001\"\r\n\r\n");
  Open();
  DWORD dwType = 0;
  std::vector<BYTE> data;
  ASSERT_TRUE(
      GetValue(m_store, HKEY_LOCAL_MACHINE, kServices, "v", &dwType, &data));
  EXPECT_EQ(SzBytes("OLD-CCS"), data);
  ASSERT_TRUE(PutString(m_store, HKEY_LOCAL_MACHINE, kServices, "v", "COMBO"));
  ASSERT_TRUE(PutString(m_store, HKEY_LOCAL_MACHINE, kServices, "n", "NEW"));
  Close();
  CFileRegistry reread;
  std::string strError;
  ASSERT_EQ(ERROR_SUCCESS, reread.Open(m_dir.Path(), &strError)) << strError;
  for (const char* pszName : {"v", "n"}) {
    ASSERT_TRUE(GetValue(reread, HKEY_LOCAL_MACHINE, kServices, pszName,
                         &dwType, &data));
    EXPECT_EQ(SzBytes(*pszName == 'v' ? "COMBO" : "NEW"), data);
  }
}
}  // namespace
