// The screen as a whole: every window of the program, then the status line
// with the keys that work now.
#include <curses.h>

#include "TuiDraw.h"
#include "TuiUser.h"
#include "fw/Button.h"
#include "fw/WindowMap.h"
#include "fw/Wnd.h"

namespace {
CButton* DefaultButton(CWnd& top) {
  for (CWnd* pChild : top.GetChildren()) {
    auto* pButton = dynamic_cast<CButton*>(pChild);
    if (pButton && pButton->IsDefault() && pButton->IsInputEnabled())
      return pButton;
  }
  return nullptr;
}

// What Space, the arrows or Enter do on the focused control.
std::string ControlKeys(CWnd* pFocus) {
  auto* pButton = dynamic_cast<CButton*>(pFocus);
  if (pFocus && pFocus->GetKind() == CWndKind::ComboBox)
    return "Up/Down or letter: choose   Space: list   ";
  if (pButton && pButton->IsRadio()) return "Up/Down: choose   ";
  if (pButton && pButton->IsCheckable()) return "Space: check/uncheck   ";
  if (pButton && pButton->IsPushButton()) return "Enter: press   ";
  return "";
}

std::string EnterKey(CWnd* pFocus, CWnd& active) {
  auto* pButton = dynamic_cast<CButton*>(pFocus);
  if (pButton && pButton->IsPushButton()) return "";
  CButton* pDefault = DefaultButton(active);
  return pDefault ? "Enter: " + TuiLabel(pDefault->GetWindowText()) + "   "
                  : "";
}
}  // namespace

std::string CTuiUser::KeyHints() const {
  CWnd* pActive = AfxGetActiveWindow();
  if (!pActive) return "";
  // A window without a caption is the splash picture.
  if ((pActive->GetStyle() & WS_CAPTION) != WS_CAPTION)
    return " Any key or click: continue";
  if (!TuiWindowFits(*pActive))
    return pActive->GetKind() == CWndKind::Dialog
               ? " Make the terminal larger   Esc: cancel"
               : " Make the terminal larger";
  CWnd* pFocus = CWnd::GetFocus();
  if (pFocus && pFocus->GetTopLevelParent() != pActive) pFocus = nullptr;
  std::string strHints =
      " " + ControlKeys(pFocus) + EnterKey(pFocus, *pActive) + "Tab: next   ";
  if (pActive->GetMenu()) strHints += "F10: menu   ";
  if (pActive->GetKind() == CWndKind::Dialog) strHints += "Esc: cancel";
  return strHints;
}

void CTuiUser::DrawAll(const std::string& strStatus) {
  erase();
  TuiDrawWindows();
  std::string strLine = strStatus;
  if (strLine.empty())
    strLine = m_bWaitCursor ? " Busy, please wait..." : KeyHints();
  attrset(m_bWaitCursor ? A_BOLD | A_REVERSE : A_DIM);
  mvaddnstr(LINES - 1, 0, strLine.c_str(), COLS);
  attrset(0);
  refresh();
}

void CTuiUser::Render() {
  if (AfxGetTopLevelWindows().empty() || !Start()) return;
  SyncPublishedWindows();
  DrawAll();
}
