#include "FrameworkUser.h"

#include <algorithm>
#include <cstring>

#include "MessageQueue.h"
#include "UiAdapter.h"
#include "WindowMap.h"
#include "WindowSystem.h"
#include "Wnd.h"
#include "platform/Platform.h"

namespace {
int IndexOfTopLevel(CWnd* pWnd) {
  const auto& list = AfxGetTopLevelWindows();
  auto it = std::find(list.begin(), list.end(), pWnd);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}
}  // namespace

int CFrameworkUser::MessageBoxA(HWND hWnd, const char* lpText,
                                const char* lpCaption, UINT uType,
                                UINT nIDPrompt) {
  // A message box is modal over its owner, as Windows makes it.
  CWnd* pOwner = AfxWndFromHandle(hWnd);
  if (pOwner) pOwner = pOwner->GetTopLevelParent();
  const BOOL bDisable = pOwner && pOwner->IsWindowEnabled();
  if (bDisable) pOwner->EnableWindow(FALSE);
  const int nResult =
      m_base.MessageBoxA(hWnd, lpText, lpCaption, uType, nIDPrompt);
  if (bDisable) pOwner->EnableWindow(TRUE);
  return nResult;
}

HWND CFrameworkUser::FindWindowA(const char* lpClassName,
                                 const char* lpWindowName) {
  for (CWnd* pWnd : AfxGetTopLevelWindows())
    if (lpWindowName && pWnd->GetWindowText() == lpWindowName)
      return pWnd->m_hWnd;
  return m_base.FindWindowA(lpClassName, lpWindowName);
}

HWND CFrameworkUser::GetTopWindow(HWND hWnd) {
  if (hWnd == nullptr && !AfxGetTopLevelWindows().empty())
    return AfxGetTopLevelWindows().front()->m_hWnd;
  return m_base.GetTopWindow(hWnd);
}

HWND CFrameworkUser::GetWindow(HWND hWnd, UINT uCmd) {
  CWnd* pWnd = AfxWndFromHandle(hWnd);
  if (!pWnd || uCmd != GW_HWNDNEXT) return m_base.GetWindow(hWnd, uCmd);
  const auto& list = AfxGetTopLevelWindows();
  const int nIndex = IndexOfTopLevel(pWnd);
  if (nIndex < 0) return nullptr;
  if (static_cast<size_t>(nIndex) + 1 < list.size())
    return list[static_cast<size_t>(nIndex) + 1]->m_hWnd;
  return m_base.GetTopWindow(nullptr);
}

int CFrameworkUser::GetWindowTextA(HWND hWnd, char* lpString, int nMaxCount) {
  CWnd* pWnd = AfxWndFromHandle(hWnd);
  if (!pWnd) return m_base.GetWindowTextA(hWnd, lpString, nMaxCount);
  if (nMaxCount <= 0) return 0;
  const std::string strText = pWnd->GetWindowText();
  const size_t n = std::min(strText.size(), static_cast<size_t>(nMaxCount - 1));
  std::memcpy(lpString, strText.data(), n);
  lpString[n] = '\0';
  return static_cast<int>(n);
}

LRESULT CFrameworkUser::SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam,
                                     LPARAM lParam) {
  CWnd* pWnd = AfxWndFromHandle(hWnd);
  if (!pWnd) return m_base.SendMessageA(hWnd, Msg, wParam, lParam);
  return pWnd->SendMessage(Msg, wParam, lParam);
}

BOOL CFrameworkUser::IsIconic(HWND hWnd) {
  CWnd* pWnd = AfxWndFromHandle(hWnd);
  return pWnd ? pWnd->IsIconic() : m_base.IsIconic(hWnd);
}

BOOL CFrameworkUser::IsWindowVisible(HWND hWnd) {
  CWnd* pWnd = AfxWndFromHandle(hWnd);
  return pWnd ? pWnd->IsWindowVisible() : m_base.IsWindowVisible(hWnd);
}

BOOL CFrameworkUser::ShowWindow(HWND hWnd, int nCmdShow) {
  CWnd* pWnd = AfxWndFromHandle(hWnd);
  return pWnd ? pWnd->ShowWindow(nCmdShow) : m_base.ShowWindow(hWnd, nCmdShow);
}

BOOL CFrameworkUser::SetForegroundWindow(HWND hWnd) {
  CWnd* pWnd = AfxWndFromHandle(hWnd);
  if (!pWnd) return m_base.SetForegroundWindow(hWnd);
  AfxBringToTop(pWnd->GetTopLevelParent());
  return TRUE;
}

BOOL CFrameworkUser::EnableWindow(HWND hWnd, BOOL bEnable) {
  CWnd* pWnd = AfxWndFromHandle(hWnd);
  if (!pWnd) return m_base.EnableWindow(hWnd, bEnable);
  const BOOL bWasDisabled = pWnd->EnableWindow(bEnable);
  Ui().Render();
  return bWasDisabled;
}

void CFrameworkUser::DispatchPendingMessages() {
  AfxPumpPendingMessages();
  m_base.DispatchPendingMessages();
}

void CFrameworkUser::SetWaitCursor(BOOL bWait) {
  m_base.SetWaitCursor(bWait);
  AfxWindowSystem().SetWaitCursor(bWait);
}

CFrameworkUserScope::CFrameworkUserScope()
    : m_pPrevious(Platform().pUser), m_user(*Platform().pUser) {
  Platform().pUser = &m_user;
}

CFrameworkUserScope::~CFrameworkUserScope() { Platform().pUser = m_pPrevious; }
