// The folder browser as an input box: the path is typed and edited in
// place, the folders below what is typed are listed under it, Up and Down
// pick one of them, Tab or Enter on a picked one takes it into the path,
// Enter accepts the path when it names a folder, Escape cancels.
#include <curses.h>

#include <algorithm>
#include <cctype>

#include "TuiBoxLayout.h"
#include "TuiDraw.h"
#include "TuiUser.h"
#include "platform/host/files/HostFileSystem.h"
#include "platform/host/files/HostShell.h"

namespace {
constexpr int kListRows = 8;

struct CFolderEdit {
  std::string strText = "C:\\";
  size_t nCursor = 3;
  int nPick = -1;  // the picked folder of the list; -1: none
  std::string strMessage;
};

size_t FolderPartLength(const std::string& strText) {
  const size_t nSlash = strText.find_last_of("\\/");
  return nSlash == std::string::npos ? 0 : nSlash + 1;
}

BOOL StartsWithNoCase(const std::string& strName, const std::string& strStart) {
  if (strStart.size() > strName.size()) return FALSE;
  for (size_t i = 0; i < strStart.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(strName[i])) !=
        std::toupper(static_cast<unsigned char>(strStart[i])))
      return FALSE;
  return TRUE;
}

// The folders in the typed path's folder whose names begin with its last
// part, sorted.
std::vector<std::string> Matches(CHostFileSystem& files,
                                 const std::string& strText,
                                 CFolderFilter pfnOffered) {
  const size_t nFolder = FolderPartLength(strText);
  if (nFolder == 0) return {};
  const std::string strStart = strText.substr(nFolder);
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE hFind =
      files.FindFirstFileA((strText.substr(0, nFolder) + "*.*").c_str(), &data);
  if (hFind == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string strName = data.cFileName;
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && strName != "." &&
        strName != ".." && StartsWithNoCase(strName, strStart) &&
        (!pfnOffered ||
         pfnOffered((strText.substr(0, nFolder) + strName).c_str())))
      names.push_back(strName);
  } while (files.FindNextFileA(hFind, &data));
  files.FindClose(hFind);
  std::sort(names.begin(), names.end());
  return names;
}

void TakePick(CFolderEdit* pEdit, const std::vector<std::string>& matches) {
  if (pEdit->nPick < 0 || pEdit->nPick >= static_cast<int>(matches.size()))
    return;
  pEdit->strText = pEdit->strText.substr(0, FolderPartLength(pEdit->strText)) +
                   matches[static_cast<size_t>(pEdit->nPick)] + "\\";
  pEdit->nCursor = pEdit->strText.size();
  pEdit->nPick = -1;
}

// Editing keys; FALSE for a key they do not handle.
BOOL Edit(CFolderEdit* pEdit, int nKey) {
  std::string& strText = pEdit->strText;
  size_t& nCursor = pEdit->nCursor;
  if (nKey == KEY_LEFT && nCursor > 0)
    --nCursor;
  else if (nKey == KEY_RIGHT && nCursor < strText.size())
    ++nCursor;
  else if (nKey == KEY_HOME || nKey == 1)
    nCursor = 0;
  else if (nKey == KEY_END || nKey == 5)
    nCursor = strText.size();
  else if ((nKey == KEY_BACKSPACE || nKey == 127 || nKey == 8) && nCursor > 0)
    strText.erase(--nCursor, 1);
  else if (nKey == KEY_DC && nCursor < strText.size())
    strText.erase(nCursor, 1);
  else if (nKey == 21) {  // Ctrl-U
    strText.clear();
    nCursor = 0;
  } else if (nKey >= 32 && nKey < 127)
    strText.insert(nCursor++, 1, static_cast<char>(nKey));
  else
    return FALSE;
  pEdit->nPick = -1;
  pEdit->strMessage.clear();
  return TRUE;
}

constexpr int kTitleRows = 3;
constexpr int kBoxCols = 72;

