#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>

#include "platform/LastError.h"
#include "platform/host/files/HostFileSystem.h"
#include "platform/host/files/HostPath.h"
#include "support/TempDirectory.h"

namespace {
class HostFileSystemTest : public ::testing::Test {
 protected:
  CTempDirectory m_machine;
  CHostFileSystem m_files{m_machine.Path()};

  // The error of a failed call; 0 when it succeeded.
  DWORD ErrorOf(BOOL bResult) { return bResult ? 0 : GetLastError(); }
  std::vector<std::string> Find(const std::string& strSearch, DWORD* pdwError) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE hFind = m_files.FindFirstFileA(strSearch.c_str(), &data);
    *pdwError = hFind == INVALID_HANDLE_VALUE ? GetLastError() : 0;
    if (hFind == INVALID_HANDLE_VALUE) return names;
    do {
      names.push_back(
          std::string(data.cFileName) +
          (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? "/" : ""));
    } while (m_files.FindNextFileA(hFind, &data));
    EXPECT_EQ(static_cast<DWORD>(ERROR_NO_MORE_FILES), GetLastError());
    EXPECT_TRUE(m_files.FindClose(hFind));
    return names;
  }
};

TEST_F(HostFileSystemTest, WindowsPathsResolveInsideTheMachineIgnoringCase) {
  WriteHostFile(m_machine / "WINNT/System32/DRIVERS/Pellin.sys", "p");
  struct {
    const char* pszWindows;
    std::string strHost;
  } cases[] = {
      {"C:\\WINNT\\system32\\drivers\\Pellin.sys",
       m_machine / "WINNT/System32/DRIVERS/Pellin.sys"},
      {"c:/winnt/SYSTEM32/Drivers/PELLIN.SYS",
       m_machine / "WINNT/System32/DRIVERS/Pellin.sys"},
      {"\\WINNT\\System32\\..\\System32\\.\\new.sys",
       m_machine / "WINNT/System32/new.sys"},
      {"C:\\..\\..\\WINNT", m_machine / "WINNT"},
      {"C:\\", m_machine.Path()},
      {"Z:\\usr\\bin", "/usr/bin"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszWindows);
    EXPECT_EQ(c.strHost, m_files.HostPathOf(c.pszWindows));
  }
  for (const char* pszElsewhere : {"D:\\WINNT", "\\\\server\\share\\x", ""}) {
    SCOPED_TRACE(pszElsewhere);
    EXPECT_EQ("", m_files.HostPathOf(pszElsewhere));
    EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND),
              ErrorOf(m_files.DeleteFileA(pszElsewhere)));
  }
}

TEST_F(HostFileSystemTest, DeletionErrorsAreWindowsCodes) {
  WriteHostFile(m_machine / "WINNT/a.sys", "a");
  WriteHostFile(m_machine / "WINNT/ro.sys", "r");
  SetHostReadOnly(m_machine / "WINNT/ro.sys", true);
  WriteHostFile(m_machine / "WINNT/full/x", "x");
  MakeHostDirectory(m_machine / "WINNT/empty");
  MakeHostDirectory(m_machine / "WINNT/rodir");
  SetHostReadOnly(m_machine / "WINNT/rodir", true);
  struct {
    const char* pszPath;
    bool bFile;  // DeleteFileA, else RemoveDirectoryA
    DWORD dwError;
  } cases[] = {
      {"C:\\WINNT\\A.SYS", true, 0},
      {"C:\\WINNT\\a.sys", true, ERROR_FILE_NOT_FOUND},
      {"C:\\WINNT\\nowhere\\a.sys", true, ERROR_PATH_NOT_FOUND},
      {"C:\\WINNT\\a.sys\\b", true, ERROR_PATH_NOT_FOUND},
      {"C:\\WINNT\\ro.sys", true, ERROR_ACCESS_DENIED},  // also as root
      {"C:\\WINNT\\empty", true, ERROR_ACCESS_DENIED},
      {"C:\\WINNT\\full", false, ERROR_DIR_NOT_EMPTY},
      {"C:\\WINNT\\ro.sys", false, ERROR_DIRECTORY},
      {"C:\\WINNT\\rodir", false, ERROR_ACCESS_DENIED},
      {"C:\\WINNT\\gone", false, ERROR_FILE_NOT_FOUND},
      {"C:\\WINNT\\EMPTY\\", false, 0},
      {"C:\\", false, ERROR_ACCESS_DENIED},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszPath);
    EXPECT_EQ(c.dwError,
              ErrorOf(c.bFile ? m_files.DeleteFileA(c.pszPath)
                              : m_files.RemoveDirectoryA(c.pszPath)));
  }
  EXPECT_FALSE(HostExists(m_machine / "WINNT/a.sys"));
  EXPECT_FALSE(HostExists(m_machine / "WINNT/empty"));
  EXPECT_EQ("r", ReadHostFile(m_machine / "WINNT/ro.sys"));
  EXPECT_TRUE(HostExists(m_machine / "WINNT/full/x"));
}

