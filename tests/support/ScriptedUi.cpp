#include "ScriptedUi.h"

#include "TestPlatform.h"
#include "fw/ComboBox.h"
#include "fw/Dialog.h"
#include "fw/MessageQueue.h"
#include "fw/WindowMap.h"

CWnd* ActiveWindow() { return AfxGetActiveWindow(); }

CWnd* ActiveControl(UINT nID) {
  CWnd* pActive = ActiveWindow();
  if (!pActive) return nullptr;
  if (CWnd* pCtl = pActive->GetDlgItem(nID)) return pCtl;
  // A frame's controls live in its view.
  for (CWnd* pChild : pActive->GetChildren())
    if (CWnd* pCtl = pChild->GetDlgItem(nID)) return pCtl;
  return nullptr;
}

CScriptedUi::CScriptedUi(CTestPlatform& platform)
    : m_platform(platform), m_pPreviousUi(SetUi(this)) {
  AfxResetMessageQueue();
}

CScriptedUi::~CScriptedUi() {
  SetUi(m_pPreviousUi);
  AfxResetMessageQueue();
}

CScriptedUi& CScriptedUi::Add(CStep step) {
  m_steps.push_back(std::move(step));
  return *this;
}

HWND CScriptedUi::ControlOfActive(UINT nID, const char* pszStep) {
  CWnd* pWnd = nID ? ActiveControl(nID) : ActiveWindow();
  if (!pWnd) {
    m_failures.push_back(std::string(pszStep) + ": no control " +
                         std::to_string(nID) + " in the active window");
    return nullptr;
  }
  return pWnd->m_hWnd;
}

CScriptedUi& CScriptedUi::Click(UINT nID) {
  auto hTarget = std::make_shared<HWND>(nullptr);
  Add([this, nID, hTarget](MSG* pMsg) {
    *hTarget = ControlOfActive(nID, "Click");
    if (!*hTarget) return FALSE;
    *pMsg = AfxMakeMsg(*hTarget, WM_LBUTTONDOWN, 1, 0);
    return TRUE;
  });
  return Add([hTarget](MSG* pMsg) {
    if (!*hTarget) return FALSE;
    *pMsg = AfxMakeMsg(*hTarget, WM_LBUTTONUP, 0, 0);
    return TRUE;
  });
}

CScriptedUi& CScriptedUi::Select(UINT nID, int nIndex) {
  return Add([this, nID, nIndex](MSG* pMsg) {
    HWND hTarget = ControlOfActive(nID, "Select");
    if (!hTarget) return FALSE;
    *pMsg = AfxMakeMsg(hTarget, CBM_USERSELECT, static_cast<WPARAM>(nIndex), 0);
    return TRUE;
  });
}

CScriptedUi& CScriptedUi::Key(UINT nVirtualKey, LPARAM lModifiers) {
  const UINT nDown = (lModifiers & kKeyAltDown) || nVirtualKey == VK_F10
                         ? WM_SYSKEYDOWN
                         : WM_KEYDOWN;
  auto hTarget = std::make_shared<HWND>(nullptr);
  Add([this, nVirtualKey, lModifiers, nDown, hTarget](MSG* pMsg) {
    CWnd* pFocus = CWnd::GetFocus();
    CWnd* pActive = ActiveWindow();
    // Keys go to the focus when it lies in the active window.
    if (pFocus && pActive && pFocus->GetTopLevelParent() == pActive)
      *hTarget = pFocus->m_hWnd;
    else
      *hTarget = pActive ? pActive->m_hWnd : nullptr;
    if (!*hTarget) {
      m_failures.push_back("Key: no active window");
      return FALSE;
    }
    *pMsg = AfxMakeMsg(*hTarget, nDown, nVirtualKey, lModifiers);
    return TRUE;
  });
  return Add([nVirtualKey, lModifiers, nDown, hTarget](MSG* pMsg) {
    if (!*hTarget) return FALSE;
    const UINT nUp = nDown == WM_SYSKEYDOWN ? WM_SYSKEYUP : WM_KEYUP;
    *pMsg = AfxMakeMsg(*hTarget, nUp, nVirtualKey, lModifiers);
    return TRUE;
  });
}

CScriptedUi& CScriptedUi::Menu(UINT nCmd) {
  Add([this, nCmd](MSG*) {
    m_nMenuCommand = nCmd;
    return FALSE;
  });
  return Key(VK_F10);
}

CScriptedUi& CScriptedUi::Close() {
  return Add([this](MSG* pMsg) {
    HWND hTarget = ControlOfActive(0, "Close");
    if (!hTarget) return FALSE;
    *pMsg = AfxMakeMsg(hTarget, WM_NCLBUTTONDOWN, HTCLOSE, 0);
    return TRUE;
  });
}

CScriptedUi& CScriptedUi::Wait(DWORD nMilliseconds) {
  return Add([this, nMilliseconds](MSG*) {
    m_platform.m_clock.m_dwNow += nMilliseconds;
    return FALSE;
  });
}

CScriptedUi& CScriptedUi::ExpectDialog(UINT nIDTemplate) {
  return Add([this, nIDTemplate](MSG*) {
    auto* pDialog = dynamic_cast<CDialog*>(ActiveWindow());
    if (!pDialog || pDialog->GetTemplateID() != nIDTemplate)
      m_failures.push_back("ExpectDialog: dialog " +
                           std::to_string(nIDTemplate) + " is not active");
    return FALSE;
  });
}

CScriptedUi& CScriptedUi::Do(std::function<void()> fn) {
  return Add([fn](MSG*) {
    fn();
    return FALSE;
  });
}

CScriptedUi& CScriptedUi::Send(std::function<HWND()> fnTarget, UINT message,
                               WPARAM wParam, LPARAM lParam) {
  return Add([fnTarget, message, wParam, lParam](MSG* pMsg) {
    *pMsg = AfxMakeMsg(fnTarget(), message, wParam, lParam);
    return TRUE;
  });
}

BOOL CScriptedUi::WaitInput(MSG* pMsg, DWORD dwTimeout) {
  // A peek at the queue finds no scripted input; only a real wait does.
  if (dwTimeout == 0) return FALSE;
  if (m_steps.empty()) return AfxMakeSafeInput(pMsg);
  CStep step = std::move(m_steps.front());
  m_steps.pop_front();
  return step(pMsg);
}

UINT CScriptedUi::TrackMenu(CWnd&, int nPopup) {
  m_menusTracked.push_back(nPopup);
  const UINT nCmd = m_nMenuCommand;
  m_nMenuCommand = 0;
  return nCmd;
}

int CScriptedUi::GetSystemMetrics(int nIndex) {
  switch (nIndex) {
    case SM_CXSCREEN:
      return 1024;
    case SM_CYSCREEN:
      return 768;
    case SM_CYCAPTION:
    case SM_CYMENU:
      return 19;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
      return 3;
    default:
      return 1;
  }
}
