#include <gtest/gtest.h>

#include "app/quorrelApp.h"
#include "clear/ClearRegistry.h"
#include "res/AppStringIds.h"
#include "res/ClearStringIds.h"
#include "res/UpdateStringIds.h"
#include "support/FakeMainForm.h"
#include "support/FaultyRegistry.h"
#include "support/FileTestPlatform.h"
#include "support/RegistryTestUtil.h"
#include "sys/RegistryOps.h"
#include "update/UpdateRegistry.h"

namespace {
const char kProgram[] = "C:\\Program Files\\Corvane\\Tessarine";
const char kVelcorKey[] = "System\\CurrentControlSet\\Services\\Velcor";
const char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

class ClearRegistryTest : public ::testing::Test {
 protected:
  ClearRegistryTest() {
    WriteRegDword(HKEY_LOCAL_MACHINE, kVelcorKey, "Start", 0);
    WriteRegString(HKEY_LOCAL_MACHINE, kRunKey, "Glimmet", "Glimmet.exe");
    WriteRegString(HKEY_LOCAL_MACHINE, kRunKey, "SystemTray", "SysTray.exe");
    WriteHostFile(m_test.Host("WINNT/system32/drivers/Velcor.sys"), "");
    WriteHostFile(m_test.Host("WINNT/system32/drivers/Pcmcia.sys"), "suite");
    WriteHostFile(m_test.Host("Program Files/Corvane/Tessarine/Pcmcia.sys"),
                  "windows");
    WriteHostFile(
        m_test.Host(std::string(kCommonProgramsHost) + "/Tessarine/Help.lnk"),
        "");
  }
  ~ClearRegistryTest() override { QuorrelApp().m_nBusyCount = 0; }

  // Everything the operation could change, as text.
  std::string Snapshot() {
    std::string strSnapshot = DumpRegistryTree(HKEY_LOCAL_MACHINE, "") +
                              DumpRegistryTree(HKEY_USERS, "") +
                              DumpRegistryTree(HKEY_CURRENT_USER, "");
    for (const std::string& strEntry : HostTreeListing(m_test.m_machine.Path()))
      strSnapshot += strEntry + "\n";
    return strSnapshot;
  }
  bool SuiteRemoved() {
    return !KeyExists(HKEY_LOCAL_MACHINE, kVelcorKey) &&
           !HostExists(m_test.Host("WINNT/system32/drivers/Velcor.sys")) &&
           !HostExists(
               m_test.Host(std::string(kCommonProgramsHost) + "/Tessarine"));
  }
  std::vector<UINT> Boxes() { return User().BoxIds(); }
  CScriptedUser& User() { return m_test.m_platform.m_user; }
  size_t Restarts() {
    return m_test.m_platform.m_security.m_shutdownRequests.size();
  }

  CFileTestPlatform m_test;
  CFakeMainForm m_form;
};

TEST_F(ClearRegistryTest, ANonAdministratorSeesOnlyTheRefusalInBothModes) {
  m_test.m_platform.SetAdministrator(false);
  const std::string strBefore = Snapshot();
  OnClearRegistry(m_form, FALSE);
  EXPECT_EQ(0, SilentClearRegistry(kProgram));
  EXPECT_EQ((std::vector<UINT>{IDS_NOT_ADMINISTRATOR, IDS_NOT_ADMINISTRATOR}),
            Boxes());
  EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONSTOP), User().m_boxes[0].uType);
  EXPECT_EQ(strBefore, Snapshot());
  EXPECT_TRUE(m_form.IsButtonEnabled(IDC_CLEAR_REGISTRY));
}

TEST_F(ClearRegistryTest, DecliningAnyQuestionPointsToManualRemoval) {
  struct {
    const char* pszWhat;
    std::deque<int> answers;
    std::vector<UINT> boxes;
  } cases[] = {
      {"No to the warning", {IDNO}, {IDS_CLEAR_WARNING, IDS_MANUAL_REMOVAL}},
      {"Cancel to the restart question",
       {IDYES, IDCANCEL},
       {IDS_CLEAR_WARNING, IDS_RESTART_BEFORE_CLEAR, IDS_MANUAL_REMOVAL}},
      {"Cancel to closing applications",
       {IDYES, IDNO, IDCANCEL},
       {IDS_CLEAR_WARNING, IDS_RESTART_BEFORE_CLEAR, IDS_CLOSE_APPLICATIONS,
        IDS_MANUAL_REMOVAL}},
  };
  const std::string strBefore = Snapshot();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszWhat);
    User().m_boxes.clear();
    User().m_answers = c.answers;
    OnClearRegistry(m_form, FALSE);
    EXPECT_EQ(c.boxes, Boxes());
    EXPECT_EQ(
        "For information on how to remove Tessarine from your computer "
        "manually, visit http://www.tessarine.example/support/removal.html.",
        User().m_boxes.back().strText);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONINFORMATION),
              User().m_boxes.back().uType);
    EXPECT_EQ(strBefore, Snapshot());
    EXPECT_TRUE(m_form.IsButtonEnabled(IDC_CLEAR_REGISTRY));
    EXPECT_EQ(0u, Restarts());
  }
  EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION),
            User().m_boxes[0].uType);
  EXPECT_EQ(static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION),
            User().m_boxes[1].uType);
  EXPECT_EQ(static_cast<UINT>(MB_OKCANCEL | MB_ICONEXCLAMATION),
            User().m_boxes[2].uType);
}

