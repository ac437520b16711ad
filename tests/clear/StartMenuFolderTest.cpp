#include <gtest/gtest.h>
#include <unistd.h>

#include "clear/FileRemoval.h"
#include "support/FileTestPlatform.h"

namespace {
class StartMenuFolderTest : public ::testing::Test {
 protected:
  CFileTestPlatform m_test;
  const std::vector<CScriptedUser::CBox>& Boxes() {
    return m_test.m_platform.m_user.m_boxes;
  }
};

TEST_F(StartMenuFolderTest, TessarineEntriesGoFromBothProgramsFolders) {
  for (const char* pszPrograms : {kCommonProgramsHost, kUserProgramsHost}) {
    const std::string strPrograms = m_test.Host(pszPrograms) + "/";
    WriteHostFile(strPrograms + "Tessarine/Tessarine Help.lnk", "");
    WriteHostFile(strPrograms + "Tessarine/Tools/Glimmet.lnk", "");
    WriteHostFile(strPrograms + "Tessarine Uninstall.lnk", "");
    WriteHostFile(strPrograms + "Accessories/Tessarine.lnk", "keep");
    WriteHostFile(strPrograms + "My Tessarine.lnk", "keep");
  }
  for (int nFolder : {CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS}) {
    SCOPED_TRACE(nFolder);
    EXPECT_TRUE(DeleteStartMenuFolder(nFolder, FALSE));
  }
  for (const char* pszPrograms : {kCommonProgramsHost, kUserProgramsHost})
    EXPECT_EQ((std::vector<std::string>{"Accessories/",
                                        "Accessories/Tessarine.lnk=keep",
                                        "My Tessarine.lnk=keep"}),
              HostTreeListing(m_test.Host(pszPrograms)));
  EXPECT_EQ(0u, m_test.m_shell.LiveItemCount());
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(StartMenuFolderTest, ALinkedEntryGoesAndItsTargetStays) {
  CTempDirectory outside;
  WriteHostFile(outside / "Tools/keep.exe", "keep");
  const std::string strPrograms = m_test.Host(kUserProgramsHost) + "/";
  WriteHostFile(strPrograms + "Accessories/Notepad.lnk", "keep");
  ASSERT_EQ(0, symlink((outside / "Tools").c_str(),
                       (strPrograms + "Tessarine Tools").c_str()));
  EXPECT_TRUE(DeleteStartMenuFolder(CSIDL_PROGRAMS, FALSE));
  EXPECT_EQ((std::vector<std::string>{"Accessories/",
                                      "Accessories/Notepad.lnk=keep"}),
            HostTreeListing(strPrograms));
  EXPECT_EQ((std::vector<std::string>{"Tools/", "Tools/keep.exe=keep"}),
            HostTreeListing(outside.Path()));
}

TEST_F(StartMenuFolderTest, ShellFailuresAreReported) {
  m_test.m_shell.m_hrSpecialFolder = E_FAIL;
  EXPECT_FALSE(DeleteStartMenuFolder(CSIDL_PROGRAMS, FALSE));
  m_test.m_shell.m_hrSpecialFolder = S_OK;
  m_test.m_shell.m_bFailPathFromIDList = true;
  EXPECT_FALSE(DeleteStartMenuFolder(CSIDL_COMMON_PROGRAMS, FALSE));
  ASSERT_EQ(2u, Boxes().size());
  EXPECT_EQ("The SHGetSpecialFolderLocation call failed.", Boxes()[0].strText);
  EXPECT_EQ("The SHGetPathFromIDList system call failed.", Boxes()[1].strText);
  for (const auto& box : Boxes())
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), box.uType);
  EXPECT_EQ(0u, m_test.m_shell.LiveItemCount());
}
}  // namespace
