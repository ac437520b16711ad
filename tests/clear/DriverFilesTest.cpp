#include <gtest/gtest.h>

#include "clear/FileRemoval.h"
#include "res/ClearStringIds.h"
#include "support/FileTestPlatform.h"

namespace {
const char* const kSuiteDrivers[] = {
    "Pellin.sys", "Pellix.sys", "Gorvan.sys", "Kestan.sys",  "Velcor.sys",
    "Quesk.sys",  "Yurrin.sys", "Wembic.sys", "Zandre.sys",  "Fennet.sys",
    "Dovrel.sys", "Mirrow.sys", "Sidrel.sys", "Brannic.sys", "Tallum.sys",
    "Orvik.sys",  "Harnow.sys", "Lorrin.dll"};
const char kDrivers[] = "WINNT/system32/drivers/";
const char kTrevantExe[] = "C:\\WINNT\\system32\\drivers\\Trevant.exe";

class DriverFilesTest : public ::testing::Test {
 protected:
  CFileTestPlatform m_test;
  std::string Driver(const std::string& strName) {
    return m_test.Host(kDrivers + strName);
  }
  const std::vector<CScriptedUser::CBox>& Boxes() {
    return m_test.m_platform.m_user.m_boxes;
  }
};

TEST_F(DriverFilesTest, SuiteDriversAndTheManagerGoWindowsDriversStay) {
  for (const char* pszDriver : kSuiteDrivers)
    WriteHostFile(Driver(pszDriver), "");
  WriteHostFile(Driver("TREVANT.EXE"), "");
  for (const char* pszKeep : {"Pcmcia.sys", "Cdrom.sys", "atdisk.sys",
                              "Pellin.sys.bak", "Trevant.dll"})
    WriteHostFile(Driver(pszKeep), "keep");
  m_test.m_services.m_services["Trevant"].dwState = SERVICE_RUNNING;

  EXPECT_TRUE(DeleteDriverFiles(FALSE));
  EXPECT_EQ((std::vector<std::string>{"Cdrom.sys=keep", "Pcmcia.sys=keep",
                                      "Pellin.sys.bak=keep", "Trevant.dll=keep",
                                      "atdisk.sys=keep"}),
            HostTreeListing(m_test.Host(kDrivers)));
  // The manager's file goes last, after its service was stopped.
  ASSERT_EQ(19u, m_test.m_files.m_deletes.size());
  EXPECT_EQ(kTrevantExe, m_test.m_files.m_deletes.back());
  EXPECT_EQ(static_cast<DWORD>(SERVICE_STOPPED),
            m_test.m_services.m_services["Trevant"].dwState);
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(DriverFilesTest, OnlyTheManagerFileDecidesTheResult) {
  WriteHostFile(Driver("Pellin.sys"), "ro");
  SetHostReadOnly(Driver("Pellin.sys"), true);
  EXPECT_TRUE(DeleteDriverFiles(TRUE));  // nothing else there: nothing missed
  EXPECT_TRUE(HostExists(Driver("Pellin.sys")));
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(DriverFilesTest, AManagerFileInUseFailsAndIsReportedWhenVerbose) {
  WriteHostFile(Driver("Trevant.exe"), "");
  for (BOOL bVerbose : {FALSE, TRUE}) {
    SCOPED_TRACE(bVerbose);
    m_test.m_platform.m_user.m_boxes.clear();
    m_test.m_files.m_deleteErrors[kTrevantExe] = ERROR_SHARING_VIOLATION;
    EXPECT_FALSE(DeleteDriverFiles(bVerbose));
    ASSERT_EQ(bVerbose ? 1u : 0u, Boxes().size());
    if (bVerbose) {
      EXPECT_EQ(IDS_DELETE_FILE_FAILED, Boxes()[0].nIDPrompt);
      EXPECT_EQ(std::string("Failed to delete file ") + kTrevantExe +
                    " with error 32.",
                Boxes()[0].strText);
    }
  }
}

TEST_F(DriverFilesTest, AFailingSystemDirectoryQueryIsAlwaysReported) {
  WriteHostFile(Driver("Pellin.sys"), "");
  m_test.m_files.m_dwSystemDirectoryError = ERROR_NOT_ENOUGH_MEMORY;
  EXPECT_FALSE(DeleteDriverFiles(FALSE));
  ASSERT_EQ(1u, Boxes().size());
  EXPECT_EQ(IDS_GET_SYSTEM_DIRECTORY_FAILED, Boxes()[0].nIDPrompt);
  EXPECT_EQ("The GetSystemDirectory system call  failed with error 8.",
            Boxes()[0].strText);
  EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), Boxes()[0].uType);
  EXPECT_TRUE(HostExists(Driver("Pellin.sys")));
  EXPECT_TRUE(m_test.m_services.m_calls.empty());
}
}  // namespace
