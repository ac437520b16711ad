#include "Wnd.h"

#include <algorithm>

#include "DialogNavigation.h"
#include "MessageQueue.h"
#include "UiAdapter.h"
#include "WindowMap.h"

CWnd::CWnd() = default;

CWnd::~CWnd() {
  if (m_hWnd) {
    // The object goes before its window: tear the window down without
    // calling back into the half-destroyed object.
    for (CWnd* pChild : std::vector<CWnd*>(m_children)) pChild->Detach();
    Detach();
  }
}

BOOL CWnd::CreateEx(DWORD dwStyle, const char* pszName, const RECT& rect,
                    CWnd* pParent, UINT nID) {
  if (m_hWnd) return FALSE;
  m_dwStyle = dwStyle;
  m_strText = pszName ? pszName : "";
  m_rect = rect;
  m_nID = nID;
  m_hWnd = AfxAllocWindowHandle(this);
  if (dwStyle & WS_CHILD) {
    m_pParent = pParent;
    if (m_pParent) m_pParent->m_children.push_back(this);
  } else {
    m_pOwner = pParent ? pParent->GetTopLevelParent() : nullptr;
    AfxAddTopLevel(this);
  }
  if (SendMessage(WM_CREATE) == -1) {
    DestroyWindow();
    return FALSE;
  }
  if (m_dwStyle & WS_VISIBLE) Invalidate();
  return TRUE;
}

void CWnd::Detach() {
  AfxForgetFocus(this);
  AfxForgetWindowMessages(m_hWnd);
  AfxFreeWindowHandle(m_hWnd);
  if (m_pParent) {
    auto& siblings = m_pParent->m_children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this),
                   siblings.end());
  } else {
    AfxRemoveTopLevel(this);
  }
  m_hWnd = nullptr;
  m_pParent = nullptr;
  m_pOwner = nullptr;
}

BOOL CWnd::DestroyWindow() {
  if (!m_hWnd) return FALSE;
  // Windows destroys the windows a top-level window owns first.
  if (!m_pParent) {
    for (CWnd* pTop : std::vector<CWnd*>(AfxGetTopLevelWindows()))
      if (pTop->m_pOwner == this) pTop->DestroyWindow();
  }
  SendMessage(WM_DESTROY);
  for (CWnd* pChild : std::vector<CWnd*>(m_children)) pChild->DestroyWindow();
  SendMessage(WM_NCDESTROY);
  Detach();
  PostNcDestroy();
  return TRUE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return m_hWnd ? WindowProc(message, wParam, lParam) : 0;
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!m_hWnd) return FALSE;
  AfxPostMessage(m_hWnd, message, wParam, lParam);
  return TRUE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    if (OnCommand(wParam, lParam)) return 0;
    return DefWindowProc(message, wParam, lParam);
  }
  if (const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(message, 0, 0)) {
    const MSG msg = AfxMakeMsg(m_hWnd, message, wParam, lParam);
    return pEntry->pfn(this, msg);
  }
  return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      ValidateRect();
      return 0;
    case WM_CLOSE:
      DestroyWindow();
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) SendMessage(WM_CLOSE);
      return 0;
    case WM_NCLBUTTONDOWN:
      if (wParam == HTCLOSE && (m_dwStyle & WS_SYSMENU))
        SendMessage(WM_SYSCOMMAND, SC_CLOSE);
      return 0;
    case WM_SYSKEYDOWN:
      // Menu keys reach the top-level window whatever has the focus.
      if (m_pParent)
        return GetTopLevelParent()->SendMessage(message, wParam, lParam);
      return 0;
    case WM_SETCURSOR:
      // Windows asks the parent first; FALSE lets the class cursor show.
      return m_pParent ? m_pParent->SendMessage(WM_SETCURSOR, wParam, 0) : 0;
    default:
      return 0;
  }
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) {
  return OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

void CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd) {
  m_dwStyle = (m_dwStyle & ~dwRemove) | dwAdd;
}

CWnd* CWnd::GetTopLevelParent() {
  CWnd* pWnd = this;
  while (pWnd->m_pParent) pWnd = pWnd->m_pParent;
  return pWnd;
}

