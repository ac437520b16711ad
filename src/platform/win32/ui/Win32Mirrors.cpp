#include "Win32Mirrors.h"

#include <algorithm>

#include "Win32DialogTemplate.h"
#include "Win32Menu.h"
#include "Win32WindowTree.h"
#include "fw/Button.h"
#include "fw/ComboBox.h"
#include "fw/Dialog.h"
#include "fw/DialogTemplate.h"
#include "fw/FrameworkUser.h"
#include "fw/View.h"
#include "fw/WindowMap.h"
#include "fw/Wnd.h"

namespace {
const char kOriginalProcProperty[] = "quorrel.OriginalProc";
const UINT kIdMainIcon = 101;

// The template of a window that is a dialog or a form; null otherwise.
const CDialogTemplate* TemplateOf(CWnd& wnd) {
  if (auto* pDialog = dynamic_cast<CDialog*>(&wnd))
    return FindDialogTemplate(pDialog->GetTemplateID());
  if (auto* pForm = dynamic_cast<CFormView*>(&wnd))
    return FindDialogTemplate(pForm->GetTemplateID());
  return nullptr;
}

const char* RealClassOf(const CWnd& wnd) {
  switch (wnd.GetKind()) {
    case CWndKind::Button:
      return "BUTTON";
    case CWndKind::Static:
      return "STATIC";
    case CWndKind::ComboBox:
      return "COMBOBOX";
    default:
      return MirrorWindowClass();
  }
}

// Every real window runs MirrorWindowProc; the procedure it had before is
// kept with the window.
void Subclass(HWND hReal) {
  auto pfnOriginal =
      reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hReal, GWLP_WNDPROC));
  if (pfnOriginal == MirrorWindowProc) return;
  SetPropA(hReal, kOriginalProcProperty, reinterpret_cast<HANDLE>(pfnOriginal));
  SetWindowLongPtrA(hReal, GWLP_WNDPROC,
                    reinterpret_cast<LONG_PTR>(MirrorWindowProc));
}

INT_PTR CALLBACK MirrorDialogProc(HWND, UINT, WPARAM, LPARAM) {
  // The framework decides everything, focus included.
  return FALSE;
}

bool IsTopLevel(const CWnd& wnd) { return wnd.GetParent() == nullptr; }

// The real position of a window: a top-level window is placed so that its
// client area is exactly the framework's; a child at its framework
// rectangle in the parent's client coordinates.
RECT RealRectOf(CWnd& wnd, HWND hReal) {
  if (IsTopLevel(wnd)) {
    const POINT origin = wnd.ClientOrigin();
    RECT client;
    wnd.GetClientRect(&client);
    RECT rect = {origin.x, origin.y, origin.x + client.right,
                 origin.y + client.bottom};
    AdjustWindowRectEx(&rect,
                       static_cast<DWORD>(GetWindowLongA(hReal, GWL_STYLE)),
                       GetMenu(hReal) != nullptr,
                       static_cast<DWORD>(GetWindowLongA(hReal, GWL_EXSTYLE)));
    return rect;
  }
  RECT rect;
  wnd.GetWindowRect(&rect);
  const POINT parent = wnd.GetParent()->ClientOrigin();
  OffsetRect(&rect, -parent.x, -parent.y);
  return rect;
}
}  // namespace

CWin32Mirrors& CWin32Mirrors::Get() {
  static CWin32Mirrors s_mirrors;
  return s_mirrors;
}

HWND CWin32Mirrors::RealOf(HWND hFramework) const {
  auto it = m_mirrors.find(hFramework);
  return it == m_mirrors.end() ? nullptr : it->second.hReal;
}

HWND CWin32Mirrors::FrameworkOf(HWND hReal) const {
  auto it = m_frameworkOf.find(hReal);
  return it == m_frameworkOf.end() ? nullptr : it->second;
}

WNDPROC CWin32Mirrors::OriginalProc(HWND hReal) const {
  auto pfn = reinterpret_cast<WNDPROC>(GetPropA(hReal, kOriginalProcProperty));
  return pfn ? pfn : DefWindowProcA;
}

