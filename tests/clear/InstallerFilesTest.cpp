#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include "clear/FileRemoval.h"
#include "support/FileTestPlatform.h"

namespace {
class InstallerFilesTest : public ::testing::Test {
 protected:
  CFileTestPlatform m_test;
  const std::vector<CScriptedUser::CBox>& Boxes() {
    return m_test.m_platform.m_user.m_boxes;
  }
};

TEST_F(InstallerFilesTest, DetmpFilesInTheWindowsDirectoryGo) {
  EXPECT_TRUE(DeleteDetmpFiles(FALSE));  // none there
  WriteHostFile(m_test.Host("WINNT/_detmp.1"), "");
  WriteHostFile(m_test.Host("WINNT/_DETMP.LOG"), "");
  WriteHostFile(m_test.Host("WINNT/system32/_detmp.2"), "keep");
  WriteHostFile(m_test.Host("TEMP/_detmp.3"), "keep");
  EXPECT_TRUE(DeleteDetmpFiles(FALSE));
  EXPECT_FALSE(HostExists(m_test.Host("WINNT/_detmp.1")));
  EXPECT_FALSE(HostExists(m_test.Host("WINNT/_DETMP.LOG")));
  EXPECT_TRUE(HostExists(m_test.Host("WINNT/system32/_detmp.2")));
  EXPECT_TRUE(HostExists(m_test.Host("TEMP/_detmp.3")));
}

TEST_F(InstallerFilesTest, ADetmpFolderFailsTheStep) {
  MakeHostDirectory(m_test.Host("WINNT/_detmp.dir"));
  EXPECT_FALSE(DeleteDetmpFiles(FALSE));
  EXPECT_TRUE(HostExists(m_test.Host("WINNT/_detmp.dir")));
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(InstallerFilesTest, IstmpFoldersInTheTemporaryDirectoryGoWithContent) {
  WriteHostFile(m_test.Host("TEMP/_istmp12.dir/setup.ins"), "");
  WriteHostFile(m_test.Host("TEMP/_ISTMP0.DIR/sub/_setup.dll"), "");
  WriteHostFile(m_test.Host("TEMP/_istmp12.txt"), "keep");
  WriteHostFile(m_test.Host("TEMP/other/_istmp1.dir/x"), "keep");
  EXPECT_TRUE(DeleteIstmpFolders(FALSE));
  EXPECT_EQ((std::vector<std::string>{"_istmp12.txt=keep", "other/",
                                      "other/_istmp1.dir/",
                                      "other/_istmp1.dir/x=keep"}),
            HostTreeListing(m_test.Host("TEMP")));
}

// A link is an entry of its own: it goes, what it leads to stays, wherever
// that is.
TEST_F(InstallerFilesTest, LinksInTheTemporaryDirectoryGoButNotTheirTargets) {
  CTempDirectory outside;
  WriteHostFile(outside / "data/keep.txt", "keep");
  WriteHostFile(m_test.Host("TEMP/_istmp7.dir/setup.ins"), "");
  ASSERT_EQ(0, symlink((outside / "data").c_str(),
                       m_test.Host("TEMP/_istmp7.dir/link").c_str()));
  ASSERT_EQ(0, symlink((outside / "data/keep.txt").c_str(),
                       m_test.Host("TEMP/_istmp7.dir/keep.lnk").c_str()));
  ASSERT_EQ(0, symlink((outside / "data").c_str(),
                       m_test.Host("TEMP/_istmp8.dir").c_str()));
  EXPECT_TRUE(DeleteIstmpFolders(FALSE));
  EXPECT_EQ(std::vector<std::string>{}, HostTreeListing(m_test.Host("TEMP")));
  EXPECT_EQ((std::vector<std::string>{"data/", "data/keep.txt=keep"}),
            HostTreeListing(outside.Path()));
}

// The fixed folders are resolved first: one that leads out of the machine
// is not worked in, and the step fails.
TEST_F(InstallerFilesTest, ATemporaryFolderThatLeadsOutOfTheMachineIsLeft) {
  CTempDirectory outside;
  WriteHostFile(outside / "_istmp1.dir/other.txt", "keep");
  ASSERT_EQ(0, symlink(outside.Path().c_str(), m_test.Host("TEMP").c_str()));
  EXPECT_FALSE(DeleteIstmpFolders(FALSE));
  EXPECT_EQ("keep", ReadHostFile(outside / "_istmp1.dir/other.txt"));
}

// A mount point (another file system, or a bind mount) inside an installer
// folder is removed as an entry when it can be and never entered. Needs
// root to mount.
TEST_F(InstallerFilesTest, AMountPointInAnInstallerFolderIsNeverEntered) {
  if (geteuid() != 0) GTEST_SKIP() << "mounting needs root";
  CTempDirectory outside;
  WriteHostFile(outside / "data/keep.txt", "keep");
  const std::string strMount = m_test.Host("TEMP/_istmp3.dir/mnt");
  MakeHostDirectory(strMount);
  WriteHostFile(m_test.Host("TEMP/_istmp3.dir/setup.ins"), "");
  if (mount((outside / "data").c_str(), strMount.c_str(), nullptr, MS_BIND,
            nullptr) != 0)
    GTEST_SKIP() << "no bind mount here";
  const BOOL bDeleted = DeleteIstmpFolders(FALSE);
  const std::vector<std::string> outsideAfter = HostTreeListing(outside.Path());
  umount2(strMount.c_str(), MNT_DETACH);
  EXPECT_FALSE(bDeleted);  // a mount point can't be removed as an entry
  EXPECT_EQ((std::vector<std::string>{"data/", "data/keep.txt=keep"}),
            outsideAfter);
}

TEST_F(InstallerFilesTest, FailingFolderQueriesAreAlwaysReported) {
  m_test.m_files.m_dwWindowsDirectoryError = ERROR_ACCESS_DENIED;
  m_test.m_files.m_dwTempPathError = ERROR_INVALID_PARAMETER;
  EXPECT_FALSE(DeleteDetmpFiles(FALSE));
  EXPECT_FALSE(DeleteIstmpFolders(FALSE));
  ASSERT_EQ(2u, Boxes().size());
  EXPECT_EQ("The GetWindowsDirectory system call failed with error 5.",
            Boxes()[0].strText);
  EXPECT_EQ("The GetTempPath system call failed with error 87.",
            Boxes()[1].strText);
  for (const auto& box : Boxes())
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), box.uType);
  EXPECT_TRUE(m_test.m_files.m_searches.empty());
}
}  // namespace
