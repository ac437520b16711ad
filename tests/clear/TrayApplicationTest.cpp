#include <gtest/gtest.h>

#include "clear/TrayApplication.h"
#include "support/TestPlatform.h"

namespace {
const char kOwnTitle[] =
    "Corvane Tessarine Registry Update Utility for Windows NT";

// Records how many message dispatches had happened at each sleep.
class CDispatchCountingClock : public CFakeClock {
 public:
  explicit CDispatchCountingClock(CScriptedUser& user) : m_user(user) {}
  void Sleep(DWORD dwMilliseconds) override {
    m_dispatchesAtSleep.push_back(m_user.m_nDispatches);
    CFakeClock::Sleep(dwMilliseconds);
  }
  std::vector<int> m_dispatchesAtSleep;

 private:
  CScriptedUser& m_user;
};

class TrayApplicationTest : public ::testing::Test {
 protected:
  CTestPlatform m_platform;
  CScriptedUser& User() { return m_platform.m_user; }
  std::vector<UINT> Received(HWND hWnd) { return User().Window(hWnd).received; }
};

TEST_F(TrayApplicationTest, ClosesOneWindowPerFragmentButNeverTheUtility) {
  const HWND hOwn = User().AddWindow(kOwnTitle);
  const HWND hNotepad = User().AddWindow("Untitled - Notepad");
  const HWND hSuiteLong = User().AddWindow(std::string(kOwnTitle) + " (2)");
  const HWND hTray = User().AddWindow("Glimmet Background Application");
  const HWND hTray2 = User().AddWindow("Glimmet Background Application");
  const HWND hSuite2 = User().AddWindow("Corvane Tessarine Setup");
  CloseTrayApplication();
  EXPECT_TRUE(Received(hOwn).empty());
  EXPECT_TRUE(Received(hNotepad).empty());
  EXPECT_EQ(std::vector<UINT>{WM_CLOSE}, Received(hSuiteLong));
  EXPECT_EQ(std::vector<UINT>{WM_CLOSE}, Received(hTray));
  EXPECT_TRUE(Received(hTray2).empty());
  EXPECT_TRUE(Received(hSuite2).empty());
}

TEST_F(TrayApplicationTest, TheTenSecondWaitServesMessagesAfterEachSleep) {
  CDispatchCountingClock clock(User());
  CPlatform platform = Platform();
  platform.pClock = &clock;
  SetPlatform(platform);
  CloseTrayApplication();  // nothing to close: the wait still takes place
  EXPECT_EQ(std::vector<DWORD>(20, 500), clock.m_sleeps);
  std::vector<int> expected;
  for (int i = 0; i < 20; ++i) expected.push_back(i);
  EXPECT_EQ(expected, clock.m_dispatchesAtSleep);
  EXPECT_EQ(20, User().m_nDispatches);
}

TEST_F(TrayApplicationTest, TitlesMatchBySubstringWithLetterCase) {
  struct {
    const char* pszTitle;
    const char* pszFragment;
    BOOL bClosed;
  } cases[] = {
      {"Glimmet Background Application", "Glimmet Background Application",
       TRUE},
      {"[Glimmet Background Application]", "Glimmet Background Application",
       TRUE},
      {"glimmet background application", "Glimmet Background Application",
       FALSE},
      {"Corvane Tessarine", "Corvane Tessarine", TRUE},
      {kOwnTitle, "Corvane Tessarine", FALSE},
      {"", "Corvane Tessarine", FALSE},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszTitle);
    User().m_windows.clear();
    const HWND hWnd = User().AddWindow(c.pszTitle);
    EXPECT_EQ(c.bClosed, CloseWindowByTitle(c.pszFragment));
    EXPECT_EQ(c.bClosed ? 1u : 0u, Received(hWnd).size());
  }
}

TEST_F(TrayApplicationTest, OnlyTheFirst127CharactersOfATitleAreRead) {
  const HWND hLong =
      User().AddWindow(std::string(120, 'x') + "Corvane Tessarine");
  const HWND hShort =
      User().AddWindow(std::string(100, 'x') + "Corvane Tessarine");
  EXPECT_TRUE(CloseWindowByTitle("Corvane Tessarine"));
  EXPECT_TRUE(Received(hLong).empty());
  EXPECT_EQ(std::vector<UINT>{WM_CLOSE}, Received(hShort));
}
}  // namespace
