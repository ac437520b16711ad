// Waiting for a key: the one wait of the terminal UI, so that a signal, a
// terminal that went away or a request to come forward is seen in every
// loop (the message loop, menus, drop-down lists, boxes, the browser).
#include <curses.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>

#include "TuiUser.h"
#include "platform/host/HostComeForward.h"
#include "platform/host/HostRunEnd.h"

namespace {
// A signal that comes just before a wait begins does not cut it short, so
// the wait looks again this often.
constexpr int kSliceMs = 250;

// The terminal hung up (closed window, killed tmux pane): no key will come.
bool TerminalGone() {
  pollfd fd = {STDIN_FILENO, POLLIN, 0};
  return poll(&fd, 1, 0) == 1 && (fd.revents & (POLLHUP | POLLERR | POLLNVAL));
}
}  // namespace

int CTuiUser::WaitKey(int nTimeout) {
  const auto start = std::chrono::steady_clock::now();
  for (;;) {
    CheckHostEndSignal();
    if (HostRunEnding()) return kKeyRunEnds;
    if (TakeComeForwardRequest()) ComeForward();
    int nSlice = kSliceMs;
    if (nTimeout >= 0) {
      const auto elapsed =
          std::chrono::duration_cast<std::chrono::milliseconds>(
              std::chrono::steady_clock::now() - start);
      nSlice = std::max(0, std::min<int>(nSlice, nTimeout - elapsed.count()));
    }
    timeout(nSlice);
    const int nKey = getch();
    if (nKey != ERR) return nKey;
    if (TerminalGone()) RequestHostRunEnd();
    if (nTimeout >= 0 && nSlice == 0) return ERR;
  }
}

void CTuiUser::ComeForward() {
  RaiseTmuxPane();
  // Everything on the screen is drawn anew, then the bell.
  clearok(curscr, TRUE);
  refresh();
  beep();
}
