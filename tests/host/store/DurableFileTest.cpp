// Replacing a store file keeps what the file system knows of it: a link
// stays a link to the file written, and the file keeps its mode and owner.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/host/store/DurableFile.h"
#include "support/StoreTestUtil.h"

namespace {
struct stat StatOf(const std::string& strPath) {
  struct stat st = {};
  EXPECT_EQ(0, lstat(strPath.c_str(), &st)) << strPath;
  return st;
}

TEST(DurableFile, ReplacingWritesThroughALinkToItsTarget) {
  CTempDir dir;
  ASSERT_EQ(0, mkdir(InDir(dir, "real").c_str(), 0755));
  const std::string strTarget = InDir(dir, "real/HKEY_USERS.reg");
  ASSERT_TRUE(WriteWholeFile(strTarget, "old"));
  const std::string strLink = InDir(dir, "HKEY_USERS.reg");
  ASSERT_EQ(0, symlink("real/HKEY_USERS.reg", strLink.c_str()));
  std::string strError;
  ASSERT_EQ(ERROR_SUCCESS, ReplaceFileDurably(strLink, "new", &strError))
      << strError;
  EXPECT_TRUE(S_ISLNK(StatOf(strLink).st_mode));
  EXPECT_EQ("new", ReadWholeFile(strTarget));
}

TEST(DurableFile, ReplacedFileKeepsModeAndOwner) {
  CTempDir dir;
  const std::string strPath = InDir(dir, "HKEY_USERS.reg");
  ASSERT_TRUE(WriteWholeFile(strPath, "old"));
  ASSERT_EQ(0, chmod(strPath.c_str(), 0600));
  // Only root can hand a file to someone else.
  const bool bRoot = geteuid() == 0;
  if (bRoot) {
    ASSERT_EQ(0, chown(strPath.c_str(), 4321, 4322));
  }
  std::string strError;
  ASSERT_EQ(ERROR_SUCCESS, ReplaceFileDurably(strPath, "new", &strError))
      << strError;
  const struct stat st = StatOf(strPath);
  EXPECT_EQ(0600u, st.st_mode & 07777);
  if (bRoot) {
    EXPECT_EQ(4321u, st.st_uid);
    EXPECT_EQ(4322u, st.st_gid);
  }
  // A file the store creates is readable by all, whatever the umask.
  const mode_t oldMask = umask(077);
  const std::string strNew = InDir(dir, "HKEY_CURRENT_USER.reg");
  EXPECT_EQ(ERROR_SUCCESS, ReplaceFileDurably(strNew, "x", &strError));
  umask(oldMask);
  EXPECT_EQ(0644u, StatOf(strNew).st_mode & 07777);
}
}  // namespace
