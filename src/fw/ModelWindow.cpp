// The windows of the portable model: their state lives in the CWnd objects,
// their handles and the focus in the window map.
#include <algorithm>

#include "DialogNavigation.h"
#include "FrameworkUser.h"
#include "MessageQueue.h"
#include "ModelWindowSystem.h"
#include "UiAdapter.h"
#include "WindowMap.h"
#include "Wnd.h"
#include "platform/Platform.h"

namespace {
IWindowSystem* g_pSystem = nullptr;
}  // namespace

IWindowSystem& AfxWindowSystem() {
  return g_pSystem ? *g_pSystem : CModelWindowSystem::Get();
}

IWindowSystem* AfxSetWindowSystem(IWindowSystem* pSystem) {
  IWindowSystem* pPrevious = g_pSystem;
  g_pSystem = pSystem;
  return pPrevious;
}

CModelWindowSystem& CModelWindowSystem::Get() {
  static CModelWindowSystem s_model;
  return s_model;
}

BOOL CModelWindowSystem::CreateWnd(CWnd& wnd, DWORD dwStyle,
                                   const char* pszName, const RECT& rect,
                                   CWnd* pParent, UINT nID) {
  wnd.AttachWindow(AfxAllocWindowHandle(&wnd), dwStyle, pszName, rect, pParent,
                   nID);
  if (!(dwStyle & WS_CHILD)) AfxAddTopLevel(&wnd);
  if (wnd.SendMessage(WM_CREATE) == -1) {
    wnd.DestroyWindow();
    return FALSE;
  }
  if (wnd.m_dwStyle & WS_VISIBLE) Invalidate(wnd);
  return TRUE;
}

void CModelWindowSystem::ForgetWindow(CWnd& wnd) {
  if (!wnd.m_hWnd) return;
  for (CWnd* pChild : std::vector<CWnd*>(wnd.m_children)) Detach(*pChild);
  Detach(wnd);
}

void CModelWindowSystem::Detach(CWnd& wnd) {
  AfxForgetFocus(&wnd);
  AfxForgetWindowMessages(wnd.m_hWnd);
  AfxFreeWindowHandle(wnd.m_hWnd);
  if (!wnd.m_pParent) AfxRemoveTopLevel(&wnd);
  wnd.DetachWindow();
}

BOOL CModelWindowSystem::DestroyWindow(CWnd& wnd) {
  // Windows destroys the windows a top-level window owns first.
  if (!wnd.m_pParent) {
    for (CWnd* pTop : std::vector<CWnd*>(AfxGetTopLevelWindows()))
      if (pTop->m_pOwner == &wnd) pTop->DestroyWindow();
  }
  wnd.SendMessage(WM_DESTROY);
  for (CWnd* pChild : std::vector<CWnd*>(wnd.m_children))
    pChild->DestroyWindow();
  wnd.SendMessage(WM_NCDESTROY);
  Detach(wnd);
  wnd.PostNcDestroy();
  return TRUE;
}

std::string CModelWindowSystem::GetText(const CWnd& wnd) {
  return wnd.m_strText;
}

void CModelWindowSystem::SetText(CWnd& wnd, const std::string& strText) {
  wnd.m_strText = strText;
  Invalidate(wnd);
}

BOOL CModelWindowSystem::EnableWindow(CWnd& wnd, BOOL bEnable) {
  const BOOL bWasDisabled = (wnd.m_dwStyle & WS_DISABLED) ? TRUE : FALSE;
  if (bEnable) {
    wnd.m_dwStyle &= ~static_cast<DWORD>(WS_DISABLED);
  } else {
    wnd.m_dwStyle |= WS_DISABLED;
    // A disabled window can't keep the keyboard focus: a top-level window
    // keeps it to give back, a control passes it on.
    SaveFocus(wnd);
    PassFocusOn(wnd);
  }
  if (bWasDisabled != !bEnable) wnd.SendMessage(WM_ENABLE, bEnable ? 1 : 0);
  if (bEnable && bWasDisabled) RestoreFocus(wnd);
  Invalidate(wnd);
  return bWasDisabled;
}

void CModelWindowSystem::SaveFocus(CWnd& wnd) {
  CWnd* pFocus = AfxGetFocusWnd();
  if (wnd.m_pParent || !pFocus || pFocus == &wnd) return;
  if (pFocus->GetTopLevelParent() == &wnd)
    wnd.m_hWndSavedFocus = pFocus->m_hWnd;
}

void CModelWindowSystem::RestoreFocus(CWnd& wnd) {
  // Given back only when nothing else took the focus meanwhile, and only
  // to a control that can still take it.
  const HWND hSaved = wnd.m_hWndSavedFocus;
  wnd.m_hWndSavedFocus = nullptr;
  CWnd* pSaved = AfxWndFromHandle(hSaved);
  if (wnd.m_pParent || !pSaved || AfxGetFocusWnd()) return;
  if (pSaved->GetTopLevelParent() != &wnd) return;
  // A control disabled meanwhile (Update Registry after its run) hands
  // the focus to the next one, so that the keyboard still works.
  if (!pSaved->IsInputEnabled() || !pSaved->IsWindowVisible())
    pSaved = NextFocusAfter(*pSaved);
  if (pSaved) pSaved->SetFocus();
}

