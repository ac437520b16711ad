#include <gtest/gtest.h>

#include "app/RunMode.h"
#include "app/quorrelApp.h"
#include "fw/StringTable.h"
#include "res/AppStringIds.h"
#include "support/ResultFileFake.h"
#include "support/TestPlatform.h"

namespace {
class StartupTest : public ::testing::Test {
 protected:
  StartupTest() {
    CPlatform platform = Platform();
    platform.pFiles = &m_files;
    SetPlatform(platform);
    ResetRunMode();
  }

  BOOL Start(const std::vector<std::string>& args) {
    CquorrelApp app;
    app.m_args = args;
    return app.InitInstance();
  }

  const std::string& Log() { return m_files.m_files["quorrel.log"]; }
  bool LogExists() const { return m_files.m_files.count("quorrel.log") != 0; }

  CTestPlatform m_platform;
  CResultFileFake m_files;
};

TEST_F(StartupTest, SilentUpdateByAnAdministratorWritesExactlyTenBytes) {
  m_files.m_files["quorrel.log"] = "old content that is longer";
  EXPECT_FALSE(Start({"-s", "update"}));
  EXPECT_EQ("Update=1\r\n", Log());
  EXPECT_EQ(0, m_files.m_nOpen);
  EXPECT_TRUE(m_platform.m_user.m_boxes.empty());
}

TEST_F(StartupTest, SilentUpdateWithoutRightsShowsTheRefusalAndWritesZero) {
  m_platform.SetAdministrator(false);
  Start({"-s", "update"});
  EXPECT_EQ("Update=0\r\n", Log());
  ASSERT_EQ(1u, m_platform.m_user.m_boxes.size());
  EXPECT_EQ(IDS_NOT_ADMINISTRATOR, m_platform.m_user.m_boxes[0].nIDPrompt);
  EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP),
            m_platform.m_user.m_boxes[0].Icon());
}

TEST_F(StartupTest, MalformedLineShowsUsageWithStopIconAndWritesNoFile) {
  Start({"-s", "update", "-v"});
  EXPECT_FALSE(LogExists());
  ASSERT_EQ(1u, m_platform.m_user.m_boxes.size());
  const auto& box = m_platform.m_user.m_boxes[0];
  EXPECT_EQ(IDS_USAGE, box.nIDPrompt);
  EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), box.Icon());
  EXPECT_EQ("Corvane Tessarine Registry Update Utility for Windows NT",
            box.strCaption);
  EXPECT_EQ(
      "Usage:\nquorrel [-s (update,delete), -v] [-d "
      "<Tessarine_ProgramFiles_Dir_Pathname>]\n\ts - silient mode\n\tv - "
      "verbose error mode",
      box.strText);
}

TEST_F(StartupTest, UsageRequestShowsUsageWithInformationIcon) {
  Start({"-?"});
  ASSERT_EQ(1u, m_platform.m_user.m_boxes.size());
  EXPECT_EQ(IDS_USAGE, m_platform.m_user.m_boxes[0].nIDPrompt);
  EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION),
            m_platform.m_user.m_boxes[0].Icon());
  EXPECT_FALSE(LogExists());
}

TEST_F(StartupTest, EarlierInstanceIsBroughtForwardAndNothingIsShown) {
  const HWND hOther = m_platform.m_user.AddWindow(LoadResString(IDS_APP_TITLE));
  m_platform.m_user.Window(hOther).bIconic = true;
  EXPECT_FALSE(Start({"-?"}));
  EXPECT_TRUE(m_platform.m_user.m_boxes.empty());
  EXPECT_FALSE(m_platform.m_user.Window(hOther).bIconic);
  EXPECT_TRUE(m_platform.m_user.Window(hOther).bForeground);
}

TEST_F(StartupTest, HiddenEarlierInstanceIsShown) {
  const HWND hOther = m_platform.m_user.AddWindow(LoadResString(IDS_APP_TITLE));
  m_platform.m_user.Window(hOther).bVisible = false;
  EXPECT_FALSE(Start({}));
  EXPECT_TRUE(m_platform.m_user.Window(hOther).bVisible);
}

TEST_F(StartupTest, SilentRunIgnoresAnOpenInteractiveInstance) {
  m_platform.m_user.AddWindow(LoadResString(IDS_APP_TITLE));
  Start({"-s", "update"});
  EXPECT_EQ("Update=1\r\n", Log());
}

TEST_F(StartupTest, WindowWithALongerTitleIsNoEarlierInstance) {
  m_platform.m_user.AddWindow(LoadResString(IDS_APP_TITLE) + " - Help");
  Start({"-h"});
  EXPECT_EQ(1u, m_platform.m_user.m_boxes.size());
}

TEST_F(StartupTest, ResultFileThatCannotBeCreatedStopsTheOperation) {
  m_files.m_bFailCreate = true;
  m_files.m_dwError = ERROR_ACCESS_DENIED;
  Start({"-s", "update"});
  ASSERT_EQ(1u, m_platform.m_user.m_boxes.size());
  const auto& box = m_platform.m_user.m_boxes[0];
  EXPECT_EQ(IDS_CREATE_FILE_FAILED, box.nIDPrompt);
  EXPECT_EQ("Create file failed with error 5.", box.strText);
  EXPECT_EQ(static_cast<UINT>(MB_OK), box.uType);
  // The update never ran.
  HKEY hKey = nullptr;
  EXPECT_NE(
      ERROR_SUCCESS,
      m_platform.m_registry.RegOpenKeyExA(
          HKEY_LOCAL_MACHINE,
          "System\\CurrentControlSet\\Services\\Dovrel\\DataBase", &hKey));
}

TEST_F(StartupTest, FailedWriteIsReportedAfterTheOperationRan) {
  m_files.m_bFailWrite = true;
  m_files.m_dwError = ERROR_WRITE_FAULT;
  Start({"-s", "update"});
  ASSERT_EQ(1u, m_platform.m_user.m_boxes.size());
  EXPECT_EQ("Write file failed with error 29.",
            m_platform.m_user.m_boxes[0].strText);
  EXPECT_EQ(0, m_files.m_nOpen);
  HKEY hKey = nullptr;
  EXPECT_EQ(
      ERROR_SUCCESS,
      m_platform.m_registry.RegOpenKeyExA(
          HKEY_LOCAL_MACHINE,
          "System\\CurrentControlSet\\Services\\Dovrel\\DataBase", &hKey));
}
}  // namespace
