#include <gtest/gtest.h>

#include "clear/FolderEntries.h"
#include "res/ClearStringIds.h"
#include "support/FileTestPlatform.h"

namespace {
class FolderEntriesTest : public ::testing::Test {
 protected:
  CFileTestPlatform m_test;
  std::vector<std::string> Listing() {
    return HostTreeListing(m_test.Host("Work"));
  }
  const std::vector<CScriptedUser::CBox>& Boxes() {
    return m_test.m_platform.m_user.m_boxes;
  }
};

TEST_F(FolderEntriesTest, MatchingFilesGoAndTheFolderStays) {
  WriteHostFile(m_test.Host("Work/_detmp.1"), "1");
  WriteHostFile(m_test.Host("Work/_DeTmp.log"), "2");
  WriteHostFile(m_test.Host("Work/_detmp"), "3");
  WriteHostFile(m_test.Host("Work/win.ini"), "keep");
  WriteHostFile(m_test.Host("Work/x_detmp.1"), "keep");
  EXPECT_TRUE(DeleteFolderEntries("C:\\Work", "_detmp.*", FALSE, FALSE));
  EXPECT_EQ((std::vector<std::string>{"win.ini=keep", "x_detmp.1=keep"}),
            Listing());
}

TEST_F(FolderEntriesTest, NothingToDeleteIsSuccess) {
  EXPECT_TRUE(DeleteFolderEntries("C:\\Work", "_detmp.*", FALSE, FALSE));
  EXPECT_TRUE(DeleteFolderEntries("C:\\Missing\\Folder", "*.*", TRUE, FALSE));
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(FolderEntriesTest, AFolderWithoutDescentStopsTheWalk) {
  // Listed by name: _detmp.1, _detmp.dir, _detmp.z.
  WriteHostFile(m_test.Host("Work/_detmp.1"), "");
  WriteHostFile(m_test.Host("Work/_detmp.dir/inner"), "i");
  WriteHostFile(m_test.Host("Work/_detmp.z"), "z");
  EXPECT_FALSE(DeleteFolderEntries("C:\\Work", "_detmp.*", FALSE, FALSE));
  EXPECT_EQ((std::vector<std::string>{"_detmp.dir/", "_detmp.dir/inner=i",
                                      "_detmp.z=z"}),
            Listing());
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(FolderEntriesTest, DescentEmptiesAndRemovesWholeTrees) {
  WriteHostFile(m_test.Host("Work/_istmp12.dir/a.tmp"), "");
  WriteHostFile(m_test.Host("Work/_istmp12.dir/sub/deeper/b.tmp"), "");
  MakeHostDirectory(m_test.Host("Work/_istmp12.dir/empty"));
  WriteHostFile(m_test.Host("Work/_istmp3.dir"), "a file of that name");
  WriteHostFile(m_test.Host("Work/other.dir/c"), "c");
  EXPECT_TRUE(DeleteFolderEntries("C:\\Work", "_istmp*.dir", TRUE, FALSE));
  EXPECT_EQ((std::vector<std::string>{"other.dir/", "other.dir/c=c"}),
            Listing());
}

TEST_F(FolderEntriesTest,
       AReadOnlyFileStopsEveryLevelAndIsReportedWhenVerbose) {
  for (BOOL bVerbose : {FALSE, TRUE}) {
    SCOPED_TRACE(bVerbose);
    m_test.m_platform.m_user.m_boxes.clear();
    WriteHostFile(m_test.Host("Work/_istmp1.dir/a/1.tmp"), "");
    WriteHostFile(m_test.Host("Work/_istmp1.dir/a/2.tmp"), "ro");
    WriteHostFile(m_test.Host("Work/_istmp1.dir/a/3.tmp"), "");
    WriteHostFile(m_test.Host("Work/_istmp1.dir/b.tmp"), "b");
    WriteHostFile(m_test.Host("Work/_istmp2.dir/c.tmp"), "c");
    SetHostReadOnly(m_test.Host("Work/_istmp1.dir/a/2.tmp"), true);

    EXPECT_FALSE(
        DeleteFolderEntries("C:\\Work\\", "_istmp*.dir", TRUE, bVerbose));
    EXPECT_EQ((std::vector<std::string>{
                  "_istmp1.dir/", "_istmp1.dir/a/", "_istmp1.dir/a/2.tmp=ro",
                  "_istmp1.dir/a/3.tmp=", "_istmp1.dir/b.tmp=b", "_istmp2.dir/",
                  "_istmp2.dir/c.tmp=c"}),
              Listing());
    if (!bVerbose) {
      EXPECT_TRUE(Boxes().empty());
    } else {
      ASSERT_EQ(1u, Boxes().size());
      EXPECT_EQ(IDS_DELETE_FILE_FAILED, Boxes()[0].nIDPrompt);
      EXPECT_EQ(
          "Failed to delete file C:\\Work\\_istmp1.dir\\a\\2.tmp with error "
          "5.",
          Boxes()[0].strText);
      EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION),
                Boxes()[0].uType);
    }
    SetHostReadOnly(m_test.Host("Work/_istmp1.dir/a/2.tmp"), false);
    RemoveHostTree(m_test.Host("Work"));
  }
}

TEST_F(FolderEntriesTest, AFolderThatCannotBeRemovedIsReportedWhenVerbose) {
  MakeHostDirectory(m_test.Host("Work/_istmp1.dir"));
  SetHostReadOnly(m_test.Host("Work/_istmp1.dir"), true);
  EXPECT_FALSE(DeleteFolderEntries("C:\\Work", "_istmp*.dir", TRUE, TRUE));
  ASSERT_EQ(1u, Boxes().size());
  EXPECT_EQ("Failed to remove directory C:\\Work\\_istmp1.dir with error 5.",
            Boxes()[0].strText);
}

TEST_F(FolderEntriesTest, FilesThatVanishedAreNotReportedButStillFail) {
  WriteHostFile(m_test.Host("Work/_detmp.1"), "");
  for (DWORD dwError : {ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND}) {
    m_test.m_files.m_deleteErrors["C:\\Work\\_detmp.1"] = dwError;
    EXPECT_FALSE(DeleteFolderEntries("C:\\Work", "_detmp.*", FALSE, TRUE));
  }
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(FolderEntriesTest, ABackslashEndsTheBaseOnlyOnce) {
  DeleteFolderEntries("C:\\", "_detmp.*", FALSE, FALSE);
  DeleteFolderEntries("C:\\Work", "_detmp.*", FALSE, FALSE);
  DeleteFolderEntries("C:\\Work\\", "*.*", FALSE, FALSE);
  EXPECT_EQ((std::vector<std::string>{"C:\\_detmp.*", "C:\\Work\\_detmp.*",
                                      "C:\\Work\\*.*"}),
            m_test.m_files.m_searches);
}

TEST_F(FolderEntriesTest, AnEmptyFolderNameSearchesNothing) {
  WriteHostFile(m_test.Host("Tessarine.txt"), "keep");
  EXPECT_TRUE(DeleteFolderEntries("", "*.*", TRUE, FALSE));
  EXPECT_TRUE(m_test.m_files.m_searches.empty());
  EXPECT_TRUE(HostExists(m_test.Host("Tessarine.txt")));
}
}  // namespace