CWnd* CWnd::GetDlgItem(UINT nID) const {
  for (CWnd* pChild : m_children)
    if (pChild->m_nID == nID) return pChild;
  return nullptr;
}

void CWnd::SetWindowText(const std::string& strText) {
  m_strText = strText;
  Invalidate();
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
  const BOOL bWasDisabled = (m_dwStyle & WS_DISABLED) ? TRUE : FALSE;
  if (bEnable) {
    m_dwStyle &= ~static_cast<DWORD>(WS_DISABLED);
  } else {
    m_dwStyle |= WS_DISABLED;
    // A disabled window can't keep the keyboard focus: a top-level window
    // keeps it to give back, a control passes it on.
    SaveFocus();
    PassFocusOn();
  }
  if (bWasDisabled != !bEnable) SendMessage(WM_ENABLE, bEnable ? 1 : 0);
  if (bEnable && bWasDisabled) RestoreFocus();
  Invalidate();
  return bWasDisabled;
}

void CWnd::SaveFocus() {
  CWnd* pFocus = AfxGetFocusWnd();
  if (m_pParent || !pFocus || pFocus == this) return;
  if (pFocus->GetTopLevelParent() == this) m_hWndSavedFocus = pFocus->m_hWnd;
}

void CWnd::RestoreFocus() {
  // Given back only when nothing else took the focus meanwhile, and only
  // to a control that can still take it.
  const HWND hSaved = m_hWndSavedFocus;
  m_hWndSavedFocus = nullptr;
  CWnd* pSaved = AfxWndFromHandle(hSaved);
  if (m_pParent || !pSaved || AfxGetFocusWnd()) return;
  if (pSaved->GetTopLevelParent() != this) return;
  // A control disabled meanwhile (Update Registry after its run) hands
  // the focus to the next one, so that the keyboard still works.
  if (!pSaved->IsInputEnabled() || !pSaved->IsWindowVisible())
    pSaved = NextFocusAfter(*pSaved);
  if (pSaved) pSaved->SetFocus();
}

void CWnd::PassFocusOn() {
  CWnd* pFocus = AfxGetFocusWnd();
  BOOL bHasIt = FALSE;
  for (CWnd* p = pFocus; p; p = p->m_pParent) bHasIt = bHasIt || p == this;
  if (!bHasIt) return;
  AfxForgetFocus(this);
  if (!m_pParent) return;
  if (CWnd* pNext = NextFocusAfter(*this)) pNext->SetFocus();
}

CWnd* CWnd::NextFocusAfter(CWnd& ctl) {
  CWnd* pParent = ctl.m_pParent;
  if (!pParent) return nullptr;
  CWnd* pNext = AfxGetNextDlgTabItem(*pParent, &ctl, FALSE);
  if (!pNext || pNext == &ctl || !pNext->IsInputEnabled()) return nullptr;
  return AfxGroupFocusTarget(*pNext);
}

BOOL CWnd::IsWindowEnabled() const {
  return (m_dwStyle & WS_DISABLED) ? FALSE : TRUE;
}

BOOL CWnd::IsInputEnabled() const {
  for (const CWnd* pWnd = this; pWnd; pWnd = pWnd->m_pParent)
    if (!pWnd->IsWindowEnabled()) return FALSE;
  return TRUE;
}

BOOL CWnd::ShowWindow(int nCmdShow) {
  const BOOL bWasVisible = (m_dwStyle & WS_VISIBLE) ? TRUE : FALSE;
  const BOOL bShow = nCmdShow != SW_HIDE;
  if (nCmdShow == SW_RESTORE) m_bIconic = FALSE;
  if (bShow != bWasVisible) SendMessage(WM_SHOWWINDOW, bShow, 0);
  if (bShow) {
    m_dwStyle |= WS_VISIBLE;
    Invalidate();
  } else {
    m_dwStyle &= ~static_cast<DWORD>(WS_VISIBLE);
    AfxForgetFocus(this);
  }
  return bWasVisible;
}

BOOL CWnd::IsWindowVisible() const {
  for (const CWnd* pWnd = this; pWnd; pWnd = pWnd->m_pParent)
    if (!(pWnd->m_dwStyle & WS_VISIBLE)) return FALSE;
  return TRUE;
}

