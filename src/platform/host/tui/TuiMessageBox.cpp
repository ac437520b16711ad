// Message boxes on the full screen: the caption in the box's top edge, the
// icon as a mark before the text, the buttons in Windows' order. Arrow keys
// or Tab move between buttons, Enter presses one, a button's first letter
// presses it, Escape is Cancel where the box has it (OK in a plain box).
#include <curses.h>

#include <algorithm>
#include <cctype>

#include "TuiDraw.h"
#include "TuiUser.h"
#include "platform/host/HostAnswers.h"

namespace {
std::vector<int> Buttons(UINT uType) {
  std::vector<int> buttons;
  for (int nButton : {IDOK, IDYES, IDNO, IDABORT, IDRETRY, IDIGNORE, IDCANCEL})
    if (BoxOffers(uType, nButton)) buttons.push_back(nButton);
  return buttons;
}

std::string ButtonText(int nButton) {
  std::string strWord = WordFromAnswer(nButton);
  if (nButton == IDOK) return "OK";
  strWord[0] = static_cast<char>(std::toupper(strWord[0]));
  return strWord;
}

const char* IconMark(UINT uType) {
  switch (uType & MB_ICONMASK) {
    case MB_ICONSTOP:
      return "(X)";
    case MB_ICONQUESTION:
      return "(?)";
    case MB_ICONEXCLAMATION:
      return "(!)";
    case MB_ICONINFORMATION:
      return "(i)";
    default:
      return "";
  }
}

int EscapeAnswer(const std::vector<int>& buttons) {
  for (int nButton : buttons)
    if (nButton == IDCANCEL) return IDCANCEL;
  return buttons.size() == 1 && buttons[0] == IDOK ? IDOK : 0;
}
}  // namespace

int CTuiUser::MessageBoxA(HWND hWnd, const char* lpText, const char* lpCaption,
                          UINT uType, UINT nIDPrompt) {
  if (!m_bStarted)
    return CHostUser::MessageBoxA(hWnd, lpText, lpCaption, uType, nIDPrompt);
  const std::string strCaption = lpCaption ? lpCaption : "";
  // Up on the screen it is a top-level window with the program's title, as
  // on Windows, which a second instance's check finds.
  const HWND hBox = Windows().AddOwnWindow(strCaption);
  // Windows closed since the last paint go before the box comes up.
  DrawAll(" Left/Right or Tab: button   Enter: press   letter: press it" +
          std::string(EscapeAnswer(Buttons(uType)) ? "   Esc: close" : ""));
  const int nAnswer = RunMessageBox(TuiFromCodePage(lpText ? lpText : ""),
                                    TuiFromCodePage(strCaption), uType);
  Windows().RemoveOwnWindow(hBox);
  DrawAll();
  return nAnswer;
}

int CTuiUser::RunMessageBox(const std::string& strText,
                            const std::string& strCaption, UINT uType) {
  const std::vector<int> buttons = Buttons(uType);
  const std::string strMark = IconMark(uType);
  const int nTextWidth = std::max(20, std::min(60, COLS - 12));
  const std::vector<std::string> lines = TuiWrap(strText, nTextWidth);
  int nLongest = 0;
  for (const auto& strLine : lines)
    nLongest = std::max(nLongest, TuiTextWidth(strLine));
  std::string strButtons;
  std::vector<int> buttonCols;
  for (int nButton : buttons) {
    if (!strButtons.empty()) strButtons += "  ";
    buttonCols.push_back(TuiTextWidth(strButtons));
    strButtons += "[ " + ButtonText(nButton) + " ]";
  }
  const int nMarkWidth = strMark.empty() ? 0 : 5;
  const int nCols = std::min(
      COLS, std::max({nLongest + nMarkWidth + 4, TuiTextWidth(strButtons) + 4,
                      TuiTextWidth(strCaption) + 8}));
  const int nRows = std::min(LINES, static_cast<int>(lines.size()) + 6);
  const int nTop = std::max(0, (LINES - nRows) / 2);
  const int nLeft = std::max(0, (COLS - nCols) / 2);
  const int nButtonsLeft = nLeft + (nCols - TuiTextWidth(strButtons)) / 2;
  int nFocus = 0;
  for (;;) {
    for (int r = 0; r < nRows; ++r)
      mvaddstr(nTop + r, nLeft,
               std::string(static_cast<size_t>(nCols), ' ').c_str());
    TuiDrawBox(nTop, nLeft, nRows, nCols, strCaption, A_BOLD);
    if (!strMark.empty()) {
      attrset(A_BOLD);
      mvaddstr(nTop + 2, nLeft + 2, strMark.c_str());
      attrset(0);
    }
    for (size_t i = 0; i < lines.size() && static_cast<int>(i) < nRows - 6 + 1;
         ++i)
      mvaddstr(nTop + 2 + static_cast<int>(i), nLeft + 2 + nMarkWidth,
               lines[i].c_str());
    for (size_t i = 0; i < buttons.size(); ++i) {
      const int nAttr = static_cast<int>(i) == nFocus ? A_REVERSE : 0;
      const std::string strText = ButtonText(buttons[i]);
      const int nCol = nButtonsLeft + buttonCols[i];
      attrset(nAttr);
      mvaddstr(nTop + nRows - 2, nCol, ("[ " + strText + " ]").c_str());
      // The first letter presses it.
      TuiPutLabel(nTop + nRows - 2, nCol + 2, "&" + strText, nAttr);
    }
    refresh();
    const int nKey = WaitKey(-1);
    if (nKey == kKeyRunEnds) {
      // The run is ending: the box goes with the answer that changes
      // nothing (Cancel, No or OK).
      return EscapeAnswer(buttons) ? EscapeAnswer(buttons) : buttons.back();
    }
    const int nCount = static_cast<int>(buttons.size());
    if (nKey == '\t' || nKey == KEY_RIGHT) nFocus = (nFocus + 1) % nCount;
    if (nKey == KEY_BTAB || nKey == KEY_LEFT)
      nFocus = (nFocus + nCount - 1) % nCount;
    if (nKey == '\r' || nKey == '\n' || nKey == KEY_ENTER || nKey == ' ')
      return buttons[static_cast<size_t>(nFocus)];
    if (nKey == 27) {
      timeout(0);
      if (getch() == ERR && EscapeAnswer(buttons)) return EscapeAnswer(buttons);
    }
    if (nKey > 0 && nKey < 128 && std::isalpha(nKey)) {
      for (int nButton : buttons)
        if (std::toupper(ButtonText(nButton)[0]) == std::toupper(nKey))
          return nButton;
    }
    if (nKey == KEY_MOUSE) {
      MEVENT event;
      if (getmouse(&event) != OK || event.y != nTop + nRows - 2) continue;
      for (size_t i = 0; i < buttons.size(); ++i) {
        const int nStart = nButtonsLeft + buttonCols[i];
        const int nEnd =
            nStart + TuiTextWidth("[ " + ButtonText(buttons[i]) + " ]");
        if (event.x >= nStart && event.x < nEnd) return buttons[i];
      }
    }
  }
}