TEST_F(ClearRegistryTest, RestartingFirstRemovesNothing) {
  const std::string strBefore = Snapshot();
  User().m_answers = {IDYES, IDYES};
  OnClearRegistry(m_form, FALSE);
  EXPECT_EQ((std::vector<UINT>{IDS_CLEAR_WARNING, IDS_RESTART_BEFORE_CLEAR}),
            Boxes());
  EXPECT_EQ(1u, Restarts());
  EXPECT_EQ(strBefore, Snapshot());
  EXPECT_TRUE(m_form.IsButtonEnabled(IDC_CLEAR_REGISTRY));
}

TEST_F(ClearRegistryTest, AConfirmedClearRemovesEverythingAndOffersARestart) {
  m_test.m_shell.m_browseAnswers = {kProgram};
  User().m_answers = {IDYES, IDNO, IDOK, IDYES, IDOK, IDYES};
  const HWND hTray = User().AddWindow("Glimmet Background Application");
  OnClearRegistry(m_form, FALSE);
  EXPECT_EQ(
      (std::vector<UINT>{IDS_CLEAR_WARNING, IDS_RESTART_BEFORE_CLEAR,
                         IDS_CLOSE_APPLICATIONS, IDS_CONFIRM_PROGRAM_FOLDER,
                         IDS_CLEAR_COMPLETED, IDS_RESTART_QUESTION}),
      Boxes());
  EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONINFORMATION),
            User().m_boxes[4].uType);
  EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION),
            User().m_boxes[5].uType);
  EXPECT_TRUE(SuiteRemoved());
  EXPECT_FALSE(HostExists(m_test.Host("Program Files/Corvane/Tessarine")));
  EXPECT_EQ("windows",
            ReadHostFile(m_test.Host("WINNT/system32/drivers/Pcmcia.sys")));
  std::string strTray;
  ReadRegString(HKEY_LOCAL_MACHINE, kRunKey, "SystemTray", &strTray);
  EXPECT_EQ("SysTray.exe", strTray);
  EXPECT_EQ(std::vector<UINT>{WM_CLOSE}, User().Window(hTray).received);
  EXPECT_FALSE(m_form.IsButtonEnabled(IDC_CLEAR_REGISTRY));
  EXPECT_EQ(1u, Restarts());
  // The busy state was entered once and left before the closing message;
  // the restart's own busy state is never left.
  EXPECT_EQ(1u, QuorrelApp().m_nBusyCount);
}

TEST_F(ClearRegistryTest, AfterAClearTheUpdateIsRefused) {
  User().m_answers = {IDYES, IDNO, IDOK};  // browser cancelled: no 120
  OnClearRegistry(m_form, FALSE);
  EXPECT_EQ((std::vector<UINT>{IDS_CLEAR_WARNING, IDS_RESTART_BEFORE_CLEAR,
                               IDS_CLOSE_APPLICATIONS, IDS_CLEAR_COMPLETED,
                               IDS_RESTART_QUESTION}),
            Boxes());
  EXPECT_EQ(0u, Restarts());
  EXPECT_EQ(0u, QuorrelApp().m_nBusyCount);
  EXPECT_TRUE(HostExists(m_test.Host("Program Files/Corvane/Tessarine")));
  User().m_boxes.clear();
  OnUpdateRegistry(m_form);
  EXPECT_EQ(std::vector<UINT>{IDS_REINSTALL_FIRST}, Boxes());
}

TEST_F(ClearRegistryTest, AFailedFileStepOffersARestartInsteadOfSuccess) {
  m_test.m_files.m_dwSystemDirectoryError = ERROR_NOT_ENOUGH_MEMORY;
  User().m_answers = {IDYES, IDNO, IDOK, IDOK, IDYES};
  OnClearRegistry(m_form, FALSE);
  // 121 once: with the browser cancelled, only the driver files step needs
  // the system directory.
  EXPECT_EQ(
      (std::vector<UINT>{
          IDS_CLEAR_WARNING, IDS_RESTART_BEFORE_CLEAR, IDS_CLOSE_APPLICATIONS,
          IDS_GET_SYSTEM_DIRECTORY_FAILED, IDS_FILES_NOT_DELETED}),
      Boxes());
  EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION),
            User().m_boxes.back().uType);
  EXPECT_EQ(1u, Restarts());
  // Every later step ran all the same.
  EXPECT_FALSE(
      HostExists(m_test.Host(std::string(kCommonProgramsHost) + "/Tessarine")));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kVelcorKey));
}

