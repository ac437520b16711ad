#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "platform/host/HostUser.h"
#include "platform/host/HostWindowList.h"
#include "support/ProcessRunner.h"

namespace {
// A process standing for another program's window.
pid_t StartSleeper() {
  const pid_t pid = fork();
  if (pid == 0) {
    execl("/bin/sleep", "sleep", "30", static_cast<char*>(nullptr));
    _exit(127);
  }
  return pid;
}

TEST(HostWindowListTest, OwnWindowsComeFirstAndOthersAreFoundByTitle) {
  CTempDir dir;
  CHostUser user(dir.Path());
  const pid_t pid = StartSleeper();
  ASSERT_TRUE(CHostWindowList::Publish(
      dir.Path(), pid, "Glimmet Background Application", nullptr));
  const HWND hOwn = user.Windows().AddOwnWindow("mine");
  EXPECT_EQ(hOwn, user.GetTopWindow(nullptr));
  const HWND hOther = user.GetWindow(hOwn, GW_HWNDNEXT);
  ASSERT_NE(nullptr, hOther);
  char szTitle[128];
  EXPECT_EQ(30, user.GetWindowTextA(hOther, szTitle, sizeof(szTitle)));
  EXPECT_STREQ("Glimmet Background Application", szTitle);
  EXPECT_EQ(hOther,
            user.FindWindowA(nullptr, "Glimmet Background Application"));
  // Titles are copied to at most the buffer's size less one.
  EXPECT_EQ(7, user.GetWindowTextA(hOther, szTitle, 8));
  EXPECT_STREQ("Glimmet", szTitle);

  // WM_CLOSE ends the other program and its window is gone.
  user.SendMessageA(hOther, WM_CLOSE, 0, 0);
  int nStatus = 0;
  ASSERT_EQ(pid, waitpid(pid, &nStatus, 0));
  EXPECT_TRUE(WIFSIGNALED(nStatus));
  EXPECT_EQ(nullptr,
            user.FindWindowA(nullptr, "Glimmet Background Application"));
  EXPECT_EQ(nullptr, user.GetWindow(hOwn, GW_HWNDNEXT));
}

TEST(HostWindowListTest, EntriesOfEndedProcessesAreNoWindows) {
  CTempDir dir;
  CHostUser user(dir.Path());
  const pid_t pid = StartSleeper();
  ASSERT_TRUE(CHostWindowList::Publish(dir.Path(), pid, "stale", nullptr));
  ASSERT_NE(nullptr, user.FindWindowA(nullptr, "stale"));
  // Killed but not yet reaped by its parent: a zombie holds no window.
  kill(pid, SIGKILL);
  usleep(200 * 1000);
  EXPECT_EQ(nullptr, user.FindWindowA(nullptr, "stale"));
  waitpid(pid, nullptr, 0);
  ASSERT_TRUE(CHostWindowList::Publish(dir.Path(), pid, "stale", nullptr));
  EXPECT_EQ(nullptr, user.FindWindowA(nullptr, "stale"));
  // An entry whose process id has since gone to another process.
  ASSERT_TRUE(WriteWholeFile(dir.Path() + "/reused",
                             std::to_string(getpid()) + "\nreused\n1\n"));
  EXPECT_EQ(nullptr, user.FindWindowA(nullptr, "reused"));
  EXPECT_EQ(nullptr, user.GetTopWindow(nullptr));
}

TEST(HostWindowListTest, AnotherProcessSeesThisOnesWindowsUntilTheyGo) {
  CTempDir dir;
  CHostUser first(dir.Path());
  const HWND hMain = first.Windows().AddOwnWindow("quorrel main");
  CHostUser second(dir.Path());
  // Same process here, but the second list reads the published entries.
  EXPECT_NE(nullptr, second.FindWindowA(nullptr, "quorrel main"));
  first.Windows().RemoveOwnWindow(hMain);
  EXPECT_EQ(nullptr, second.FindWindowA(nullptr, "quorrel main"));
}
}  // namespace
