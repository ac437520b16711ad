#include "HostUser.h"

#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <iostream>

const char* IconName(UINT uType) {
  switch (uType & MB_ICONMASK) {
    case MB_ICONSTOP:
      return "Stop";
    case MB_ICONQUESTION:
      return "Question";
    case MB_ICONEXCLAMATION:
      return "Exclamation";
    case MB_ICONINFORMATION:
      return "Information";
    default:
      return "";
  }
}

std::string ButtonsText(UINT uType) {
  std::string strText;
  for (int nButton :
       {IDOK, IDYES, IDNO, IDABORT, IDRETRY, IDIGNORE, IDCANCEL}) {
    if (!BoxOffers(uType, nButton)) continue;
    std::string strWord = WordFromAnswer(nButton);
    strWord[0] = static_cast<char>(strWord[0] - 'a' + 'A');
    if (nButton == IDOK) strWord = "OK";
    if (!strText.empty()) strText += " ";
    strText += "[" + strWord + "]";
  }
  return strText;
}

CHostUser::CHostUser(const std::string& strWindowDirectory)
    : m_windows(strWindowDirectory) {}

int CHostUser::MessageBoxA(HWND, const char* lpText, const char* lpCaption,
                           UINT uType, UINT) {
  // While the box is up it is a top-level window with the program's title,
  // which a second instance's single-instance check finds, as on Windows.
  const HWND hBox = m_windows.AddOwnWindow(lpCaption ? lpCaption : "");
  const char* pszIcon = IconName(uType);
  std::fprintf(stderr, "\n=== %s ===\n", lpCaption ? lpCaption : "");
  if (*pszIcon) std::fprintf(stderr, "(%s)\n", pszIcon);
  std::fprintf(stderr, "%s\n%s\n", lpText ? lpText : "",
               ButtonsText(uType).c_str());
  const int nAnswer = Answer(uType);
  std::fprintf(stderr, "> %s\n", WordFromAnswer(nAnswer));
  std::fflush(stderr);
  m_windows.RemoveOwnWindow(hBox);
  return nAnswer;
}

int CHostUser::Answer(UINT uType) {
  const int nScripted = m_answers.Next();
  if (nScripted != 0) {
    if (BoxOffers(uType, nScripted)) return nScripted;
    std::fprintf(stderr, "(scripted answer not offered by this box)\n");
    return NeutralAnswer(uType);
  }
  if (isatty(STDIN_FILENO)) return AskTerminal(uType);
  return NeutralAnswer(uType);
}

int CHostUser::AskTerminal(UINT uType) {
  // Only the buttons' words are accepted; end of input is the neutral answer.
  std::string strLine;
  while (true) {
    std::fprintf(stderr, "answer: ");
    std::fflush(stderr);
    if (!std::getline(std::cin, strLine)) return NeutralAnswer(uType);
    if (strLine.empty() && (uType & MB_TYPEMASK) == MB_OK) return IDOK;
    const int nAnswer = AnswerFromWord(strLine);
    if (BoxOffers(uType, nAnswer)) return nAnswer;
  }
}

HWND CHostUser::FindWindowA(const char*, const char* lpWindowName) {
  if (lpWindowName == nullptr) return nullptr;
  for (const auto& entry : m_windows.Snapshot())
    if (entry.strTitle == lpWindowName) return entry.hWnd;
  return nullptr;
}

HWND CHostUser::GetTopWindow(HWND hWnd) {
  if (hWnd != nullptr) return nullptr;
  const auto entries = m_windows.Snapshot();
  return entries.empty() ? nullptr : entries.front().hWnd;
}

HWND CHostUser::GetWindow(HWND hWnd, UINT uCmd) {
  if (uCmd != GW_HWNDNEXT) return nullptr;
  const auto entries = m_windows.Snapshot();
  for (size_t i = 0; i + 1 < entries.size(); ++i)
    if (entries[i].hWnd == hWnd) return entries[i + 1].hWnd;
  return nullptr;
}

int CHostUser::GetWindowTextA(HWND hWnd, char* lpString, int nMaxCount) {
  CHostWindowList::CEntry entry;
  if (nMaxCount <= 0) return 0;
  lpString[0] = '\0';
  if (!m_windows.Find(hWnd, &entry)) return 0;
  const size_t n =
      std::min(entry.strTitle.size(), static_cast<size_t>(nMaxCount - 1));
  std::memcpy(lpString, entry.strTitle.data(), n);
  lpString[n] = '\0';
  return static_cast<int>(n);
}

LRESULT CHostUser::SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam,
                                LPARAM lParam) {
  if (m_windows.IsOwn(hWnd))
    return OnOwnWindowMessage(hWnd, Msg, wParam, lParam);
  if (Msg == WM_CLOSE) m_windows.CloseForeign(hWnd);
  return 0;
}

LRESULT CHostUser::OnOwnWindowMessage(HWND hWnd, UINT Msg, WPARAM, LPARAM) {
  if (Msg == WM_CLOSE) m_windows.RemoveOwnWindow(hWnd);
  return 0;
}

BOOL CHostUser::IsIconic(HWND) { return FALSE; }

BOOL CHostUser::IsWindowVisible(HWND hWnd) {
  CHostWindowList::CEntry entry;
  return m_windows.Find(hWnd, &entry) ? TRUE : FALSE;
}

BOOL CHostUser::ShowWindow(HWND hWnd, int) { return IsWindowVisible(hWnd); }

BOOL CHostUser::SetForegroundWindow(HWND hWnd) {
  CHostWindowList::CEntry entry;
  if (!m_windows.Find(hWnd, &entry)) return FALSE;
  // Another instance's terminal UI takes SIGUSR1 as the request to come
  // forward (it redraws and signals the terminal).
  if (entry.bOwn) return TRUE;
  kill(static_cast<pid_t>(entry.nPid), SIGUSR1);
  // A terminal can't be raised: the person who started this one is told
  // where the program already runs.
  std::fprintf(stderr,
               "quorrel is already running (process %ld); it was asked to "
               "come forward.\n",
               entry.nPid);
  return TRUE;
}

BOOL CHostUser::EnableWindow(HWND, BOOL) { return FALSE; }

void CHostUser::DispatchPendingMessages() {}

void CHostUser::SetWaitCursor(BOOL) {}