bool CWin32Mirrors::TakeInput(MSG* pMsg) {
  if (m_input.empty()) return false;
  *pMsg = m_input.front();
  m_input.pop_front();
  return true;
}

void CWin32Mirrors::Sync() {
  // Bottom of the Z order first, so that owners exist before what they own.
  std::vector<CWnd*> tops = AfxGetTopLevelWindows();
  std::reverse(tops.begin(), tops.end());
  for (CWnd* pTop : tops) SyncTopLevel(*pTop);
  DestroyGone();
  SyncFocus();
  // Last: giving the focus activates, and may raise, its window.
  if (m_bRestack) Restack(tops);
  const int nWait = AfxIsWaitCursor() ? 1 : 0;
  if (nWait != m_nWaitCursor) {
    m_nWaitCursor = nWait;
    SetCursor(LoadCursorA(nullptr, nWait ? IDC_WAIT : IDC_ARROW));
  }
}

void CWin32Mirrors::SyncTopLevel(CWnd& wnd) {
  CWnd* pOwner = wnd.GetOwner();
  SyncTree(wnd, pOwner ? RealOf(pOwner->m_hWnd) : nullptr);
}

void CWin32Mirrors::SyncTree(CWnd& wnd, HWND hRealParent) {
  auto it = m_mirrors.find(wnd.m_hWnd);
  CMirror* pMirror =
      it == m_mirrors.end() ? Create(wnd, hRealParent) : &it->second;
  if (!pMirror) return;
  const HWND hReal = pMirror->hReal;
  SyncState(wnd, *pMirror);
  for (CWnd* pChild : std::vector<CWnd*>(wnd.GetChildren()))
    SyncTree(*pChild, hReal);
  // Shown after its children have their state, so it comes up complete.
  const int nVisible = (wnd.GetStyle() & WS_VISIBLE) ? 1 : 0;
  auto found = m_mirrors.find(wnd.m_hWnd);
  if (found == m_mirrors.end() || found->second.nVisible == nVisible) return;
  found->second.nVisible = nVisible;
  ShowWindow(hReal, !nVisible         ? SW_HIDE
                    : IsTopLevel(wnd) ? SW_SHOW
                                      : SW_SHOWNA);
  if (!IsTopLevel(wnd)) return;
  m_bRestack = true;
  if (nVisible) UpdateWindow(hReal);
}

namespace {
const DWORD kRestackDelay = 100;  // ms
}  // namespace

void CWin32Mirrors::OnRealRestack() {
  if (m_bInRestack) return;
  m_bRestack = true;
  m_dwRestackDue = GetTickCount() + kRestackDelay;
}

bool CWin32Mirrors::RestackIfNeeded() {
  if (!m_bRestack) return false;
  if (static_cast<int32_t>(GetTickCount() - m_dwRestackDue) < 0) return true;
  std::vector<CWnd*> tops = AfxGetTopLevelWindows();
  std::reverse(tops.begin(), tops.end());
  Restack(tops);
  return false;
}