RECT CWnd::NonClientInsets() const {
  RECT insets = {0, 0, 0, 0};
  IUiAdapter& ui = Ui();
  if ((m_dwStyle & WS_CAPTION) == WS_CAPTION || (m_dwStyle & WS_DLGFRAME)) {
    insets.left = insets.right = ui.GetSystemMetrics(SM_CXDLGFRAME);
    insets.top = insets.bottom = ui.GetSystemMetrics(SM_CYDLGFRAME);
  } else if (m_dwStyle & WS_BORDER) {
    insets.left = insets.right = ui.GetSystemMetrics(SM_CXBORDER);
    insets.top = insets.bottom = ui.GetSystemMetrics(SM_CYBORDER);
  }
  if ((m_dwStyle & WS_CAPTION) == WS_CAPTION)
    insets.top += ui.GetSystemMetrics(SM_CYCAPTION);
  if (m_pMenu) insets.top += ui.GetSystemMetrics(SM_CYMENU);
  return insets;
}

POINT CWnd::ClientOrigin() const {
  const RECT insets = NonClientInsets();
  POINT origin = {m_rect.left + insets.left, m_rect.top + insets.top};
  if (m_pParent) {
    const POINT parent = m_pParent->ClientOrigin();
    origin.x += parent.x;
    origin.y += parent.y;
  }
  return origin;
}

void CWnd::GetWindowRect(RECT* pRect) const {
  *pRect = m_rect;
  if (m_pParent) {
    const POINT parent = m_pParent->ClientOrigin();
    pRect->left += parent.x;
    pRect->right += parent.x;
    pRect->top += parent.y;
    pRect->bottom += parent.y;
  }
}

void CWnd::GetClientRect(RECT* pRect) const {
  const RECT insets = NonClientInsets();
  pRect->left = 0;
  pRect->top = 0;
  pRect->right = std::max<LONG>(
      0, m_rect.right - m_rect.left - insets.left - insets.right);
  pRect->bottom = std::max<LONG>(
      0, m_rect.bottom - m_rect.top - insets.top - insets.bottom);
}

void CWnd::MoveWindow(int x, int y, int cx, int cy) {
  m_rect = RECT{x, y, x + cx, y + cy};
  Invalidate();
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
  RECT area;
  CWnd* pCenter = pAlternateOwner ? pAlternateOwner : m_pOwner;
  if (m_pParent) {
    m_pParent->GetClientRect(&area);
  } else if (pCenter && pCenter->IsWindowVisible() && !pCenter->IsIconic()) {
    pCenter->GetWindowRect(&area);
  } else {
    area = RECT{0, 0, Ui().GetSystemMetrics(SM_CXSCREEN),
                Ui().GetSystemMetrics(SM_CYSCREEN)};
  }
  const LONG cx = m_rect.right - m_rect.left;
  const LONG cy = m_rect.bottom - m_rect.top;
  LONG x = area.left + (area.right - area.left - cx) / 2;
  LONG y = area.top + (area.bottom - area.top - cy) / 2;
  // Windows keeps a centred top-level window on the screen.
  if (!m_pParent) {
    x = std::max<LONG>(
        0, std::min<LONG>(x, Ui().GetSystemMetrics(SM_CXSCREEN) - cx));
    y = std::max<LONG>(
        0, std::min<LONG>(y, Ui().GetSystemMetrics(SM_CYSCREEN) - cy));
  }
  MoveWindow(x, y, cx, cy);
}

void CWnd::Invalidate() {
  if (m_hWnd) m_bNeedPaint = TRUE;
}

void CWnd::UpdateWindow() {
  if (m_hWnd && m_bNeedPaint && IsWindowVisible()) SendMessage(WM_PAINT);
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse) {
  return m_hWnd ? AfxSetTimer(m_hWnd, nIDEvent, nElapse) : 0;
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) {
  return m_hWnd ? AfxKillTimer(m_hWnd, nIDEvent) : FALSE;
}

CWnd* CWnd::SetFocus() {
  CWnd* pPrevious = AfxGetFocusWnd();
  if (m_hWnd) AfxSetFocusWnd(this);
  return pPrevious;
}

CWnd* CWnd::GetFocus() { return AfxGetFocusWnd(); }