// The rows the title takes in a box nCols wide.
int TitleRows(const std::string& strTitle, int nCols) {
  return static_cast<int>(TuiWrap(strTitle, nCols - 4).size());
}

// Like a dialog, the browser is shown whole or not at all: its title, the
// input line and at least one folder of the list. *pnMinCols and
// *pnMinRows: the smallest terminal for it.
BOOL FolderBoxFits(const std::string& strTitle, int* pnMinCols,
                   int* pnMinRows) {
  *pnMinCols = 20;
  while (*pnMinCols < kBoxCols && TitleRows(strTitle, *pnMinCols) > kTitleRows)
    ++*pnMinCols;
  const int nCols = std::min(COLS, kBoxCols);
  // Borders, title, a blank row, the input line, a folder, a blank row.
  *pnMinRows = std::min(TitleRows(strTitle, nCols), kTitleRows) + 6 +
               (LINES - TuiWindowRows());
  return COLS >= *pnMinCols && LINES >= *pnMinRows;
}

void DrawFolderBox(const std::string& strTitle, const CFolderEdit& edit,
                   const std::vector<std::string>& matches) {
  const int nCols = std::min(COLS, kBoxCols);
  const int nWidth = nCols - 4;
  const std::vector<std::string> title = TuiWrap(strTitle, nWidth);
  const int nTitleRows = std::min(static_cast<int>(title.size()), kTitleRows);
  const int nRows = std::min(TuiWindowRows(), nTitleRows + kListRows + 6);
  const int nTop = std::max(0, (TuiWindowRows() - nRows) / 2);
  const int nLeft = std::max(0, (COLS - nCols) / 2);
  for (int r = 0; r < nRows; ++r)
    mvaddstr(nTop + r, nLeft,
             std::string(static_cast<size_t>(nCols), ' ').c_str());
  TuiDrawBox(nTop, nLeft, nRows, nCols, "Browse for Folder", A_BOLD);
  for (int r = 0; r < nTitleRows; ++r)
    mvaddnstr(nTop + 1 + r, nLeft + 2, title[static_cast<size_t>(r)].c_str(),
              nWidth);
  // The path's last nWidth - 1 characters, so that the cursor shows.
  const int nInputRow = nTop + 2 + nTitleRows;
  const size_t nFirst = edit.nCursor >= static_cast<size_t>(nWidth - 1)
                            ? edit.nCursor - static_cast<size_t>(nWidth - 1) + 1
                            : 0;
  std::string strShown = edit.strText.substr(nFirst);
  strShown.resize(static_cast<size_t>(nWidth), ' ');
  attrset(A_UNDERLINE);
  mvaddnstr(nInputRow, nLeft + 2, strShown.c_str(), nWidth);
  attrset(A_REVERSE);
  const size_t nAt = edit.nCursor - nFirst;
  mvaddch(nInputRow, nLeft + 2 + static_cast<int>(nAt),
          static_cast<chtype>(static_cast<unsigned char>(strShown[nAt])));
  attrset(0);
  const int nListTop = nInputRow + 1;
  const int nListRows = std::max(0, nTop + nRows - 2 - nListTop);
  if (!edit.strMessage.empty()) {
    attrset(A_BOLD);
    mvaddnstr(nListTop, nLeft + 2, edit.strMessage.c_str(), nWidth);
    attrset(0);
    return;
  }
  const int nStart = std::max(0, edit.nPick - nListRows + 1);
  for (int r = 0;
       r < nListRows && nStart + r < static_cast<int>(matches.size()); ++r) {
    attrset(nStart + r == edit.nPick ? A_REVERSE : 0);
    mvaddnstr(nListTop + r, nLeft + 4,
              matches[static_cast<size_t>(nStart + r)].c_str(), nWidth - 2);
    attrset(0);
  }
}
// What a key does to the browser.
enum class CBrowseStep { Stay, Accept, Cancel };