void CModelWindowSystem::PassFocusOn(CWnd& wnd) {
  CWnd* pFocus = AfxGetFocusWnd();
  BOOL bHasIt = FALSE;
  for (CWnd* p = pFocus; p; p = p->m_pParent) bHasIt = bHasIt || p == &wnd;
  if (!bHasIt) return;
  AfxForgetFocus(&wnd);
  if (!wnd.m_pParent) return;
  if (CWnd* pNext = NextFocusAfter(wnd)) pNext->SetFocus();
}

CWnd* CModelWindowSystem::NextFocusAfter(CWnd& ctl) {
  CWnd* pParent = ctl.m_pParent;
  if (!pParent) return nullptr;
  CWnd* pNext = AfxGetNextDlgTabItem(*pParent, &ctl, FALSE);
  if (!pNext || pNext == &ctl || !pNext->IsInputEnabled()) return nullptr;
  return AfxGroupFocusTarget(*pNext);
}

BOOL CModelWindowSystem::IsWindowEnabled(const CWnd& wnd) {
  return (wnd.m_dwStyle & WS_DISABLED) ? FALSE : TRUE;
}

BOOL CModelWindowSystem::ShowWindow(CWnd& wnd, int nCmdShow) {
  const BOOL bWasVisible = (wnd.m_dwStyle & WS_VISIBLE) ? TRUE : FALSE;
  const BOOL bShow = nCmdShow != SW_HIDE;
  if (nCmdShow == SW_RESTORE) wnd.m_bIconic = FALSE;
  if (bShow != bWasVisible) wnd.SendMessage(WM_SHOWWINDOW, bShow, 0);
  if (bShow) {
    wnd.m_dwStyle |= WS_VISIBLE;
    Invalidate(wnd);
  } else {
    wnd.m_dwStyle &= ~static_cast<DWORD>(WS_VISIBLE);
    AfxForgetFocus(&wnd);
  }
  return bWasVisible;
}

BOOL CModelWindowSystem::IsWindowVisible(const CWnd& wnd) {
  for (const CWnd* pWnd = &wnd; pWnd; pWnd = pWnd->m_pParent)
    if (!(pWnd->m_dwStyle & WS_VISIBLE)) return FALSE;
  return TRUE;
}

void CModelWindowSystem::GetWindowRect(const CWnd& wnd, RECT* pRect) {
  *pRect = wnd.m_rect;
  if (wnd.m_pParent) {
    const POINT parent = wnd.m_pParent->ClientOrigin();
    pRect->left += parent.x;
    pRect->right += parent.x;
    pRect->top += parent.y;
    pRect->bottom += parent.y;
  }
}

void CModelWindowSystem::GetClientRect(const CWnd& wnd, RECT* pRect) {
  const RECT insets = wnd.NonClientInsets();
  const RECT& rect = wnd.m_rect;
  pRect->left = 0;
  pRect->top = 0;
  pRect->right =
      std::max<LONG>(0, rect.right - rect.left - insets.left - insets.right);
  pRect->bottom =
      std::max<LONG>(0, rect.bottom - rect.top - insets.top - insets.bottom);
}

void CModelWindowSystem::MoveWindow(CWnd& wnd, int x, int y, int cx, int cy) {
  wnd.m_rect = RECT{x, y, x + cx, y + cy};
  Invalidate(wnd);
}

void CModelWindowSystem::Invalidate(CWnd& wnd) {
  if (wnd.m_hWnd) wnd.m_bNeedPaint = TRUE;
}

void CModelWindowSystem::UpdateWindow(CWnd& wnd) {
  if (wnd.m_bNeedPaint && wnd.IsWindowVisible()) wnd.SendMessage(WM_PAINT);
}

CWnd* CModelWindowSystem::SetFocus(CWnd& wnd) {
  CWnd* pPrevious = AfxGetFocusWnd();
  AfxSetFocusWnd(&wnd);
  return pPrevious;
}

CWnd* CModelWindowSystem::GetFocus() { return AfxGetFocusWnd(); }

int CModelWindowSystem::GetSystemMetrics(int nIndex) {
  return Ui().GetSystemMetrics(nIndex);
}

int CModelWindowSystem::ShowMessageBox(HWND hOwner, const char* pszText,
                                       const char* pszCaption, UINT nType,
                                       UINT nIDPrompt) {
  return User().MessageBoxA(hOwner, pszText, pszCaption, nType, nIDPrompt);
}

namespace {
BOOL g_bWaitCursor = FALSE;
}  // namespace

BOOL AfxIsWaitCursor() { return g_bWaitCursor; }

void CModelWindowSystem::SetWaitCursor(BOOL bWait) {
  g_bWaitCursor = bWait ? TRUE : FALSE;
  Ui().Render();
}

SIZE CModelWindowSystem::GetDialogBaseUnits(const char* pszFont,
                                            WORD wPointSize) {
  return AfxGetDialogBaseUnits(pszFont, wPointSize);
}