// A registry that cannot store the Clear's changes: no file is deleted and
// no success announced, in either mode.
TEST_F(ClearRegistryTest, NoFileGoesWhenTheRegistryCannotStoreTheChanges) {
  m_test.m_platform.m_registry.m_lFlushError = ERROR_DISK_FULL;
  const std::vector<std::string> files =
      HostTreeListing(m_test.m_machine.Path());
  EXPECT_EQ(0, SilentClearRegistry(kProgram));
  EXPECT_EQ(files, HostTreeListing(m_test.m_machine.Path()));
  User().m_answers = {IDYES, IDNO, IDOK};
  OnClearRegistry(m_form, FALSE);
  EXPECT_EQ((std::vector<UINT>{IDS_CLEAR_WARNING, IDS_RESTART_BEFORE_CLEAR,
                               IDS_CLOSE_APPLICATIONS}),
            Boxes());
  EXPECT_EQ(files, HostTreeListing(m_test.m_machine.Path()));
  EXPECT_EQ(0u, Restarts());
}

TEST_F(ClearRegistryTest, SilentClearAsksNothingAndReportsSuccess) {
  const HWND hTray = User().AddWindow("Corvane Tessarine Tray");
  EXPECT_EQ(1, SilentClearRegistry(kProgram));
  EXPECT_TRUE(Boxes().empty());
  EXPECT_TRUE(SuiteRemoved());
  EXPECT_FALSE(HostExists(m_test.Host("Program Files/Corvane/Tessarine")));
  EXPECT_EQ("windows",
            ReadHostFile(m_test.Host("WINNT/system32/drivers/Pcmcia.sys")));
  EXPECT_EQ(std::vector<UINT>{WM_CLOSE}, User().Window(hTray).received);
  EXPECT_EQ(0u, QuorrelApp().m_nBusyCount);
  EXPECT_EQ(0, User().m_nWaitCursor);
  EXPECT_EQ(0u, Restarts());
}

TEST_F(ClearRegistryTest, SilentClearWithoutAFolderRunsEveryOtherStep) {
  EXPECT_EQ(0, SilentClearRegistry(""));
  EXPECT_EQ(std::vector<UINT>{IDS_NO_PROGRAM_FOLDER}, Boxes());
  EXPECT_TRUE(SuiteRemoved());
  EXPECT_TRUE(HostExists(m_test.Host("Program Files/Corvane/Tessarine")));
  EXPECT_EQ("suite",
            ReadHostFile(m_test.Host("WINNT/system32/drivers/Pcmcia.sys")));
}

TEST_F(ClearRegistryTest, SilentClearShowsErrorsOfTheStepsAndFails) {
  m_test.m_shell.m_hrSpecialFolder = E_FAIL;
  EXPECT_EQ(0, SilentClearRegistry(kProgram));
  EXPECT_EQ((std::vector<UINT>{IDS_SH_GET_SPECIAL_FOLDER_FAILED,
                               IDS_SH_GET_SPECIAL_FOLDER_FAILED}),
            Boxes());
  EXPECT_FALSE(HostExists(m_test.Host("Program Files/Corvane/Tessarine")));
}
}  // namespace

namespace {
bool DebugOutputHas(const CTestPlatform& platform, const std::string& strA,
                    const std::string& strB) {
  for (const std::string& strLine : platform.m_debug.m_lines)
    if (strLine.find(strA) != std::string::npos &&
        strLine.find(strB) != std::string::npos)
      return true;
  return false;
}

// A key or value that could not be removed (for any reason but not being
// there) fails the Clear, and the debug output names it with the error.
TEST_F(ClearRegistryTest, ARegistryRemovalThatFailsFailsTheClear) {
  // A subkey name of 128 characters does not fit the tree walk's buffer.
  WriteRegDword(HKEY_LOCAL_MACHINE,
                std::string(kVelcorKey) + "\\" + std::string(128, 'k'), "x", 1);
  EXPECT_EQ(0, SilentClearRegistry(kProgram));
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kVelcorKey));
  EXPECT_TRUE(
      DebugOutputHas(m_test.m_platform, "Services\\Velcor", "error 234"));
  EXPECT_FALSE(HostExists(m_test.Host("WINNT/system32/drivers/Velcor.sys")));
}

// A registry that can't be changed at all (busy past its bound, not
// writable) stops the Clear before its first file step: the drivers stay
// while the registry still starts them.
TEST_F(ClearRegistryTest, AStoreThatCannotBeUsedStopsBeforeTheFiles) {
  CFaultyRegistry busy;
  CPlatform platform = Platform();
  platform.pRegistry = &busy;
  SetPlatform(platform);
  WriteRegDword(HKEY_LOCAL_MACHINE, kVelcorKey, "Start", 0);
  busy.m_lDeleteError = ERROR_SHARING_VIOLATION;
  EXPECT_EQ(0, SilentClearRegistry(kProgram));
  ASSERT_EQ((std::vector<UINT>{IDS_REGISTRY_NOT_USABLE}), Boxes());
  EXPECT_NE(std::string::npos, User().m_boxes[0].strText.find("error 32"));
  EXPECT_TRUE(HostExists(m_test.Host("WINNT/system32/drivers/Velcor.sys")));
  EXPECT_EQ(
      "windows",
      ReadHostFile(m_test.Host("Program Files/Corvane/Tessarine/Pcmcia.sys")));
  m_test.m_platform.Install();
}
}  // namespace