void OnListKey(int nKey, const std::vector<std::string>& matches,
               CFolderEdit* pEdit) {
  const int nCount = static_cast<int>(matches.size());
  if (nKey == KEY_DOWN && nCount > 0)
    pEdit->nPick = (pEdit->nPick + 1) % nCount;
  if (nKey == KEY_UP && nCount > 0)
    pEdit->nPick = pEdit->nPick <= 0 ? nCount - 1 : pEdit->nPick - 1;
  if (nKey == '\t') {
    if (pEdit->nPick < 0 && nCount == 1) pEdit->nPick = 0;
    TakePick(pEdit, matches);
  }
}

CBrowseStep OnEnter(CHostFileSystem& files,
                    const std::vector<std::string>& matches,
                    CFolderEdit* pEdit) {
  if (pEdit->nPick >= 0) {
    TakePick(pEdit, matches);
    return CBrowseStep::Stay;
  }
  if (HostFolderExists(files, pEdit->strText)) return CBrowseStep::Accept;
  pEdit->strMessage = "No such folder: " + pEdit->strText;
  return CBrowseStep::Stay;
}

// Hidden (bFits FALSE), the browser takes no key but Escape.
CBrowseStep OnKey(CHostFileSystem& files, int nKey, BOOL bFits,
                  const std::vector<std::string>& matches, CFolderEdit* pEdit) {
  if (nKey == 27) {
    timeout(0);
    return getch() == ERR ? CBrowseStep::Cancel : CBrowseStep::Stay;
  }
  if (nKey == KEY_MOUSE) {
    MEVENT event;
    getmouse(&event);
    return CBrowseStep::Stay;
  }
  if (!bFits || nKey == KEY_RESIZE) return CBrowseStep::Stay;
  if (nKey == '\r' || nKey == '\n' || nKey == KEY_ENTER)
    return OnEnter(files, matches, pEdit);
  if (nKey == KEY_DOWN || nKey == KEY_UP || nKey == '\t')
    OnListKey(nKey, matches, pEdit);
  else
    Edit(pEdit, nKey);
  return CBrowseStep::Stay;
}
}  // namespace

BOOL CTuiUser::PromptFolder(CHostFileSystem& files, const std::string& strTitle,
                            CFolderFilter pfnOffered, std::string* pstrFolder) {
  if (!Start()) return FALSE;
  CFolderEdit edit;
  // Asked again (after No to the deletion question), it starts from the
  // path the user gave last.
  if (!m_strLastFolder.empty()) {
    edit.strText = m_strLastFolder;
    edit.nCursor = edit.strText.size();
  }
  const std::string strTitleShown = TuiFromCodePage(strTitle);
  for (;;) {
    const std::vector<std::string> matches =
        Matches(files, edit.strText, pfnOffered);
    int nMinCols = 0, nMinRows = 0;
    const BOOL bFits = FolderBoxFits(strTitleShown, &nMinCols, &nMinRows);
    DrawAll(bFits ? " Type a path   Up/Down: folder   Tab: take it   Enter: "
                    "accept   Esc: cancel"
                  : " Make the terminal larger   Esc: cancel");
    if (bFits)
      DrawFolderBox(strTitleShown, edit, matches);
    else
      TuiDrawNotice(TuiTooSmallNotice("Browse for Folder", nMinCols, nMinRows,
                                      COLS, LINES));
    refresh();
    const int nKey = WaitKey(-1);
    // The run ending cancels the browser, as Escape does.
    if (nKey == kKeyRunEnds) break;
    const CBrowseStep step = OnKey(files, nKey, bFits, matches, &edit);
    if (step == CBrowseStep::Cancel) break;
    if (step == CBrowseStep::Accept && pfnOffered &&
        !pfnOffered(edit.strText.c_str())) {
      edit.strMessage = "Not offered: " + edit.strText;
    } else if (step == CBrowseStep::Accept) {
      *pstrFolder = m_strLastFolder = edit.strText;
      DrawAll();
      return TRUE;
    }
  }
  DrawAll();
  return FALSE;
}
