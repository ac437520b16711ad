#include "Win32WindowSystem.h"

#include <vector>

#include "Win32DialogTemplate.h"
#include "Win32Menu.h"
#include "fw/DialogTemplate.h"
#include "fw/WindowMap.h"
#include "fw/Wnd.h"

namespace {
const char kWindowClass[] = "QuorrelWindow";
const UINT kIdMainIcon = 101;
CWin32WindowSystem* g_pSystem = nullptr;

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }
}  // namespace

CWin32WindowSystem::CWin32WindowSystem() {
  g_pSystem = this;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = Instance();
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kWindowClass;
  RegisterClassA(&wc);
}

CWin32WindowSystem::~CWin32WindowSystem() {
  if (g_pSystem == this) g_pSystem = nullptr;
}

CWnd* CWin32WindowSystem::Bind(HWND hWnd) {
  if (CWnd* pWnd = AfxWndFromHandle(hWnd)) return pWnd;
  CPending pending = m_pending;
  if (!pending.pWnd) return nullptr;
  m_pending = CPending();
  pending.pWnd->AttachWindow(hWnd, pending.dwStyle, pending.pszName,
                             pending.rect, pending.pParent, pending.nID);
  AfxAttachWindowHandle(hWnd, pending.pWnd);
  m_created.insert(hWnd);
  if (pending.bDialog) m_dialogs.insert(hWnd);
  return pending.pWnd;
}

LRESULT CALLBACK CWin32WindowSystem::WindowProc(HWND hWnd, UINT message,
                                                WPARAM wParam, LPARAM lParam) {
  CWnd* pWnd = g_pSystem ? g_pSystem->Bind(hWnd) : nullptr;
  if (!pWnd) return DefWindowProcA(hWnd, message, wParam, lParam);
  const LRESULT lResult = pWnd->WindowProc(message, wParam, lParam);
  if (message == WM_NCDESTROY) g_pSystem->OnNcDestroy(*pWnd);
  return lResult;
}

INT_PTR CALLBACK CWin32WindowSystem::DialogProc(HWND hWnd, UINT message,
                                                WPARAM wParam, LPARAM lParam) {
  CWnd* pWnd = g_pSystem ? g_pSystem->Bind(hWnd) : nullptr;
  if (!pWnd) return FALSE;
  // The framework sends WM_INITDIALOG itself once the controls are bound.
  if (message == WM_INITDIALOG && lParam == reinterpret_cast<LPARAM>(pWnd))
    return FALSE;
  bool bDefault = false;
  bool* pbOuter = g_pSystem->m_pbDefault;
  g_pSystem->m_pbDefault = &bDefault;
  const LRESULT lResult = pWnd->WindowProc(message, wParam, lParam);
  g_pSystem->m_pbDefault = pbOuter;
  if (message == WM_NCDESTROY) {
    g_pSystem->OnNcDestroy(*pWnd);
    return FALSE;
  }
  if (bDefault) return FALSE;
  if (message == WM_INITDIALOG) return static_cast<INT_PTR>(lResult);
  SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, lResult);
  return TRUE;
}

LRESULT CWin32WindowSystem::DefProc(CWnd& wnd, UINT message, WPARAM wParam,
                                    LPARAM lParam) {
  if (IsDialog(wnd.m_hWnd)) {
    if (m_pbDefault) *m_pbDefault = true;
    return 0;
  }
  return DefWindowProcA(wnd.m_hWnd, message, wParam, lParam);
}

BOOL CWin32WindowSystem::CreateWnd(CWnd& wnd, DWORD dwStyle,
                                   const char* pszName, const RECT& rect,
                                   CWnd* pParent, UINT nID) {
  const bool bChild = (dwStyle & WS_CHILD) != 0;
  if (bChild && pParent && IsDialog(pParent->m_hWnd))
    return AttachDialogItem(wnd, dwStyle, pszName, rect, *pParent, nID);
  HMENU hMenu =
      bChild ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)) : nullptr;
  if (!bChild && wnd.GetMenu()) hMenu = CreateMenuFromTemplate(*wnd.GetMenu());
  HWND hParent = nullptr;
  if (pParent)
    hParent = bChild ? pParent->m_hWnd : pParent->GetTopLevelParent()->m_hWnd;
  m_pending = CPending{&wnd, dwStyle, pszName, rect, pParent, nID};
  HWND hWnd = CreateWindowExA(0, kWindowClass, pszName ? pszName : "", dwStyle,
                              rect.left, rect.top, rect.right - rect.left,
                              rect.bottom - rect.top, hParent, hMenu,
                              Instance(), nullptr);
  m_pending = CPending();
  if (!hWnd) return FALSE;
  if (wnd.GetKind() == CWndKind::Frame) {
    HICON hIcon = LoadIconA(Instance(), MAKEINTRESOURCEA(kIdMainIcon));
    SendMessageA(hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(hIcon));
    SendMessageA(hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(hIcon));
  }
  return TRUE;
}

