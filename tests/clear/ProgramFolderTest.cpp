#include <gtest/gtest.h>
#include <unistd.h>

#include "clear/FileRemoval.h"
#include "res/ClearStringIds.h"
#include "support/FileTestPlatform.h"
#include "sys/RegistryOps.h"

namespace {
const char kProgram[] = "C:\\Program Files\\Corvane\\Tessarine";
const char kProgramHost[] = "Program Files/Corvane/Tessarine";
const char kWindowsPcmcia[] = "WINNT/system32/drivers/Pcmcia.sys";

class ProgramFolderTest : public ::testing::Test {
 protected:
  CFileTestPlatform m_test;
  std::string Program(const std::string& strName = "") {
    return m_test.Host(kProgramHost) + (strName.empty() ? "" : "/" + strName);
  }
  const std::vector<CScriptedUser::CBox>& Boxes() {
    return m_test.m_platform.m_user.m_boxes;
  }
  void SeedProgramFolder() {
    WriteHostFile(Program("Pcmcia.sys"), "windows pcmcia");
    WriteHostFile(Program("Glimmet.exe"), "");
    WriteHostFile(Program("Mardel.exe"), "");
    WriteHostFile(Program("readme.txt"), "");
    WriteHostFile(m_test.Host(kWindowsPcmcia), "suite's replacement");
  }
};

TEST_F(ProgramFolderTest, RestoresWindowsDriverThenRemovesTheFolder) {
  SeedProgramFolder();
  EXPECT_TRUE(DeleteProgramFolder(kProgram, FALSE));
  EXPECT_FALSE(HostExists(Program()));
  EXPECT_TRUE(HostExists(m_test.Host("Program Files/Corvane")));
  EXPECT_EQ("windows pcmcia", ReadHostFile(m_test.Host(kWindowsPcmcia)));
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(ProgramFolderTest, WithoutASavedDriverTheFolderGoesAllTheSame) {
  WriteHostFile(Program("Glimmet.exe"), "");
  WriteHostFile(m_test.Host(kWindowsPcmcia), "current");
  EXPECT_TRUE(DeleteProgramFolder(std::string(kProgram) + "\\", FALSE));
  EXPECT_FALSE(HostExists(Program()));
  EXPECT_EQ("current", ReadHostFile(m_test.Host(kWindowsPcmcia)));
}

TEST_F(ProgramFolderTest, AFolderThatDoesNotExistIsNoFailure) {
  EXPECT_TRUE(DeleteProgramFolder("C:\\Program Files\\Nowhere", FALSE));
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(ProgramFolderTest, NoFolderGivenIsReportedAndTouchesNothing) {
  SeedProgramFolder();
  EXPECT_FALSE(DeleteProgramFolder("", FALSE));
  ASSERT_EQ(1u, Boxes().size());
  EXPECT_EQ(IDS_NO_PROGRAM_FOLDER, Boxes()[0].nIDPrompt);
  EXPECT_EQ(
      "A Tessarine Program Files directory pathname has not been provided.\n"
      "The Tessarine Program Files directory has not been deleted.  ",
      Boxes()[0].strText);
  EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), Boxes()[0].uType);
  EXPECT_EQ("suite's replacement", ReadHostFile(m_test.Host(kWindowsPcmcia)));
  EXPECT_EQ(4u, HostTreeListing(Program()).size());
}

TEST_F(ProgramFolderTest, ASubfolderStopsTheDeletionWhereTheSearchReachedIt) {
  SeedProgramFolder();
  WriteHostFile(Program("Help/index.htm"), "");  // listed after Glimmet.exe
  EXPECT_FALSE(DeleteProgramFolder(kProgram, FALSE));
  EXPECT_EQ(
      (std::vector<std::string>{"Help/", "Help/index.htm=", "Mardel.exe=",
                                "Pcmcia.sys=windows pcmcia", "readme.txt="}),
      HostTreeListing(Program()));
  EXPECT_EQ("windows pcmcia", ReadHostFile(m_test.Host(kWindowsPcmcia)));
}

TEST_F(ProgramFolderTest, AFailedCopyKeepsTheFolder) {
  SeedProgramFolder();
  SetHostReadOnly(m_test.Host(kWindowsPcmcia), true);
  EXPECT_FALSE(DeleteProgramFolder(kProgram, FALSE));
  ASSERT_EQ(1u, Boxes().size());
  EXPECT_EQ(IDS_COPY_PCMCIA_FAILED, Boxes()[0].nIDPrompt);
  EXPECT_EQ("A CopyFile system call for PCMCIA.SYS failed with error 5.",
            Boxes()[0].strText);
  EXPECT_EQ(4u, HostTreeListing(Program()).size());
}

// Every query of a system folder the step makes, failing in turn: each is
// reported with its own string, and nothing of the folder goes.
TEST_F(ProgramFolderTest, AFailingFolderQueryKeepsTheFolder) {
  const struct {
    DWORD dwSystemError, dwWindowsError;
    const char* pszText;
  } kCases[] = {
      {ERROR_INVALID_PARAMETER, 0,
       "The GetSystemDirectory system call  failed with error 87."},
      {0, ERROR_NOT_ENOUGH_MEMORY,
       "The GetWindowsDirectory system call failed with error 8."},
  };
  SeedProgramFolder();
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.pszText);
    m_test.m_platform.m_user.m_boxes.clear();
    m_test.m_files.m_dwSystemDirectoryError = c.dwSystemError;
    m_test.m_files.m_dwWindowsDirectoryError = c.dwWindowsError;
    EXPECT_FALSE(DeleteProgramFolder(kProgram, FALSE));
    ASSERT_EQ(1u, Boxes().size());
    EXPECT_EQ(c.pszText, Boxes()[0].strText);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), Boxes()[0].Icon());
    EXPECT_EQ(4u, HostTreeListing(Program()).size());
    EXPECT_EQ("suite's replacement", ReadHostFile(m_test.Host(kWindowsPcmcia)));
  }
}

