#include "HostComeForward.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <csignal>
#include <cstdlib>
#include <initializer_list>

extern char** environ;

namespace {
volatile sig_atomic_t g_bComeForward = 0;

void OnComeForward(int) { g_bComeForward = 1; }

// Runs tmux with one command for pane pszPane, its output discarded.
void RunTmux(const char* pszCommand, const char* pszPane) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  for (int nFd : {0, 1, 2})
    posix_spawn_file_actions_addopen(&actions, nFd, "/dev/null", O_RDWR, 0);
  char* argv[] = {const_cast<char*>("tmux"), const_cast<char*>(pszCommand),
                  const_cast<char*>("-t"), const_cast<char*>(pszPane), nullptr};
  pid_t pid = 0;
  if (posix_spawnp(&pid, "tmux", &actions, nullptr, argv, environ) == 0)
    waitpid(pid, nullptr, 0);
  posix_spawn_file_actions_destroy(&actions);
}
}  // namespace

void InstallComeForwardSignal() {
  struct sigaction action = {};
  action.sa_handler = OnComeForward;
  sigemptyset(&action.sa_mask);
  // No SA_RESTART: a wait for terminal input returns and sees the request.
  sigaction(SIGUSR1, &action, nullptr);
}

bool TakeComeForwardRequest() {
  if (!g_bComeForward) return false;
  g_bComeForward = 0;
  return true;
}

void RaiseTmuxPane() {
  const char* pszPane = std::getenv("TMUX_PANE");
  if (!std::getenv("TMUX") || !pszPane || !*pszPane) return;
  RunTmux("select-window", pszPane);
  RunTmux("select-pane", pszPane);
}
