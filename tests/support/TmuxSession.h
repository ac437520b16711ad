// A program run in a real terminal: a detached tmux session of a given
// size, keys sent as a person types them, the screen read back as text.
#pragma once

#include <string>

class CTmuxSession {
 public:
  // Starts strCommand (a shell command line) in a new session.
  CTmuxSession(const std::string& strCommand, int nCols, int nRows);
  ~CTmuxSession();
  CTmuxSession(const CTmuxSession&) = delete;
  CTmuxSession& operator=(const CTmuxSession&) = delete;

  bool Started() const { return m_bStarted; }
  // tmux key names ("Enter", "F10", "Down", "n").
  void SendKeys(const std::string& strKeys);
  std::string Screen();
  // Gives the terminal a new size, as a person drags its window.
  void Resize(int nCols, int nRows);
  // Waits up to nMilliseconds for a settled screen that shows strText (or,
  // with bGone, no longer shows it); the last screen read goes into
  // *pstrScreen.
  bool WaitFor(const std::string& strText, int nMilliseconds,
               std::string* pstrScreen = nullptr, bool bGone = false);
  // TRUE while the session's program still runs.
  bool Alive();
  // Opens a second window (a shell), which becomes the session's current
  // one, in front of the program's.
  void OpenShellWindow();
  // TRUE when the program's own window (the first) is the current one.
  bool ProgramWindowInFront();

 private:
  // Each session has a tmux server of its own, so that one session's end
  // (which ends its server) never takes another's start with it.
  std::string Tmux() const;

  std::string m_strName;
  bool m_bStarted = false;
};

// TRUE when tmux can be run here.
bool HaveTmux();
