// Every dialog template of the program comes up as a real dialog through
// the UI adapter, with its caption and every control of the template; a
// screenshot of each is written as a test artefact (dialog<ID>.bmp).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScreenCapture.h"
#include "fw/Dialog.h"
#include "fw/DialogTemplate.h"
#include "fw/MessageQueue.h"
#include "fw/WindowMap.h"
#include "platform/Platform.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32User.h"
#include "platform/win32/ui/Win32Mirrors.h"
#include "platform/win32/ui/Win32Ui.h"

namespace {
// Shows the dialog, looks at the real one, then closes it with the input
// that changes nothing.
class CInspectingUi : public CWin32Ui {
 public:
  BOOL WaitInput(MSG* pMsg, DWORD dwTimeout) override {
    if (dwTimeout != 0 && !m_bInspected) {
      m_bInspected = true;
      Render();
      CWnd* pActive = AfxGetActiveWindow();
      m_hReal =
          pActive ? CWin32Mirrors::Get().RealOf(pActive->m_hWnd) : nullptr;
      if (m_hReal) Inspect();
    }
    if (dwTimeout == 0) return CWin32Ui::WaitInput(pMsg, 0);
    return AfxMakeSafeInput(pMsg);
  }

  void Inspect() {
    UpdateWindow(m_hReal);
    MSG msg;  // let the real controls paint themselves
    for (int n = 0; n < 20 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++n)
      DispatchMessageA(&msg);
    char szCaption[128];
    GetWindowTextA(m_hReal, szCaption, sizeof(szCaption));
    m_strCaption = szCaption;
    for (HWND h = GetWindow(m_hReal, GW_CHILD); h;
         h = GetWindow(h, GW_HWNDNEXT))
      m_controlIds.push_back(static_cast<UINT>(GetDlgCtrlID(h)));
    Sleep(200);
    m_bCaptured = CaptureWindow(m_hReal, m_strShotPath);
  }

  bool m_bInspected = false;
  HWND m_hReal = nullptr;
  std::string m_strCaption;
  std::vector<UINT> m_controlIds;
  std::string m_strShotPath;
  BOOL m_bCaptured = FALSE;
};

void CollectTemplate(const CDialogTemplate& dlg, void* pv) {
  static_cast<std::vector<const CDialogTemplate*>*>(pv)->push_back(&dlg);
}

TEST(Win32Dialogs, EveryTemplateIsARealDialogWithItsControls) {
  // The framework's timers run on the clock port.
  CWin32Clock clock;
  CWin32User user;
  const CPlatform previous = Platform();
  CPlatform platform = previous;
  platform.pClock = &clock;
  platform.pUser = &user;
  SetPlatform(platform);
  std::vector<const CDialogTemplate*> templates;
  ForEachDialogTemplate(CollectTemplate, &templates);
  ASSERT_FALSE(templates.empty());
  for (const CDialogTemplate* pTemplate : templates) {
    if (pTemplate->dwStyle & WS_CHILD) continue;  // the form: not a dialog
    SCOPED_TRACE("dialog " + std::to_string(pTemplate->nID));
    AfxResetMessageQueue();
    CInspectingUi ui;
    ui.m_strShotPath = ArtifactDirectory() + "dialog" +
                       std::to_string(pTemplate->nID) + ".bmp";
    IUiAdapter* pPrevious = SetUi(&ui);
    CDialog dlg(pTemplate->nID);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    SetUi(pPrevious);
    ui.Render();

    ASSERT_NE(ui.m_hReal, nullptr);
    EXPECT_EQ(ui.m_strCaption, pTemplate->pszCaption);
    ASSERT_EQ(ui.m_controlIds.size(), pTemplate->nItems);
    for (size_t i = 0; i < pTemplate->nItems; ++i)
      EXPECT_EQ(ui.m_controlIds[i] & 0xFFFF, pTemplate->pItems[i].nID & 0xFFFF)
          << "item " << i;
    EXPECT_TRUE(ui.m_bCaptured) << ui.m_strShotPath;
    // The dialog is gone with the framework's.
    EXPECT_FALSE(IsWindow(ui.m_hReal));
  }
  SetPlatform(previous);
}
}  // namespace
