#include "TuiUser.h"

#include <curses.h>
#include <langinfo.h>

#include <algorithm>
#include <clocale>
#include <cstring>

#include "TuiDraw.h"
#include "fw/FrameworkUser.h"
#include "fw/WinApp.h"
#include "fw/WindowMap.h"
#include "fw/Wnd.h"

CTuiUser::CTuiUser(const std::string& strWindowDirectory)
    : CHostUser(strWindowDirectory) {}

CTuiUser::~CTuiUser() {
  for (auto& entry : m_published) Windows().RemoveOwnWindow(entry.second);
  Stop();
}

BOOL CTuiUser::Start() {
  if (m_bStarted) return TRUE;
  std::setlocale(LC_ALL, "");
  TuiSetUtf8Terminal(std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0);
  if (!initscr()) return FALSE;
  m_bStarted = TRUE;
  cbreak();
  noecho();
  nonl();
  keypad(stdscr, TRUE);
  curs_set(0);
  set_escdelay(25);
  mousemask(BUTTON1_PRESSED | BUTTON1_RELEASED | BUTTON1_CLICKED |
                BUTTON2_PRESSED | BUTTON2_CLICKED | BUTTON3_PRESSED |
                BUTTON3_CLICKED,
            nullptr);
  mouseinterval(0);
  return TRUE;
}

void CTuiUser::Stop() {
  if (!m_bStarted) return;
  endwin();
  m_bStarted = FALSE;
}

int CTuiUser::GetSystemMetrics(int nIndex) {
  // Cells of 5 x 13 pixels: a caption or a menu bar is one row, a frame one
  // cell wide; a thin border is drawn by no one.
  switch (nIndex) {
    case SM_CXSCREEN:
      // Only the program's windows ask: the screen comes up for them.
      return (Start() ? COLS : 80) * 5;
    case SM_CYSCREEN:
      // The last row is the status line's.
      return (Start() ? TuiWindowRows() : 23) * 13;
    case SM_CYCAPTION:
      return 0;
    case SM_CYMENU:
      return 13;
    case SM_CXDLGFRAME:
      return 5;
    case SM_CYDLGFRAME:
      return 13;
    default:
      return 0;
  }
}

void CTuiUser::SyncPublishedWindows() {
  // The main window's title is published in the machine's window list, so
  // that a second instance finds this one, as on Windows.
  std::vector<std::pair<HWND, HWND>> kept;
  for (auto& entry : m_published) {
    CWnd* pWnd = AfxWndFromHandle(entry.first);
    if (pWnd && pWnd->IsWindowVisible())
      kept.push_back(entry);
    else
      Windows().RemoveOwnWindow(entry.second);
  }
  m_published = kept;
  for (CWnd* pTop : AfxGetTopLevelWindows()) {
    if (!pTop->IsWindowVisible() || pTop->GetWindowText().empty()) continue;
    auto it = std::find_if(m_published.begin(), m_published.end(),
                           [&](auto& e) { return e.first == pTop->m_hWnd; });
    if (it == m_published.end())
      m_published.emplace_back(pTop->m_hWnd,
                               Windows().AddOwnWindow(pTop->GetWindowText()));
  }
}

void CTuiUser::SetWaitCursor(BOOL bWait) {
  m_bWaitCursor = bWait;
  CHostUser::SetWaitCursor(bWait);
}
