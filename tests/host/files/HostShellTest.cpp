#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/host/files/HostShell.h"
#include "support/TempDirectory.h"

namespace {
class HostShellTest : public ::testing::Test {
 protected:
  ~HostShellTest() override { unsetenv("QUORREL_BROWSE"); }
  std::string PathOf(LPCITEMIDLIST pidl, IShell& shell) {
    char szPath[MAX_PATH] = "";
    EXPECT_TRUE(shell.SHGetPathFromIDListA(pidl, szPath));
    return szPath;
  }
  void Free(LPITEMIDLIST pidl, IShell& shell) {
    IShellMalloc* pMalloc = shell.SHGetMalloc();
    ASSERT_NE(nullptr, pMalloc);
    pMalloc->Free(pidl);
    pMalloc->Release();
  }

  CTempDirectory m_machine;
  CHostFileSystem m_files{m_machine.Path()};
};

TEST_F(HostShellTest, ProgramsFoldersLieInTheProfilesAndAreNotCreated) {
  CHostShell shell(m_files, "Beth");
  struct {
    int nFolder;
    const char* pszPath;
    const char* pszHost;
  } cases[] = {
      {CSIDL_COMMON_PROGRAMS,
       "C:\\WINNT\\Profiles\\All Users\\Start Menu\\Programs",
       "WINNT/Profiles/All Users/Start Menu/Programs"},
      {CSIDL_PROGRAMS, "C:\\WINNT\\Profiles\\Beth\\Start Menu\\Programs",
       "WINNT/Profiles/Beth/Start Menu/Programs"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszPath);
    LPITEMIDLIST pidl = nullptr;
    ASSERT_EQ(S_OK,
              shell.SHGetSpecialFolderLocation(nullptr, c.nFolder, &pidl));
    EXPECT_EQ(c.pszPath, PathOf(pidl, shell));
    EXPECT_FALSE(HostExists(m_machine / c.pszHost));
    Free(pidl, shell);
  }
  LPITEMIDLIST pidl = nullptr;
  EXPECT_EQ(E_INVALIDARG, shell.SHGetSpecialFolderLocation(nullptr, 5, &pidl));
  EXPECT_EQ(nullptr, pidl);
  EXPECT_EQ(0u, shell.LiveItemCount());
}

TEST_F(HostShellTest, TheUserComesFromTheEnvironment) {
  const char* pszUser = std::getenv("USER");
  const std::string strSaved = pszUser ? pszUser : "";
  setenv("USER", "carol", 1);
  EXPECT_EQ("C:\\WINNT\\Profiles\\carol\\Start Menu\\Programs",
            CHostShell(m_files).SpecialFolderPath(CSIDL_PROGRAMS));
  unsetenv("USER");
  EXPECT_EQ("C:\\WINNT\\Profiles\\Administrator\\Start Menu\\Programs",
            CHostShell(m_files).SpecialFolderPath(CSIDL_PROGRAMS));
  if (pszUser) setenv("USER", strSaved.c_str(), 1);
}

TEST_F(HostShellTest, ScriptedBrowserAnswersInTurnThenAsksThePrompt) {
  setenv("QUORREL_BROWSE", "C:\\Program Files\\Corvane\\Tessarine||D:\\X", 1);
  CHostShell shell(m_files, "Beth");
  std::vector<std::string> prompts;
  shell.SetFolderPrompt([&prompts](const std::string& strTitle, CFolderFilter,
                                   std::string* pstrFolder) {
    prompts.push_back(strTitle);
    *pstrFolder = "C:\\Typed";
    return true;
  });
  char szName[MAX_PATH] = "";
  LPITEMIDLIST pidl =
      shell.SHBrowseForFolderA(nullptr, "Title", 0, szName, nullptr);
  ASSERT_NE(nullptr, pidl);
  EXPECT_EQ("C:\\Program Files\\Corvane\\Tessarine", PathOf(pidl, shell));
  EXPECT_STREQ("Tessarine", szName);
  Free(pidl, shell);
  EXPECT_EQ(nullptr,
            shell.SHBrowseForFolderA(nullptr, "Title", 0, szName, nullptr));
  pidl = shell.SHBrowseForFolderA(nullptr, "Title", 0, szName, nullptr);
  EXPECT_EQ("D:\\X", PathOf(pidl, shell));
  Free(pidl, shell);
  EXPECT_TRUE(prompts.empty());
  pidl = shell.SHBrowseForFolderA(nullptr, "Title", 0, szName, nullptr);
  EXPECT_EQ("C:\\Typed", PathOf(pidl, shell));
  EXPECT_EQ(std::vector<std::string>{"Title"}, prompts);
  Free(pidl, shell);
  EXPECT_EQ(0u, shell.LiveItemCount());
}

TEST_F(HostShellTest, WithoutATerminalOrAnswerTheBrowserIsCancelled) {
  // ctest runs tests with stdin that is no terminal; the prompt cancels.
  if (isatty(0)) GTEST_SKIP() << "stdin is a terminal";
  CHostShell shell(m_files, "Beth");
  char szName[MAX_PATH] = "";
  EXPECT_EQ(nullptr,
            shell.SHBrowseForFolderA(nullptr, "Title", 0, szName, nullptr));
}

TEST_F(HostShellTest, UnknownItemsConvertToNothing) {
  CHostShell shell(m_files, "Beth");
  int nNotAnItem = 0;
  char szPath[MAX_PATH] = "x";
  EXPECT_FALSE(shell.SHGetPathFromIDListA(
      reinterpret_cast<LPCITEMIDLIST>(&nNotAnItem), szPath));
  EXPECT_STREQ("", szPath);
}
}  // namespace
