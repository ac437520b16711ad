#include "Wnd.h"

#include <algorithm>

#include "WindowSystem.h"

namespace {
// The message whose message-map handler is running, for Default().
const MSG* g_pHandledMsg = nullptr;
}  // namespace

CWnd::CWnd() = default;

CWnd::~CWnd() {
  // The object goes before its window: the window is torn down without
  // calling back into the half-destroyed object.
  if (m_hWnd) AfxWindowSystem().ForgetWindow(*this);
}

BOOL CWnd::CreateEx(DWORD dwStyle, const char* pszName, const RECT& rect,
                    CWnd* pParent, UINT nID) {
  if (m_hWnd) return FALSE;
  return AfxWindowSystem().CreateWnd(*this, dwStyle, pszName, rect, pParent,
                                     nID);
}

void CWnd::AttachWindow(HWND hWnd, DWORD dwStyle, const char* pszName,
                        const RECT& rect, CWnd* pParent, UINT nID) {
  m_hWnd = hWnd;
  m_dwStyle = dwStyle;
  m_strText = pszName ? pszName : "";
  m_rect = rect;
  m_nID = nID;
  if (dwStyle & WS_CHILD) {
    m_pParent = pParent;
    if (pParent) pParent->m_children.push_back(this);
  } else {
    m_pOwner = pParent ? pParent->GetTopLevelParent() : nullptr;
  }
}

void CWnd::DetachWindow() {
  if (m_pParent) {
    auto& siblings = m_pParent->m_children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this),
                   siblings.end());
  }
  m_hWnd = nullptr;
  m_pParent = nullptr;
  m_pOwner = nullptr;
}

BOOL CWnd::DestroyWindow() {
  return m_hWnd ? AfxWindowSystem().DestroyWindow(*this) : FALSE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return m_hWnd ? AfxWindowSystem().Send(*this, message, wParam, lParam) : 0;
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!m_hWnd) return FALSE;
  AfxWindowSystem().PostMsg(m_hWnd, message, wParam, lParam);
  return TRUE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    if (OnCommand(wParam, lParam)) return 0;
    return DefWindowProc(message, wParam, lParam);
  }
  if (const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(message, 0, 0)) {
    const MSG msg = AfxMakeMsg(m_hWnd, message, wParam, lParam);
    // Kept outside the object, which the handler may delete.
    const MSG* pOuter = g_pHandledMsg;
    g_pHandledMsg = &msg;
    const LRESULT lResult = pEntry->pfn(this, msg);
    g_pHandledMsg = pOuter;
    return lResult;
  }
  return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::Default() {
  if (!g_pHandledMsg) return 0;
  return DefWindowProc(g_pHandledMsg->message, g_pHandledMsg->wParam,
                       g_pHandledMsg->lParam);
}

BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return Default() ? TRUE : FALSE; }

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return AfxWindowSystem().DefProc(*this, message, wParam, lParam);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) {
  return OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

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

std::string CWnd::GetWindowText() const {
  return AfxWindowSystem().GetText(*this);
}

void CWnd::SetWindowText(const std::string& strText) {
  AfxWindowSystem().SetText(*this, strText);
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
  return AfxWindowSystem().EnableWindow(*this, bEnable);
}

BOOL CWnd::IsWindowEnabled() const {
  return AfxWindowSystem().IsWindowEnabled(*this);
}

BOOL CWnd::IsInputEnabled() const {
  for (const CWnd* pWnd = this; pWnd; pWnd = pWnd->m_pParent)
    if (!pWnd->IsWindowEnabled()) return FALSE;
  return TRUE;
}

BOOL CWnd::ShowWindow(int nCmdShow) {
  return AfxWindowSystem().ShowWindow(*this, nCmdShow);
}

BOOL CWnd::IsWindowVisible() const {
  return AfxWindowSystem().IsWindowVisible(*this);
}

RECT CWnd::NonClientInsets() const {
  RECT insets = {0, 0, 0, 0};
  IWindowSystem& ui = AfxWindowSystem();
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
  AfxWindowSystem().GetWindowRect(*this, pRect);
}

void CWnd::GetClientRect(RECT* pRect) const {
  AfxWindowSystem().GetClientRect(*this, pRect);
}

void CWnd::MoveWindow(int x, int y, int cx, int cy) {
  AfxWindowSystem().MoveWindow(*this, x, y, cx, cy);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
  IWindowSystem& ws = AfxWindowSystem();
  RECT area;
  CWnd* pCenter = pAlternateOwner ? pAlternateOwner : m_pOwner;
  if (m_pParent) {
    m_pParent->GetClientRect(&area);
  } else if (pCenter && pCenter->IsWindowVisible() && !pCenter->IsIconic()) {
    pCenter->GetWindowRect(&area);
  } else {
    area = RECT{0, 0, ws.GetSystemMetrics(SM_CXSCREEN),
                ws.GetSystemMetrics(SM_CYSCREEN)};
  }
  RECT rect;
  GetWindowRect(&rect);
  const LONG cx = rect.right - rect.left;
  const LONG cy = rect.bottom - rect.top;
  LONG x = area.left + (area.right - area.left - cx) / 2;
  LONG y = area.top + (area.bottom - area.top - cy) / 2;
  // Windows keeps a centred top-level window on the screen.
  if (!m_pParent) {
    x = std::max<LONG>(
        0, std::min<LONG>(x, ws.GetSystemMetrics(SM_CXSCREEN) - cx));
    y = std::max<LONG>(
        0, std::min<LONG>(y, ws.GetSystemMetrics(SM_CYSCREEN) - cy));
  }
  MoveWindow(x, y, cx, cy);
}

void CWnd::Invalidate() {
  if (m_hWnd) AfxWindowSystem().Invalidate(*this);
}

void CWnd::UpdateWindow() {
  if (m_hWnd) AfxWindowSystem().UpdateWindow(*this);
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse) {
  return m_hWnd ? AfxWindowSystem().SetTimer(m_hWnd, nIDEvent, nElapse) : 0;
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) {
  return m_hWnd ? AfxWindowSystem().KillTimer(m_hWnd, nIDEvent) : FALSE;
}

CWnd* CWnd::SetFocus() {
  if (!m_hWnd) return AfxWindowSystem().GetFocus();
  return AfxWindowSystem().SetFocus(*this);
}

CWnd* CWnd::GetFocus() { return AfxWindowSystem().GetFocus(); }
