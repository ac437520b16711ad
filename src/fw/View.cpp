#include "View.h"

#include <algorithm>

#include "DialogControls.h"
#include "DialogNavigation.h"
#include "DialogTemplate.h"
#include "WindowSystem.h"

BOOL CView::Create(CWnd* pParent, UINT nID) {
  RECT client = {0, 0, 0, 0};
  if (pParent) pParent->GetClientRect(&client);
  return CreateEx(WS_CHILD | WS_VISIBLE, "", client, pParent, nID);
}

void CView::OnInitialUpdate() { Invalidate(); }

void CView::OnActivateView() {
  CWnd* pFocus = CWnd::GetFocus();
  if (!pFocus || pFocus->GetTopLevelParent() != GetTopLevelParent()) SetFocus();
}

BOOL CFormView::Create(CWnd* pParent, UINT nID) {
  const CDialogTemplate* pTemplate = FindDialogTemplate(m_nIDTemplate);
  if (!pTemplate) return FALSE;
  // A form keeps its template's border; a caption it never has.
  const DWORD dwStyle =
      WS_CHILD | WS_VISIBLE | (pTemplate->dwStyle & WS_BORDER);
  if (!AfxWindowSystem().CreateDialogWnd(*this, *pTemplate, dwStyle, pParent,
                                         nID))
    return FALSE;
  return AfxCreateDialogControls(*this, *pTemplate, m_controls);
}

void CFormView::OnInitialUpdate() {
  UpdateData(FALSE);
  CView::OnInitialUpdate();
}

void CFormView::OnActivateView() {
  CWnd* pFocus = CWnd::GetFocus();
  if (pFocus && pFocus->GetParent() == this) return;
  if (CWnd* pFirst = AfxGetNextDlgTabItem(*this, nullptr, FALSE))
    AfxGroupFocusTarget(*pFirst)->SetFocus();
  else
    SetFocus();
}

void CFormView::ResizeParentToFit(BOOL bShrinkOnly) {
  CWnd* pFrame = GetParent();
  if (!pFrame) return;
  RECT view;
  GetWindowRect(&view);
  RECT frame;
  pFrame->GetWindowRect(&frame);
  RECT client;
  pFrame->GetClientRect(&client);
  LONG cxWanted = view.right - view.left;
  LONG cyWanted = view.bottom - view.top;
  if (bShrinkOnly) {
    cxWanted = std::min<LONG>(cxWanted, client.right);
    cyWanted = std::min<LONG>(cyWanted, client.bottom);
  }
  const LONG cx = frame.right - frame.left + cxWanted - client.right;
  const LONG cy = frame.bottom - frame.top + cyWanted - client.bottom;
  pFrame->MoveWindow(frame.left, frame.top, cx, cy);
}

BOOL CFormView::PreTranslateMessage(MSG* pMsg) {
  return AfxWindowSystem().IsDialogMsg(*this, pMsg);
}
