#include <gtest/gtest.h>

#include "clear/ProgramFolderChoice.h"
#include "res/ClearStringIds.h"
#include "support/FakeMainForm.h"
#include "support/FileTestPlatform.h"

namespace {
const char kProgram[] = "C:\\Program Files\\Corvane\\Tessarine";

class ProgramFolderChoiceTest : public ::testing::Test {
 protected:
  ProgramFolderChoiceTest() {
    WriteHostFile(m_test.Host("Program Files/Corvane/Tessarine/Pcmcia.sys"),
                  "windows");
    WriteHostFile(m_test.Host("WINNT/system32/drivers/Pcmcia.sys"), "suite");
  }
  bool ProgramFolderExists() {
    return HostExists(m_test.Host("Program Files/Corvane/Tessarine"));
  }
  std::string DriverInPlace() {
    return ReadHostFile(m_test.Host("WINNT/system32/drivers/Pcmcia.sys"));
  }
  CFileTestPlatform m_test;
  CFakeMainForm m_form;
  CScriptedShell& Shell() { return m_test.m_shell; }
  CScriptedUser& User() { return m_test.m_platform.m_user; }
};

TEST_F(ProgramFolderChoiceTest, CancellingTheBrowserDeletesNothingAndSucceeds) {
  EXPECT_TRUE(SelectAndDeleteProgramFolder(m_form, FALSE));
  ASSERT_EQ(1u, Shell().m_browses.size());
  EXPECT_EQ(m_form.GetSafeHwnd(), Shell().m_browses[0].hwndOwner);
  EXPECT_EQ(static_cast<UINT>(BIF_RETURNONLYFSDIRS),
            Shell().m_browses[0].ulFlags);
  EXPECT_EQ(
      "Specify the Tessarine folder.  It is typically\n"
      "\"C:\\Program Files\\Corvane\\Tessarine\".",
      Shell().m_browses[0].strTitle);
  EXPECT_TRUE(User().m_boxes.empty());
  EXPECT_TRUE(ProgramFolderExists());
  EXPECT_EQ("suite", DriverInPlace());
}

// The browser offers only what the guard would take, and shows nothing
// while it asks.
TEST_F(ProgramFolderChoiceTest, TheBrowserOffersOnlyWhatTheGuardTakes) {
  WriteHostFile(m_test.Host("registry/HKEY_USERS.reg"), "");
  SelectAndDeleteProgramFolder(m_form, FALSE);
  ASSERT_EQ(1u, Shell().m_browses.size());
  const CFolderFilter pfnOffered = Shell().m_browses[0].pfnOffered;
  ASSERT_NE(nullptr, pfnOffered);
  EXPECT_TRUE(pfnOffered(kProgram));
  for (const char* pszRefused :
       {"C:\\", "C:\\registry", "C:\\run", "C:\\TEMP", "C:\\WINNT", "Z:\\etc"})
    EXPECT_FALSE(pfnOffered(pszRefused)) << pszRefused;
  EXPECT_TRUE(User().m_boxes.empty());
}

TEST_F(ProgramFolderChoiceTest, NoShowsTheBrowserAgainYesDeletes) {
  Shell().m_browseAnswers = {"C:\\Program Files\\Corvane", kProgram};
  User().m_answers = {IDNO, IDYES};
  EXPECT_TRUE(SelectAndDeleteProgramFolder(m_form, FALSE));
  EXPECT_EQ(2u, Shell().m_browses.size());
  ASSERT_EQ(2u, User().m_boxes.size());
  EXPECT_EQ(IDS_CONFIRM_PROGRAM_FOLDER, User().m_boxes[1].nIDPrompt);
  EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION),
            User().m_boxes[1].uType);
  EXPECT_EQ(std::string("You have selected \"") + kProgram +
                "\" as the Tessarine program folder.\n\n!!! THE ENTIRE "
                "CONTENTS OF THIS FOLDER WILL BE DELETED !!!\n\nDo you wish "
                "to continue?",
            User().m_boxes[1].strText);
  EXPECT_FALSE(ProgramFolderExists());
  EXPECT_TRUE(HostExists(m_test.Host("Program Files/Corvane")));
  EXPECT_EQ("windows", DriverInPlace());
  EXPECT_EQ(0u, Shell().LiveItemCount());
}

TEST_F(ProgramFolderChoiceTest, NoThenCancelDeletesNothing) {
  Shell().m_browseAnswers = {kProgram, ""};
  EXPECT_TRUE(SelectAndDeleteProgramFolder(m_form, FALSE));
  EXPECT_EQ(2u, Shell().m_browses.size());
  EXPECT_TRUE(ProgramFolderExists());
}

TEST_F(ProgramFolderChoiceTest, ShellFailuresEndTheChoiceWithoutDeleting) {
  struct {
    bool bFailMalloc;
    bool bFailPath;
    UINT nID;
  } cases[] = {{true, false, 124}, {false, true, 125}, {true, true, 124}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.nID);
    User().m_boxes.clear();
    Shell().m_bFailMalloc = c.bFailMalloc;
    Shell().m_bFailPathFromIDList = c.bFailPath;
    Shell().m_browseAnswers = {kProgram};
    User().m_answers = {IDYES};
    EXPECT_TRUE(SelectAndDeleteProgramFolder(m_form, FALSE));
    ASSERT_EQ(1u, User().m_boxes.size());
    EXPECT_EQ(c.nID, User().m_boxes[0].nIDPrompt);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION),
              User().m_boxes[0].uType);
    EXPECT_TRUE(ProgramFolderExists());
    User().m_answers.clear();
  }
}

TEST_F(ProgramFolderChoiceTest, AFolderWithASubfolderFailsTheStep) {
  WriteHostFile(m_test.Host("Program Files/Corvane/Tessarine/Help/a.htm"), "");
  Shell().m_browseAnswers = {kProgram};
  User().m_answers = {IDYES};
  EXPECT_FALSE(SelectAndDeleteProgramFolder(m_form, FALSE));
  EXPECT_TRUE(ProgramFolderExists());
}
TEST_F(ProgramFolderChoiceTest, ASystemFolderIsRefusedAndTheBrowserComesBack) {
  WriteHostFile(m_test.Host("WINNT/explorer.exe"), "keep");
  Shell().m_browseAnswers = {"C:\\WINNT", ""};
  EXPECT_TRUE(SelectAndDeleteProgramFolder(m_form, FALSE));
  EXPECT_EQ(2u, Shell().m_browses.size());
  EXPECT_EQ(std::vector<UINT>{IDS_NOT_A_PROGRAM_FOLDER}, User().BoxIds());
  EXPECT_EQ("keep", ReadHostFile(m_test.Host("WINNT/explorer.exe")));
  EXPECT_EQ("suite", DriverInPlace());
}
}  // namespace
