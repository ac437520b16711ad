// Button controls: push buttons, check boxes, radio buttons and group boxes,
// by their BS_* style. A click (mouse press and release on the button, the
// space bar, or BM_CLICK) toggles an automatic check box, checks an
// automatic radio button and unchecks the other radio buttons of its group,
// and then sends BN_CLICKED to the parent, as Windows' button class does.
#pragma once

#include "Wnd.h"

class CButton : public CWnd {
 public:
  CButton() { m_kind = CWndKind::Button; }

  UINT GetButtonStyle() const { return GetStyle() & BS_TYPEMASK; }
  BOOL IsCheckable() const;
  BOOL IsRadio() const;
  BOOL IsPushButton() const;
  BOOL IsGroupBox() const { return GetButtonStyle() == BS_GROUPBOX; }
  BOOL IsDefault() const { return GetButtonStyle() == BS_DEFPUSHBUTTON; }

  // BM_GETCHECK and BM_SETCHECK to the button.
  int GetCheck() const;
  void SetCheck(int nCheck);
  // A click as a person makes it.
  void Click();
  BOOL IsPressed() const { return m_bPressed; }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void UncheckGroupRadios();
  void SetCheckState(int nCheck);
  int m_nCheck = BST_UNCHECKED;
  BOOL m_bPressed = FALSE;
};
