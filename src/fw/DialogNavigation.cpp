#include "DialogNavigation.h"

#include <algorithm>

#include "Button.h"
#include "ComboBox.h"
#include "WindowMap.h"

namespace {
BOOL CanTakeFocus(const CWnd& ctl) {
  const auto* pButton = dynamic_cast<const CButton*>(&ctl);
  if (pButton && pButton->IsGroupBox()) return FALSE;
  if (ctl.GetKind() == CWndKind::Static) return FALSE;
  // The control's own flags: a dialog's focus is placed before it shows.
  return (ctl.GetStyle() & WS_VISIBLE) && ctl.IsWindowEnabled();
}

int IndexOf(const std::vector<CWnd*>& list, const CWnd* pWnd) {
  auto it = std::find(list.begin(), list.end(), pWnd);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

BOOL IsWithin(const CWnd& dlg, const CWnd* pWnd) {
  for (; pWnd; pWnd = pWnd->GetParent())
    if (pWnd == &dlg) return TRUE;
  return FALSE;
}

// The focused control, if it belongs to dlg.
CWnd* FocusIn(CWnd& dlg) {
  CWnd* pFocus = CWnd::GetFocus();
  return pFocus && pFocus != &dlg && IsWithin(dlg, pFocus) ? pFocus : nullptr;
}

CButton* DefaultButton(CWnd& dlg) {
  for (CWnd* pChild : dlg.GetChildren()) {
    auto* pButton = dynamic_cast<CButton*>(pChild);
    if (pButton && pButton->IsDefault()) return pButton;
  }
  return nullptr;
}

BOOL OnTab(CWnd& dlg, BOOL bShift) {
  CWnd* pNext = AfxGetNextDlgTabItem(dlg, FocusIn(dlg), bShift);
  if (pNext) AfxGroupFocusTarget(*pNext)->SetFocus();
  return TRUE;
}

BOOL OnArrow(CWnd& dlg, CWnd* pFocus, BOOL bPrevious) {
  if (!pFocus) return FALSE;
  if (pFocus->GetKind() == CWndKind::ComboBox) return FALSE;
  CWnd* pNext = AfxGetNextDlgGroupItem(dlg, *pFocus, bPrevious);
  if (!pNext || pNext == pFocus) return TRUE;
  pNext->SetFocus();
  auto* pButton = dynamic_cast<CButton*>(pNext);
  if (pButton && pButton->GetButtonStyle() == BS_AUTORADIOBUTTON)
    pButton->Click();
  return TRUE;
}

BOOL OnReturn(CWnd& dlg, CWnd* pFocus) {
  auto* pFocusButton = dynamic_cast<CButton*>(pFocus);
  if (pFocusButton && pFocusButton->IsPushButton()) {
    pFocusButton->Click();
    return TRUE;
  }
  if (CButton* pDefault = DefaultButton(dlg)) {
    if (pDefault->IsWindowEnabled()) pDefault->Click();
    return TRUE;
  }
  return FALSE;
}
}  // namespace

std::vector<CWnd*> AfxGetDlgGroupItems(CWnd& ctl) {
  std::vector<CWnd*> group;
  CWnd* pParent = ctl.GetParent();
  if (!pParent) return group;
  const auto& siblings = pParent->GetChildren();
  int nStart = IndexOf(siblings, &ctl);
  while (nStart > 0 && !(siblings[nStart]->GetStyle() & WS_GROUP)) --nStart;
  for (size_t i = static_cast<size_t>(std::max(nStart, 0)); i < siblings.size();
       ++i) {
    if (i != static_cast<size_t>(nStart) &&
        (siblings[i]->GetStyle() & WS_GROUP))
      break;
    group.push_back(siblings[i]);
  }
  return group;
}

CWnd* AfxGetNextDlgTabItem(CWnd& dlg, CWnd* pCurrent, BOOL bPrevious) {
  const auto& controls = dlg.GetChildren();
  const int nCount = static_cast<int>(controls.size());
  if (nCount == 0) return nullptr;
  // A control inside a group counts as standing where its group's tab stop
  // stands.
  int nFrom = IndexOf(controls, pCurrent);
  const int nStep = bPrevious ? -1 : 1;
  if (nFrom < 0) nFrom = bPrevious ? 0 : nCount - 1;
  for (int n = 1; n <= nCount; ++n) {
    CWnd* pWnd = controls[static_cast<size_t>(
        ((nFrom + n * nStep) % nCount + nCount) % nCount)];
    if (!(pWnd->GetStyle() & WS_TABSTOP) || !CanTakeFocus(*pWnd)) continue;
    if (pCurrent && pWnd != pCurrent) {
      const auto group = AfxGetDlgGroupItems(*pWnd);
      if (std::find(group.begin(), group.end(), pCurrent) != group.end() &&
          dynamic_cast<CButton*>(pCurrent) &&
          static_cast<CButton*>(pCurrent)->IsRadio())
        continue;
    }
    return pWnd;
  }
  return pCurrent && CanTakeFocus(*pCurrent) ? pCurrent : nullptr;
}

CWnd* AfxGetNextDlgGroupItem(CWnd&, CWnd& current, BOOL bPrevious) {
  const auto group = AfxGetDlgGroupItems(current);
  const int nCount = static_cast<int>(group.size());
  const int nFrom = IndexOf(group, &current);
  if (nFrom < 0) return &current;
  for (int n = 1; n <= nCount; ++n) {
    const int nStep = bPrevious ? -n : n;
    CWnd* pWnd = group[static_cast<size_t>(((nFrom + nStep) % nCount + nCount) %
                                           nCount)];
    if (CanTakeFocus(*pWnd)) return pWnd;
  }
  return &current;
}

CWnd* AfxGroupFocusTarget(CWnd& ctl) {
  auto* pButton = dynamic_cast<CButton*>(&ctl);
  if (!pButton || !pButton->IsRadio()) return &ctl;
  for (CWnd* pWnd : AfxGetDlgGroupItems(ctl)) {
    auto* pRadio = dynamic_cast<CButton*>(pWnd);
    if (pRadio && pRadio->IsRadio() && pRadio->GetCheck() == BST_CHECKED &&
        CanTakeFocus(*pRadio))
      return pRadio;
  }
  return &ctl;
}

BOOL AfxIsDialogMessage(CWnd& dlg, MSG* pMsg) {
  if (pMsg->message != WM_KEYDOWN) return FALSE;
  CWnd* pTarget = AfxWndFromHandle(pMsg->hwnd);
  if (!IsWithin(dlg, pTarget)) return FALSE;
  CWnd* pFocus = FocusIn(dlg);
  const BOOL bShift = (pMsg->lParam & kKeyShiftDown) ? TRUE : FALSE;
  switch (pMsg->wParam) {
    case VK_TAB:
      return OnTab(dlg, bShift);
    case VK_LEFT:
    case VK_UP:
      return OnArrow(dlg, pFocus, TRUE);
    case VK_RIGHT:
    case VK_DOWN:
      return OnArrow(dlg, pFocus, FALSE);
    case VK_RETURN:
      return OnReturn(dlg, pFocus);
    case VK_ESCAPE:
      dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
      return TRUE;
    case VK_SPACE:
      if (auto* pButton = dynamic_cast<CButton*>(pFocus)) {
        pButton->Click();
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}
