#include "ScriptedUi.h"

#include <gtest/gtest.h>

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
  // A step left over means the program never came to it: the window it
  // was meant for never opened, or closed before its time.
  std::string strSteps;
  for (const CStep& step : m_steps)
    if (!step.bMayStay) strSteps += "\n  " + step.strName;
  if (!strSteps.empty())
    ADD_FAILURE() << "scripted steps never ran:" << strSteps;
  if (m_bWindowExpected && m_nWaits == 0)
    ADD_FAILURE() << "no window ever waited for the scripted input";
}

size_t CScriptedUi::DropRemaining() {
  const size_t nSteps = m_steps.size();
  m_steps.clear();
  return nSteps;
}

CScriptedUi& CScriptedUi::Add(std::string strName, std::function<BOOL(MSG*)> fn,
                              bool bMayStay) {
  m_steps.push_back(CStep{std::move(strName), std::move(fn), bMayStay});
  return *this;
}

HWND CScriptedUi::ControlOfActive(UINT nID, const char* pszStep) {
  CWnd* pWnd = nID ? ActiveControl(nID) : ActiveWindow();
  if (!pWnd) {
    ADD_FAILURE() << pszStep << ": no control " << nID
                  << " in the active window";
    return nullptr;
  }
  return pWnd->m_hWnd;
}

CScriptedUi& CScriptedUi::Click(UINT nID) {
  auto hTarget = std::make_shared<HWND>(nullptr);
  const std::string strName = "Click " + std::to_string(nID);
  Add(strName + " (press)", [this, nID, hTarget](MSG* pMsg) {
    *hTarget = ControlOfActive(nID, "Click");
    if (!*hTarget) return FALSE;
    *pMsg = AfxMakeMsg(*hTarget, WM_LBUTTONDOWN, 1, 0);
    return TRUE;
  });
  return Add(strName + " (release)", [hTarget](MSG* pMsg) {
    if (!*hTarget) return FALSE;
    *pMsg = AfxMakeMsg(*hTarget, WM_LBUTTONUP, 0, 0);
    return TRUE;
  });
}

CScriptedUi& CScriptedUi::Select(UINT nID, int nIndex) {
  const std::string strName =
      "Select " + std::to_string(nID) + " entry " + std::to_string(nIndex);
  return Add(strName, [this, nID, nIndex](MSG* pMsg) {
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
  const std::string strName = "Key " + std::to_string(nVirtualKey);
  Add(strName + " (down)",
      [this, nVirtualKey, lModifiers, nDown, hTarget](MSG* pMsg) {
        CWnd* pFocus = CWnd::GetFocus();
        CWnd* pActive = ActiveWindow();
        // Keys go to the focus when it lies in the active window.
        if (pFocus && pActive && pFocus->GetTopLevelParent() == pActive)
          *hTarget = pFocus->m_hWnd;
        else
          *hTarget = pActive ? pActive->m_hWnd : nullptr;
        if (!*hTarget) {
          ADD_FAILURE() << "Key: no active window";
          return FALSE;
        }
        *pMsg = AfxMakeMsg(*hTarget, nDown, nVirtualKey, lModifiers);
        return TRUE;
      });
  return Add(
      strName + " (up)",
      [nVirtualKey, lModifiers, nDown, hTarget](MSG* pMsg) {
        if (!*hTarget) return FALSE;
        const UINT nUp = nDown == WM_SYSKEYDOWN ? WM_SYSKEYUP : WM_KEYUP;
        *pMsg = AfxMakeMsg(*hTarget, nUp, nVirtualKey, lModifiers);
        return TRUE;
      },
      true);
}

CScriptedUi& CScriptedUi::Menu(UINT nCmd) {
  Add("Menu " + std::to_string(nCmd), [this, nCmd](MSG*) {
    m_nMenuCommand = nCmd;
    return FALSE;
  });
  return Key(VK_F10);
}

CScriptedUi& CScriptedUi::Close() {
  return Add("Close", [this](MSG* pMsg) {
    HWND hTarget = ControlOfActive(0, "Close");
    if (!hTarget) return FALSE;
    *pMsg = AfxMakeMsg(hTarget, WM_NCLBUTTONDOWN, HTCLOSE, 0);
    return TRUE;
  });
}

CScriptedUi& CScriptedUi::Wait(DWORD nMilliseconds) {
  return Add("Wait " + std::to_string(nMilliseconds),
             [this, nMilliseconds](MSG*) {
               m_platform.m_clock.m_dwNow += nMilliseconds;
               return FALSE;
             });
}

CScriptedUi& CScriptedUi::ExpectDialog(UINT nIDTemplate) {
  return Add("ExpectDialog " + std::to_string(nIDTemplate),
             [nIDTemplate](MSG*) {
               auto* pDialog = dynamic_cast<CDialog*>(ActiveWindow());
               if (!pDialog || pDialog->GetTemplateID() != nIDTemplate)
                 ADD_FAILURE() << "ExpectDialog: dialog " << nIDTemplate
                               << " is not active";
               return FALSE;
             });
}

CScriptedUi& CScriptedUi::Do(std::function<void()> fn) {
  return Add("Do", [fn](MSG*) {
    fn();
    return FALSE;
  });
}

CScriptedUi& CScriptedUi::Send(std::function<HWND()> fnTarget, UINT message,
                               WPARAM wParam, LPARAM lParam) {
  return Add("Send " + std::to_string(message),
             [fnTarget, message, wParam, lParam](MSG* pMsg) {
               *pMsg = AfxMakeMsg(fnTarget(), message, wParam, lParam);
               return TRUE;
             });
}

BOOL CScriptedUi::WaitInput(MSG* pMsg, DWORD dwTimeout) {
  // A peek at the queue finds no scripted input; only a real wait does.
  if (dwTimeout == 0) return FALSE;
  ++m_nWaits;
  if (m_steps.empty()) return AfxMakeSafeInput(pMsg);
  CStep step = std::move(m_steps.front());
  m_steps.pop_front();
  return step.fn(pMsg);
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
