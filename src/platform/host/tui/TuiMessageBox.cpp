// Message boxes on the full screen: the caption in the box's top edge, the
// icon as a mark before the text, the buttons in Windows' order. Arrow keys
// or Tab move between buttons, Enter presses one, a button's first letter
// presses it, Escape is Cancel where the box has it (OK in a plain box).
// A box the screen can't hold whole is not shown: a notice says how large
// the terminal must be, and only Escape answers, with the answer that
// changes nothing.
#include <curses.h>

#include <algorithm>
#include <cctype>

#include "TuiBoxLayout.h"
#include "TuiDraw.h"
#include "TuiUser.h"
#include "platform/host/HostAnswers.h"

namespace {
constexpr int kEscape = 27;

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

// The answer of Escape on a box shown whole: Cancel, or OK in a plain box.
int EscapeAnswer(const std::vector<int>& buttons) {
  for (int nButton : buttons)
    if (nButton == IDCANCEL) return IDCANCEL;
  return buttons.size() == 1 && buttons[0] == IDOK ? IDOK : 0;
}

// The answer that changes nothing (Cancel, No or OK), for a box that can't
// be read or a run that is ending.
int NeutralAnswer(const std::vector<int>& buttons) {
  return EscapeAnswer(buttons) ? EscapeAnswer(buttons) : buttons.back();
}

// What is on the screen for one box.
struct CShownBox {
  std::string strText, strCaption, strMark;
  std::vector<int> buttons;
  CTuiMessageBoxLayout layout;
};

void LayOut(CShownBox* pBox) {
  std::vector<std::string> labels;
  for (int nButton : pBox->buttons) labels.push_back(ButtonText(nButton));
  pBox->layout =
      TuiLayOutMessageBox(pBox->strText, pBox->strCaption, pBox->strMark,
                          labels, COLS, TuiWindowRows());
}

std::string StatusOf(const CShownBox& box) {
  if (!box.layout.bFits)
    return " Make the terminal larger   Esc: " +
           ButtonText(NeutralAnswer(box.buttons));
  return " Left/Right or Tab: button   Enter: press   letter: press it" +
         std::string(EscapeAnswer(box.buttons) ? "   Esc: close" : "");
}

void Draw(const CShownBox& box, size_t nFocus) {
  const CTuiMessageBoxLayout& layout = box.layout;
  if (!layout.bFits) {
    TuiDrawNotice(TuiTooSmallNotice(box.strCaption, layout.nMinCols,
                                    layout.nMinRows + LINES - TuiWindowRows(),
                                    COLS, LINES));
    return;
  }
  const CCellRect& rc = layout.box;
  TuiFill(rc.row, rc.col, rc.rows, rc.cols);
  TuiDrawBox(rc.row, rc.col, rc.rows, rc.cols, box.strCaption, A_BOLD);
  TuiPutText(layout.nMarkRow, layout.nMarkCol, box.strMark, A_BOLD);
  for (size_t i = 0; i < layout.lines.size(); ++i)
    TuiPutText(layout.nTextRow + static_cast<int>(i), layout.nTextCol,
               layout.lines[i], 0);
  for (size_t i = 0; i < box.buttons.size(); ++i) {
    const int nAttr = i == nFocus ? A_REVERSE : 0;
    const std::string strText = ButtonText(box.buttons[i]);
    const CCellRect& button = layout.buttons[i];
    TuiPutText(button.row, button.col, "[ " + strText + " ]", nAttr);
    // The first letter presses it.
    TuiPutLabel(button.row, button.col + 2, "&" + strText, nAttr);
  }
}

// A lone Escape, not the start of an Alt+key.
BOOL LoneEscape(int nKey) {
  if (nKey != kEscape) return FALSE;
  timeout(0);
  return getch() == ERR;
}

int ClickedButton(const CShownBox& box) {
  MEVENT event;
  if (getmouse(&event) != OK) return 0;
  for (size_t i = 0; i < box.buttons.size(); ++i) {
    const CCellRect& rc = box.layout.buttons[i];
    if (event.y == rc.row && event.x >= rc.col && event.x < rc.col + rc.cols)
      return box.buttons[i];
  }
  return 0;
}

int PressedByLetter(const CShownBox& box, int nKey) {
  if (nKey <= 0 || nKey >= 128 || !std::isalpha(nKey)) return 0;
  for (int nButton : box.buttons)
    if (std::toupper(ButtonText(nButton)[0]) == std::toupper(nKey))
      return nButton;
  return 0;
}

// The answer a key gives, 0 for none; the arrows and Tab move *pnFocus.
int AnswerOf(const CShownBox& box, int nKey, size_t* pnFocus) {
  const size_t nCount = box.buttons.size();
  if (!box.layout.bFits)
    return LoneEscape(nKey) ? NeutralAnswer(box.buttons) : 0;
  if (nKey == '\t' || nKey == KEY_RIGHT) *pnFocus = (*pnFocus + 1) % nCount;
  if (nKey == KEY_BTAB || nKey == KEY_LEFT)
    *pnFocus = (*pnFocus + nCount - 1) % nCount;
  if (nKey == '\r' || nKey == '\n' || nKey == KEY_ENTER || nKey == ' ')
    return box.buttons[*pnFocus];
  if (LoneEscape(nKey)) return EscapeAnswer(box.buttons);
  if (nKey == KEY_MOUSE) return ClickedButton(box);
  return PressedByLetter(box, nKey);
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
  const int nAnswer = RunMessageBox(TuiFromCodePage(lpText ? lpText : ""),
                                    TuiFromCodePage(strCaption), uType);
  Windows().RemoveOwnWindow(hBox);
  DrawAll();
  return nAnswer;
}

int CTuiUser::RunMessageBox(const std::string& strText,
                            const std::string& strCaption, UINT uType) {
  CShownBox box{strText, strCaption, IconMark(uType), Buttons(uType), {}};
  size_t nFocus = 0;
  for (;;) {
    // Laid out anew each time: the terminal may have changed its size.
    LayOut(&box);
    DrawAll(StatusOf(box));
    Draw(box, nFocus);
    refresh();
    const int nKey = WaitKey(-1);
    if (nKey == kKeyRunEnds) return NeutralAnswer(box.buttons);
    if (const int nAnswer = AnswerOf(box, nKey, &nFocus)) return nAnswer;
  }
}
