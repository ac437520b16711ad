#include "Button.h"

#include "DialogNavigation.h"

BOOL CButton::IsCheckable() const {
  const UINT nStyle = GetButtonStyle();
  return nStyle == BS_CHECKBOX || nStyle == BS_AUTOCHECKBOX || IsRadio();
}

BOOL CButton::IsRadio() const {
  const UINT nStyle = GetButtonStyle();
  return nStyle == BS_RADIOBUTTON || nStyle == BS_AUTORADIOBUTTON;
}

BOOL CButton::IsPushButton() const {
  const UINT nStyle = GetButtonStyle();
  return nStyle == BS_PUSHBUTTON || nStyle == BS_DEFPUSHBUTTON;
}

int CButton::GetCheck() const {
  return static_cast<int>(const_cast<CButton*>(this)->SendMessage(BM_GETCHECK));
}

void CButton::SetCheck(int nCheck) {
  SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck));
}

void CButton::SetCheckState(int nCheck) {
  m_nCheck = nCheck;
  Invalidate();
}

void CButton::UncheckGroupRadios() {
  for (CWnd* pWnd : AfxGetDlgGroupItems(*this)) {
    auto* pButton = dynamic_cast<CButton*>(pWnd);
    if (pButton && pButton != this &&
        pButton->GetButtonStyle() == BS_AUTORADIOBUTTON)
      pButton->SetCheck(BST_UNCHECKED);
  }
}

void CButton::Click() {
  if (IsGroupBox() || !IsInputEnabled()) return;
  if (GetButtonStyle() == BS_AUTOCHECKBOX) {
    SetCheckState(m_nCheck == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
  } else if (GetButtonStyle() == BS_AUTORADIOBUTTON) {
    UncheckGroupRadios();
    SetCheckState(BST_CHECKED);
  }
  if (GetParent())
    GetParent()->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED),
                             reinterpret_cast<LPARAM>(m_hWnd));
}

LRESULT CButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      if (IsGroupBox()) return 0;
      m_bPressed = TRUE;
      if (GetStyle() & WS_TABSTOP || IsRadio()) SetFocus();
      return 0;
    case WM_LBUTTONUP:
      // Only a press that began on the button clicks it.
      if (!m_bPressed) return 0;
      m_bPressed = FALSE;
      Click();
      return 0;
    case BM_CLICK:
      Click();
      return 0;
    case BM_GETCHECK:
      return m_nCheck;
    case BM_SETCHECK:
      SetCheckState(static_cast<int>(wParam));
      return 0;
    default:
      return CWnd::WindowProc(message, wParam, lParam);
  }
}