TEST_F(HostFileSystemTest, CopyReplacesTheTargetUnlessAskedNotTo) {
  WriteHostFile(m_machine / "Prog/Pcmcia.sys", "windows driver");
  WriteHostFile(m_machine / "WINNT/system32/drivers/PCMCIA.SYS", "suite");
  EXPECT_EQ(0u, ErrorOf(m_files.CopyFileA(
                    "C:\\prog\\pcmcia.sys",
                    "C:\\WINNT\\System32\\Drivers\\Pcmcia.sys", FALSE)));
  EXPECT_EQ("windows driver",
            ReadHostFile(m_machine / "WINNT/system32/drivers/PCMCIA.SYS"));
  struct {
    const char* pszFrom;
    const char* pszTo;
    BOOL bFailIfExists;
    DWORD dwError;
  } cases[] = {
      {"C:\\Prog\\Pcmcia.sys", "C:\\WINNT\\system32\\drivers\\Pcmcia.sys", TRUE,
       ERROR_FILE_EXISTS},
      {"C:\\Prog\\None.sys", "C:\\WINNT\\x.sys", FALSE, ERROR_FILE_NOT_FOUND},
      {"C:\\NoProg\\Pcmcia.sys", "C:\\WINNT\\x.sys", FALSE,
       ERROR_PATH_NOT_FOUND},
      {"C:\\Prog\\Pcmcia.sys", "C:\\NoDir\\x.sys", FALSE, ERROR_PATH_NOT_FOUND},
      {"C:\\Prog", "C:\\WINNT\\x.sys", FALSE, ERROR_ACCESS_DENIED},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.pszFrom) + " -> " + c.pszTo);
    EXPECT_EQ(c.dwError,
              ErrorOf(m_files.CopyFileA(c.pszFrom, c.pszTo, c.bFailIfExists)));
  }
  SetHostReadOnly(m_machine / "WINNT/system32/drivers/PCMCIA.SYS", true);
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED),
            ErrorOf(m_files.CopyFileA(
                "C:\\Prog\\Pcmcia.sys",
                "C:\\WINNT\\system32\\drivers\\Pcmcia.sys", FALSE)));
}

TEST_F(HostFileSystemTest, SearchesMatchMasksAndListInNameOrder) {
  WriteHostFile(m_machine / "WINNT/_detmp.1", "");
  WriteHostFile(m_machine / "WINNT/_DETMP.2", "");
  WriteHostFile(m_machine / "WINNT/_detmp", "");
  WriteHostFile(m_machine / "WINNT/_detmpx.1", "");
  MakeHostDirectory(m_machine / "WINNT/_detmp.dir");
  WriteHostFile(m_machine / "top.txt", "");
  struct {
    const char* pszSearch;
    DWORD dwError;
    std::vector<std::string> names;
  } cases[] = {
      {"C:\\WINNT\\_detmp.*",
       0,
       {"_detmp", "_detmp.1", "_DETMP.2", "_detmp.dir/"}},
      {"C:\\winnt\\*.*",
       0,
       {"./", "../", "_detmp", "_detmp.1", "_DETMP.2", "_detmp.dir/",
        "_detmpx.1"}},
      {"C:\\*.*", 0, {"top.txt", "WINNT/"}},  // a root lists no . and ..
      {"C:\\WINNT\\_detmp.DIR", 0, {"_detmp.dir/"}},
      {"C:\\WINNT\\*.log", ERROR_FILE_NOT_FOUND, {}},
      {"C:\\WINNT\\nowhere\\*.*", ERROR_PATH_NOT_FOUND, {}},
      {"D:\\*.*", ERROR_PATH_NOT_FOUND, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszSearch);
    DWORD dwError = 0;
    EXPECT_EQ(c.names, Find(c.pszSearch, &dwError));
    EXPECT_EQ(c.dwError, dwError);
  }
}