void CWin32Mirrors::Restack(const std::vector<CWnd*>& bottomFirst) {
  // Owned windows above their owners, as Windows keeps them: a window shown
  // or activated later could otherwise end up above the windows it owns
  // (the main window over its splash picture).
  m_bRestack = false;
  m_bInRestack = true;
  for (CWnd* pTop : bottomFirst) {
    const HWND hReal = RealOf(pTop->m_hWnd);
    const HWND hOwner =
        pTop->GetOwner() ? RealOf(pTop->GetOwner()->m_hWnd) : nullptr;
    if (!hReal || !hOwner || !IsWindowVisible(hReal)) continue;
    SetWindowPos(hReal, HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(hOwner, hReal, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  m_bInRestack = false;
}

CMirror* CWin32Mirrors::Create(CWnd& wnd, HWND hRealParent) {
  const HWND hReal = TemplateOf(wnd) ? CreateRealDialog(wnd, hRealParent)
                                     : CreateRealWindow(wnd, hRealParent);
  if (!hReal) return nullptr;
  auto it = m_mirrors.find(wnd.m_hWnd);
  return it == m_mirrors.end() ? nullptr : &it->second;
}

HWND CWin32Mirrors::CreateRealDialog(CWnd& wnd, HWND hRealParent) {
  DWORD dwStyle = wnd.GetStyle() & ~(WS_VISIBLE | WS_DISABLED);
  if (!IsTopLevel(wnd)) dwStyle |= DS_CONTROL;
  const std::vector<WORD> data = BuildDialogTemplate(*TemplateOf(wnd), dwStyle);
  HWND hDialog = CreateDialogIndirectParamA(
      GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(data.data()),
      hRealParent, MirrorDialogProc, 0);
  if (!hDialog) return nullptr;
  Adopt(wnd, hDialog, true);
  MapDialogItems(wnd, hDialog);
  return hDialog;
}

HWND CWin32Mirrors::CreateRealWindow(CWnd& wnd, HWND hRealParent) {
  DWORD dwStyle = wnd.GetStyle() & ~(WS_VISIBLE | WS_DISABLED);
  if (wnd.GetKind() == CWndKind::ComboBox) dwStyle &= ~CBS_SORT;
  if (wnd.GetImage()) dwStyle |= SS_BITMAP;
  const bool bChild = !IsTopLevel(wnd);
  HWND hReal = CreateWindowExA(
      0, RealClassOf(wnd), wnd.GetWindowText().c_str(), dwStyle, 0, 0, 0, 0,
      hRealParent,
      bChild
          ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(wnd.GetDlgCtrlID()))
          : nullptr,
      GetModuleHandleA(nullptr), nullptr);
  if (!hReal) return nullptr;
  if (bChild)
    SendMessageA(hReal, WM_SETFONT,
                 reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
  if (wnd.GetImage())
    SendMessageA(
        hReal, STM_SETIMAGE, IMAGE_BITMAP,
        reinterpret_cast<LPARAM>(LoadBitmapA(
            GetModuleHandleA(nullptr), MAKEINTRESOURCEA(wnd.GetImage()))));
  if (wnd.GetMenu()) SetMenu(hReal, CreateMenuFromTemplate(*wnd.GetMenu()));
  if (wnd.GetKind() == CWndKind::Frame) {
    HICON hIcon =
        LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kIdMainIcon));
    SendMessageA(hReal, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(hIcon));
    SendMessageA(hReal, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(hIcon));
  }
  Adopt(wnd, hReal, true);
  return hReal;
}

void CWin32Mirrors::MapDialogItems(CWnd& wnd, HWND hDialog) {
  // The dialog made its controls in template order, as the framework did.
  const std::vector<CWnd*>& children = wnd.GetChildren();
  size_t i = 0;
  for (HWND hItem = GetWindow(hDialog, GW_CHILD); hItem && i < children.size();
       hItem = GetWindow(hItem, GW_HWNDNEXT), ++i)
    Adopt(*children[i], hItem, false);
}

void CWin32Mirrors::Adopt(CWnd& wnd, HWND hReal, bool bOwns) {
  CMirror mirror;
  mirror.hReal = hReal;
  mirror.bOwnsRealWindow = bOwns;
  m_mirrors[wnd.m_hWnd] = mirror;
  m_frameworkOf[hReal] = wnd.m_hWnd;
  Subclass(hReal);
}

void CWin32Mirrors::SyncState(CWnd& wnd, CMirror& mirror) {
  const HWND hReal = mirror.hReal;
  if (wnd.GetKind() != CWndKind::ComboBox &&
      wnd.GetWindowText() != mirror.strText) {
    mirror.strText = wnd.GetWindowText();
    SetWindowTextA(hReal, mirror.strText.c_str());
  }
  const int nEnabled = wnd.IsWindowEnabled() ? 1 : 0;
  if (nEnabled != mirror.nEnabled) {
    mirror.nEnabled = nEnabled;
    EnableWindow(hReal, nEnabled);
  }
  SyncRect(wnd, mirror);
  SyncControl(wnd, mirror);
  if (wnd.GetBlits().size() != mirror.nBlits) {
    mirror.nBlits = wnd.GetBlits().size();
    InvalidateRect(hReal, nullptr, TRUE);
  }
}

void CWin32Mirrors::SyncRect(CWnd& wnd, CMirror& mirror) {
  const RECT rect = RealRectOf(wnd, mirror.hReal);
  if (EqualRect(&rect, &mirror.rect)) return;
  mirror.rect = rect;
  SetWindowPos(mirror.hReal, nullptr, rect.left, rect.top,
               rect.right - rect.left, rect.bottom - rect.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWin32Mirrors::SyncControl(CWnd& wnd, CMirror& mirror) {
  const HWND hReal = mirror.hReal;
  if (auto* pButton = dynamic_cast<CButton*>(&wnd)) {
    const UINT nType = pButton->GetButtonStyle();
    if (nType != mirror.nButtonType &&
        (nType == BS_PUSHBUTTON || nType == BS_DEFPUSHBUTTON)) {
      mirror.nButtonType = nType;
      SendMessageA(hReal, BM_SETSTYLE, nType, TRUE);
    }
    if (pButton->GetCheck() != mirror.nCheck) {
      mirror.nCheck = pButton->GetCheck();
      SendMessageA(hReal, BM_SETCHECK, static_cast<WPARAM>(mirror.nCheck), 0);
    }
    const int nPressed = pButton->IsPressed() ? 1 : 0;
    if (nPressed != mirror.nPressed) {
      mirror.nPressed = nPressed;
      SendMessageA(hReal, BM_SETSTATE, static_cast<WPARAM>(nPressed), 0);
    }
  }
  if (auto* pCombo = dynamic_cast<CComboBox*>(&wnd)) {
    if (pCombo->GetItems() != mirror.items) {
      mirror.items = pCombo->GetItems();
      SendMessageA(hReal, CB_RESETCONTENT, 0, 0);
      for (const std::string& strItem : mirror.items)
        SendMessageA(hReal, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(strItem.c_str()));
      mirror.nCurSel = -2;
    }
    if (pCombo->GetCurSel() != mirror.nCurSel) {
      mirror.nCurSel = pCombo->GetCurSel();
      SendMessageA(hReal, CB_SETCURSEL, static_cast<WPARAM>(mirror.nCurSel), 0);
    }
  }
}

void CWin32Mirrors::SyncFocus() {
  CWnd* pFocus = CWnd::GetFocus();
  const HWND hFocus = pFocus ? pFocus->m_hWnd : nullptr;
  if (hFocus == m_hLastFocus) return;
  const HWND hReal = RealOf(hFocus);
  // Giving the focus activates the window; while it shows an owned window
  // (the splash picture) that one stays in front and active, as on
  // Windows, and the focus follows once it is gone.
  if (hReal && HasVisibleOwnedWindow(Win32TopLevelOf(hReal))) return;
  m_hLastFocus = hFocus;
  if (hReal && GetFocus() != hReal) SetFocus(hReal);
}

bool CWin32Mirrors::HasVisibleOwnedWindow(HWND hTop) const {
  for (CWnd* pWnd : AfxGetTopLevelWindows()) {
    if (!pWnd->GetOwner() || RealOf(pWnd->GetOwner()->m_hWnd) != hTop) continue;
    const HWND hOwned = RealOf(pWnd->m_hWnd);
    if (hOwned && IsWindowVisible(hOwned)) return true;
  }
  return false;
}

void CWin32Mirrors::DestroyGone() {
  std::vector<HWND> gone;
  for (const auto& entry : m_mirrors)
    if (!AfxWndFromHandle(entry.first)) gone.push_back(entry.first);
  for (HWND hFramework : gone) {
    const CMirror mirror = m_mirrors[hFramework];
    m_mirrors.erase(hFramework);
    m_frameworkOf.erase(mirror.hReal);
    if (mirror.bOwnsRealWindow && IsWindow(mirror.hReal))
      DestroyWindow(mirror.hReal);
  }
  if (gone.size() && !AfxWndFromHandle(m_hLastFocus)) m_hLastFocus = nullptr;
}
