#include "TmuxSession.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <utility>

namespace {
std::string Quote(const std::string& str) {
  std::string strOut = "'";
  for (char c : str)
    strOut += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return strOut + "'";
}

std::string Output(const std::string& strCommand) {
  std::string strOut;
  FILE* pPipe = popen(strCommand.c_str(), "r");
  if (!pPipe) return strOut;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof(buffer), pPipe)) > 0)
    strOut.append(buffer, n);
  pclose(pPipe);
  return strOut;
}
int NextSerial() {
  static int s_nSerial = 0;
  return ++s_nSerial;
}
}  // namespace

bool HaveTmux() { return std::system("tmux -V >/dev/null 2>&1") == 0; }

std::string CTmuxSession::Tmux() const { return "tmux -L " + m_strName + " "; }

CTmuxSession::CTmuxSession(const std::string& strCommand, int nCols, int nRows)
    : m_strName("quorrel-e2e-" + std::to_string(getpid()) + "-" +
                std::to_string(NextSerial())) {
  const std::string strStart = Tmux() + "new-session -d -s " + m_strName +
                               " -x " + std::to_string(nCols) + " -y " +
                               std::to_string(nRows) + " " + Quote(strCommand);
  m_bStarted = std::system(strStart.c_str()) == 0;
}

CTmuxSession::~CTmuxSession() {
  if (m_bStarted)
    std::system(
        (Tmux() + "kill-session -t " + m_strName + " >/dev/null 2>&1").c_str());
}

void CTmuxSession::SendKeys(const std::string& strKeys) {
  std::system((Tmux() + "send-keys -t " + m_strName + " " + strKeys).c_str());
}

std::string CTmuxSession::Screen() {
  return Output(Tmux() + "capture-pane -p -t " + m_strName + " 2>/dev/null");
}

void CTmuxSession::Resize(int nCols, int nRows) {
  std::system((Tmux() + "resize-window -t " + m_strName + " -x " +
               std::to_string(nCols) + " -y " + std::to_string(nRows))
                  .c_str());
}

bool CTmuxSession::Alive() {
  return std::system((Tmux() + "has-session -t " + m_strName + " 2>/dev/null")
                         .c_str()) == 0;
}

bool CTmuxSession::WaitFor(const std::string& strText, int nMilliseconds,
                           std::string* pstrScreen, bool bGone) {
  const auto deadline = std::chrono::steady_clock::now() +
                        std::chrono::milliseconds(nMilliseconds);
  std::string strScreen = Screen();
  for (;;) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    // A screen counts only once it has settled: a frame read while the
    // program repaints holds half the old picture and half the new.
    std::string strNext = Screen();
    const bool bSettled = strNext == strScreen;
    strScreen = std::move(strNext);
    const bool bThere = strScreen.find(strText) != std::string::npos;
    if (bSettled && bThere != bGone) break;
    if (std::chrono::steady_clock::now() > deadline) {
      if (pstrScreen) *pstrScreen = strScreen;
      return false;
    }
  }
  if (pstrScreen) *pstrScreen = strScreen;
  return true;
}

void CTmuxSession::OpenShellWindow() {
  std::system((Tmux() + "new-window -t " + m_strName + " sh").c_str());
}

bool CTmuxSession::ProgramWindowInFront() {
  // The program's window is the session's first, whatever the base index.
  const std::string strWindows = Output(Tmux() + "list-windows -t " +
                                        m_strName + " -F '#{window_active}'");
  return strWindows.compare(0, 2, "1\n") == 0;
}
