// The file system port over kernel32: the Windows semantics the port
// promises (wildcards, case-insensitive names, the error codes the removal
// steps tell apart) hold for the real functions.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/win32/Win32FileSystem.h"

namespace {
class Win32FileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char szTemp[MAX_PATH];
    ASSERT_GT(m_files.GetTempPathA(sizeof(szTemp), szTemp), 0u);
    m_strDir = std::string(szTemp) + "quorrel-fs-" +
               std::to_string(::GetCurrentProcessId()) + "\\";
    ASSERT_TRUE(::CreateDirectoryA(m_strDir.c_str(), nullptr));
  }
  void TearDown() override {
    for (const char* pszName : {"a.txt", "noext", "two.dots.x", "ro.sys",
                                "copy.txt", "sub\\inner.txt"}) {
      const std::string strPath = m_strDir + pszName;
      ::SetFileAttributesA(strPath.c_str(), FILE_ATTRIBUTE_NORMAL);
      ::DeleteFileA(strPath.c_str());
    }
    ::RemoveDirectoryA((m_strDir + "sub").c_str());
    ::RemoveDirectoryA(m_strDir.c_str());
  }

  void MakeFile(const char* pszName, const std::string& strContent = "x") {
    HANDLE h = m_files.CreateFileA((m_strDir + pszName).c_str(), GENERIC_WRITE,
                                   0, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << pszName;
    DWORD cbWritten = 0;
    ASSERT_TRUE(m_files.WriteFile(h, strContent.data(),
                                  static_cast<DWORD>(strContent.size()),
                                  &cbWritten));
    EXPECT_EQ(cbWritten, strContent.size());
    ASSERT_TRUE(m_files.CloseHandle(h));
  }

  std::set<std::string> Find(const std::string& strPattern) {
    std::set<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE h = m_files.FindFirstFileA((m_strDir + strPattern).c_str(), &data);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
      names.insert(data.cFileName);
    } while (m_files.FindNextFileA(h, &data));
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
    EXPECT_TRUE(m_files.FindClose(h));
    return names;
  }

  CWin32FileSystem m_files;
  std::string m_strDir;
};

TEST_F(Win32FileSystemTest, StarDotStarMatchesNamesWithAndWithoutDots) {
  MakeFile("a.txt");
  MakeFile("noext");
  MakeFile("two.dots.x");
  EXPECT_EQ(Find("*.*"),
            (std::set<std::string>{".", "..", "a.txt", "noext", "two.dots.x"}));
  EXPECT_EQ(Find("*.TXT"), (std::set<std::string>{"a.txt"}));
}

TEST_F(Win32FileSystemTest, FindTellsNoMatchFromNoFolder) {
  WIN32_FIND_DATAA data;
  EXPECT_EQ(m_files.FindFirstFileA((m_strDir + "*.none").c_str(), &data),
            INVALID_HANDLE_VALUE);
  EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(m_files.FindFirstFileA((m_strDir + "missing\\*.*").c_str(), &data),
            INVALID_HANDLE_VALUE);
  EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
}

TEST_F(Win32FileSystemTest, DeletionErrorsAreTheOnesTheRemovalStepsTellApart) {
  MakeFile("ro.sys");
  ASSERT_TRUE(::SetFileAttributesA((m_strDir + "ro.sys").c_str(),
                                   FILE_ATTRIBUTE_READONLY));
  const struct {
    std::string strPath;
    DWORD dwError;
  } kCases[] = {
      {m_strDir + "ro.sys", ERROR_ACCESS_DENIED},
      {m_strDir + "gone.sys", ERROR_FILE_NOT_FOUND},
      {m_strDir + "nodir\\gone.sys", ERROR_PATH_NOT_FOUND},
  };
  for (const auto& c : kCases) {
    ::SetLastError(0);
    EXPECT_FALSE(m_files.DeleteFileA(c.strPath.c_str())) << c.strPath;
    EXPECT_EQ(::GetLastError(), c.dwError) << c.strPath;
  }
}

TEST_F(Win32FileSystemTest, NamesMatchWithoutRegardToCase) {
  MakeFile("a.txt");
  EXPECT_TRUE(m_files.DeleteFileA((m_strDir + "A.TXT").c_str()));
  EXPECT_TRUE(Find("a.txt").empty());
}

TEST_F(Win32FileSystemTest, FolderWithContentIsNotRemoved) {
  ASSERT_TRUE(::CreateDirectoryA((m_strDir + "sub").c_str(), nullptr));
  MakeFile("sub\\inner.txt");
  EXPECT_FALSE(m_files.RemoveDirectoryA((m_strDir + "sub").c_str()));
  EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_DIR_NOT_EMPTY));
  EXPECT_TRUE(m_files.DeleteFileA((m_strDir + "sub\\inner.txt").c_str()));
  EXPECT_TRUE(m_files.RemoveDirectoryA((m_strDir + "sub").c_str()));
}

TEST_F(Win32FileSystemTest, CopyRespectsFailIfExists) {
  MakeFile("a.txt", "new");
  MakeFile("copy.txt", "old");
  const std::string strFrom = m_strDir + "a.txt";
  const std::string strTo = m_strDir + "copy.txt";
  EXPECT_FALSE(m_files.CopyFileA(strFrom.c_str(), strTo.c_str(), TRUE));
  EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_FILE_EXISTS));
  EXPECT_TRUE(m_files.CopyFileA(strFrom.c_str(), strTo.c_str(), FALSE));
  WIN32_FIND_DATAA data;
  HANDLE h = m_files.FindFirstFileA(strTo.c_str(), &data);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  EXPECT_EQ(data.nFileSizeLow, 3u);
  m_files.FindClose(h);
}

TEST_F(Win32FileSystemTest, CreateAlwaysTruncatesAnExistingFile) {
  MakeFile("a.txt", "a much longer first content");
  MakeFile("a.txt", "short");
  WIN32_FIND_DATAA data;
  HANDLE h = m_files.FindFirstFileA((m_strDir + "a.txt").c_str(), &data);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  EXPECT_EQ(data.nFileSizeLow, 5u);
  m_files.FindClose(h);
}

TEST_F(Win32FileSystemTest, DirectoryQueriesReportSizesAsWindowsDoes) {
  char szTemp[MAX_PATH];
  const DWORD nTemp = m_files.GetTempPathA(sizeof(szTemp), szTemp);
  ASSERT_GT(nTemp, 0u);
  EXPECT_EQ(szTemp[nTemp - 1], '\\');

  char szSystem[MAX_PATH];
  const UINT nSystem = m_files.GetSystemDirectoryA(szSystem, sizeof(szSystem));
  ASSERT_GT(nSystem, 0u);
  EXPECT_EQ(std::string(szSystem).size(), nSystem);
  // Too small a buffer: the size needed, with the terminating zero.
  char szTiny[2];
  EXPECT_EQ(m_files.GetSystemDirectoryA(szTiny, sizeof(szTiny)), nSystem + 1);

  char szWindows[MAX_PATH];
  const UINT nWindows =
      m_files.GetWindowsDirectoryA(szWindows, sizeof(szWindows));
  ASSERT_GT(nWindows, 0u);
  // The system folder lies in the Windows folder.
  EXPECT_EQ(_strnicmp(szSystem, szWindows, nWindows), 0);

  char szModule[MAX_PATH];
  const DWORD nModule = m_files.GetModuleFileNameA(szModule, sizeof(szModule));
  ASSERT_GT(nModule, 4u);
  EXPECT_EQ(_stricmp(szModule + nModule - 4, ".exe"), 0);
}
}  // namespace