TEST_F(HostFileSystemTest, ReadOnlyShowsInTheFindAttributes) {
  WriteHostFile(m_machine / "ro.txt", "abc");
  SetHostReadOnly(m_machine / "ro.txt", true);
  WIN32_FIND_DATAA data;
  HANDLE hFind = m_files.FindFirstFileA("C:\\RO.TXT", &data);
  ASSERT_NE(INVALID_HANDLE_VALUE, hFind);
  EXPECT_TRUE(data.dwFileAttributes & FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(3u, data.nFileSizeLow);
  m_files.FindClose(hFind);
  EXPECT_FALSE(m_files.FindClose(hFind));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
}

// Windows' folder queries name the folders; on the host they create none.
TEST_F(HostFileSystemTest, SystemFoldersAreNamedNotCreated) {
  char szPath[MAX_PATH];
  EXPECT_EQ(17u, m_files.GetSystemDirectoryA(szPath, sizeof(szPath)));
  EXPECT_STREQ("C:\\WINNT\\system32", szPath);
  EXPECT_EQ(8u, m_files.GetWindowsDirectoryA(szPath, sizeof(szPath)));
  EXPECT_STREQ("C:\\WINNT", szPath);
  EXPECT_EQ(8u, m_files.GetTempPathA(sizeof(szPath), szPath));
  EXPECT_STREQ("C:\\TEMP\\", szPath);
  EXPECT_EQ(std::vector<std::string>{}, HostTreeListing(m_machine.Path()));
  // A buffer too small gets nothing and the size needed.
  char szSmall[8] = "keep";
  EXPECT_EQ(18u, m_files.GetSystemDirectoryA(szSmall, sizeof(szSmall)));
  EXPECT_STREQ("keep", szSmall);
}

TEST_F(HostFileSystemTest, RelativeFilesAreCreatedInTheRealCurrentDirectory) {
  char szOld[PATH_MAX];
  ASSERT_NE(nullptr, getcwd(szOld, sizeof(szOld)));
  CTempDirectory cwd;
  ASSERT_EQ(0, chdir(cwd.Path().c_str()));
  HANDLE hFile = m_files.CreateFileA("quorrel.log", GENERIC_WRITE, 0,
                                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL);
  ASSERT_NE(INVALID_HANDLE_VALUE, hFile);
  DWORD cbWritten = 0;
  EXPECT_TRUE(m_files.WriteFile(hFile, "Delete=1\r\n", 10, &cbWritten));
  EXPECT_EQ(10u, cbWritten);
  // A file held open is in use.
  EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION),
            ErrorOf(m_files.DeleteFileA("quorrel.log")));
  EXPECT_TRUE(m_files.CloseHandle(hFile));
  EXPECT_FALSE(m_files.CloseHandle(hFile));
  ASSERT_EQ(0, chdir(szOld));
  EXPECT_EQ("Delete=1\r\n", ReadHostFile(cwd / "quorrel.log"));
  EXPECT_FALSE(HostExists(m_machine / "quorrel.log"));
}

TEST_F(HostFileSystemTest, CreateFileRefusesWhatWindowsRefuses) {
  WriteHostFile(m_machine / "ro.log", "old");
  SetHostReadOnly(m_machine / "ro.log", true);
  MakeHostDirectory(m_machine / "dir");
  // Only a regular file: a link planted under the name would have its
  // target overwritten; a FIFO without a reader would hang the run.
  WriteHostFile(m_machine / "target", "precious");
  ASSERT_EQ(0, symlink((m_machine / "target").c_str(),
                       (m_machine / "link.log").c_str()));
  ASSERT_EQ(0, mkfifo((m_machine / "fifo.log").c_str(), 0644));
  struct {
    const char* pszPath;
    DWORD dwDisposition;
    DWORD dwError;
  } cases[] = {
      {"C:\\ro.log", CREATE_ALWAYS, ERROR_ACCESS_DENIED},
      {"C:\\dir", CREATE_ALWAYS, ERROR_ACCESS_DENIED},
      {"C:\\link.log", CREATE_ALWAYS, ERROR_ACCESS_DENIED},
      {"C:\\fifo.log", CREATE_ALWAYS, ERROR_ACCESS_DENIED},
      {"Z:\\dev\\null", CREATE_ALWAYS, ERROR_ACCESS_DENIED},
      {"C:\\nodir\\x.log", CREATE_ALWAYS, ERROR_PATH_NOT_FOUND},
      {"C:\\none.log", OPEN_EXISTING, ERROR_FILE_NOT_FOUND},
      {"D:\\x.log", CREATE_ALWAYS, ERROR_PATH_NOT_FOUND},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszPath);
    EXPECT_EQ(INVALID_HANDLE_VALUE,
              m_files.CreateFileA(c.pszPath, GENERIC_WRITE, 0, c.dwDisposition,
                                  FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(c.dwError, GetLastError());
  }
  EXPECT_EQ("old", ReadHostFile(m_machine / "ro.log"));
  EXPECT_EQ("precious", ReadHostFile(m_machine / "target"));
}

TEST_F(HostFileSystemTest, ModuleFileNameIsTheRunningExecutable) {
  char szPath[MAX_PATH];
  const DWORD nLength = m_files.GetModuleFileNameA(szPath, sizeof(szPath));
  ASSERT_GT(nLength, 0u);
  char szExe[PATH_MAX];
  const ssize_t nExe = readlink("/proc/self/exe", szExe, sizeof(szExe) - 1);
  ASSERT_GT(nExe, 0);
  EXPECT_EQ(WindowsPathOfHostPath(m_machine.Path(), std::string(szExe, nExe)),
            std::string(szPath, nLength));
  EXPECT_EQ("Z:\\", std::string(szPath, 3));
  EXPECT_EQ(std::string(szExe, nExe), m_files.HostPathOf(szPath));
  char szSmall[4];
  EXPECT_EQ(4u, m_files.GetModuleFileNameA(szSmall, sizeof(szSmall)));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
  EXPECT_STREQ("Z:\\", szSmall);
}

}  // namespace