// The step empties whatever folder it is given: one that holds Windows,
// other programs, users' files or the machine's own store, or lies outside
// the machine, is refused however it is spelt; nothing is copied from it
// and nothing of it goes.
TEST_F(ProgramFolderTest, FoldersOfTheSystemAreRefusedAndKept) {
  for (const char* pszFile :
       {"boot.ini", "Pcmcia.sys", "WINNT/explorer.exe", "WINNT/Pcmcia.sys",
        "WINNT/system32/Pcmcia.sys", "WINNT/Profiles/Ann/Pcmcia.sys",
        "Program Files/Pcmcia.sys", "Users/Bob/Pcmcia.sys",
        "Users/Bob/Desktop/Pcmcia.sys", "TEMP/Pcmcia.sys",
        "registry/HKEY_USERS.reg", "run/windows/1", "services.state",
        "WINNT/Profiles/All Users/Start Menu/Programs/x.lnk"})
    WriteHostFile(m_test.Host(pszFile), "keep");
  WriteHostFile(m_test.Host(kWindowsPcmcia), "suite's replacement");
  CTempDirectory outside;
  WriteHostFile(outside / "Tessarine/Pcmcia.sys", "keep");
  WriteRegString(HKEY_LOCAL_MACHINE,
                 "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\"
                 "ProfileList\\S-1-5-21-7",
                 "ProfileImagePath", "%SystemDrive%\\Users\\Bob");
  const std::vector<std::string> before = HostTreeListing(m_test.Host(""));
  const std::string strZMachine = "Z:" + m_test.Host("");
  const std::string strZOutside = "Z:" + outside.Path() + "/Tessarine";
  for (const std::string& strFolder :
       {std::string("C:\\"),
        std::string("c:/"),
        std::string("C:"),
        std::string("C:\\WINNT"),
        std::string("c:\\winnt.\\"),
        std::string("C:\\WINNT\\system32"),
        std::string("C:\\WINNT\\Profiles\\Ann"),
        std::string("C:\\Program Files"),
        std::string("C:\\Program Files\\.."),
        std::string("C:\\Users"),
        std::string("C:\\Users\\Bob"),
        std::string("C:\\Users\\Bob\\Desktop"),
        std::string("C:\\TEMP"),
        std::string("c:\\temp\\"),
        std::string("C:\\registry"),
        std::string("c:\\Program Files\\..\\REGISTRY"),
        std::string("C:\\run"),
        std::string("C:\\run\\windows"),
        std::string("C:\\services.state"),
        std::string("Q:\\Tessarine"),
        strZMachine,
        strZMachine + "/WINNT",
        strZMachine + "/registry",
        strZOutside,
        std::string("Tessarine"),
        std::string("C:\\Program Files\\Corv*")}) {
    SCOPED_TRACE(strFolder);
    m_test.m_platform.m_user.m_boxes.clear();
    EXPECT_FALSE(DeleteProgramFolder(strFolder, FALSE));
    ASSERT_EQ(1u, Boxes().size());
    EXPECT_EQ(IDS_NOT_A_PROGRAM_FOLDER, Boxes()[0].nIDPrompt);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONSTOP), Boxes()[0].uType);
    EXPECT_EQ(0u, Boxes()[0].strText.find("\"" + strFolder +
                                          "\" cannot be the Tessarine"));
  }
  EXPECT_EQ(before, HostTreeListing(m_test.Host("")));
  EXPECT_EQ("keep", ReadHostFile(outside / "Tessarine/Pcmcia.sys"));
}

// The machine directory named through the host's own drive is the same
// folder: the step works on it as on C:.
TEST_F(ProgramFolderTest, TheMachineSpeltThroughTheHostDriveIsTheSameFolder) {
  SeedProgramFolder();
  EXPECT_TRUE(DeleteProgramFolder("Z:" + Program(), FALSE));
  EXPECT_FALSE(HostExists(Program()));
  EXPECT_EQ("windows pcmcia", ReadHostFile(m_test.Host(kWindowsPcmcia)));
}

TEST_F(ProgramFolderTest, AFolderThatIsALinkIsRefused) {
  SeedProgramFolder();
  ASSERT_EQ(0, symlink(Program().c_str(), m_test.Host("Linked").c_str()));
  EXPECT_FALSE(DeleteProgramFolder("C:\\Linked", FALSE));
  EXPECT_FALSE(DeleteProgramFolder("C:\\Linked\\..\\Linked\\.", FALSE));
  EXPECT_EQ("windows pcmcia", ReadHostFile(Program("Pcmcia.sys")));
  EXPECT_EQ("suite's replacement", ReadHostFile(m_test.Host(kWindowsPcmcia)));
}
}  // namespace