BOOL CWin32WindowSystem::CreateDialogWnd(CWnd& wnd, const CDialogTemplate& dlg,
                                         DWORD dwStyle, CWnd* pParent,
                                         UINT nID) {
  const bool bChild = (dwStyle & WS_CHILD) != 0;
  // A form is a child dialog in a frame, not in another dialog: no
  // DS_CONTROL, which would take its border.
  const std::vector<WORD> data = BuildDialogTemplate(dlg, dwStyle);
  HWND hParent = nullptr;
  if (pParent)
    hParent = bChild ? pParent->m_hWnd : pParent->GetTopLevelParent()->m_hWnd;
  m_pending = CPending{
      &wnd, dwStyle, bChild ? "" : dlg.pszCaption, RECT{0, 0, 0, 0}, pParent,
      nID,  true};
  HWND hDialog = CreateDialogIndirectParamA(
      Instance(), reinterpret_cast<LPCDLGTEMPLATEA>(data.data()), hParent,
      DialogProc, reinterpret_cast<LPARAM>(&wnd));
  m_pending = CPending();
  if (!hDialog) return FALSE;
  if (bChild) {
    // The template places the client area; the form's border goes inside
    // its parent, at the parent's corner.
    SetWindowLongPtrA(hDialog, GWLP_ID, static_cast<LONG_PTR>(nID));
    SetWindowPos(hDialog, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return TRUE;
}

BOOL CWin32WindowSystem::AttachDialogItem(CWnd& wnd, DWORD dwStyle,
                                          const char* pszName, const RECT& rect,
                                          CWnd& dialog, UINT nID) {
  // The dialog made its controls in template order, as the framework makes
  // their objects: the first control not yet bound is this one.
  for (HWND hItem = GetWindow(dialog.m_hWnd, GW_CHILD); hItem;
       hItem = GetWindow(hItem, GW_HWNDNEXT)) {
    if (AfxWndFromHandle(hItem)) continue;
    if (static_cast<WORD>(GetDlgCtrlID(hItem)) != static_cast<WORD>(nID))
      return FALSE;
    wnd.AttachWindow(hItem, dwStyle, pszName, rect, &dialog, nID);
    AfxAttachWindowHandle(hItem, &wnd);
    return TRUE;
  }
  return FALSE;
}

void CWin32WindowSystem::Unbind(CWnd& wnd) {
  for (CWnd* pChild : std::vector<CWnd*>(wnd.GetChildren())) Unbind(*pChild);
  const HWND hWnd = wnd.m_hWnd;
  AfxFreeWindowHandle(hWnd);
  m_dialogs.erase(hWnd);
  m_created.erase(hWnd);
  m_paints.erase(hWnd);
  wnd.DetachWindow();
}

void CWin32WindowSystem::OnNcDestroy(CWnd& wnd) {
  Unbind(wnd);
  wnd.PostNcDestroy();
}

BOOL CWin32WindowSystem::DestroyWindow(CWnd& wnd) {
  if (!m_created.count(wnd.m_hWnd)) {  // a dialog's control goes with it
    Unbind(wnd);
    return TRUE;
  }
  return ::DestroyWindow(wnd.m_hWnd);
}

void CWin32WindowSystem::ForgetWindow(CWnd& wnd) {
  const HWND hWnd = wnd.m_hWnd;
  const bool bCreated = m_created.count(hWnd) != 0;
  Unbind(wnd);
  // Unbound first, so that its messages no longer reach the object.
  if (bCreated && IsWindow(hWnd)) ::DestroyWindow(hWnd);
}

LRESULT CWin32WindowSystem::Send(CWnd& wnd, UINT message, WPARAM wParam,
                                 LPARAM lParam) {
  return SendMessageA(wnd.m_hWnd, message, wParam, lParam);
}
