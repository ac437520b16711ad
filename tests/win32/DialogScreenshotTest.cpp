// Every dialog template of the program comes up as a real dialog through
// the native window system, with its caption and every control of the
// template, and every text fits its control in the system's font size (the
// Wine stage runs this at 96 and at 120 dots per inch); a screenshot of each
// is written as a test artefact (dialog<ID>.bmp).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScreenCapture.h"
#include "TextFit.h"
#include "fw/Dialog.h"
#include "fw/DialogTemplate.h"
#include "fw/MessageQueue.h"
#include "fw/WindowMap.h"
#include "platform/Platform.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32User.h"
#include "platform/win32/ui/Win32WindowSystem.h"

namespace {
const UINT WM_INSPECT = WM_APP + 1;

// Shows the dialog, looks at its real window once it is up, then cancels.
class CInspectedDialog : public CDialog {
 public:
  using CDialog::CDialog;

  BOOL OnInitDialog() override {
    PostMessage(WM_INSPECT);
    return CDialog::OnInitDialog();
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_INSPECT)
      return CDialog::WindowProc(message, wParam, lParam);
    Inspect();
    EndDialog(IDCANCEL);
    return 0;
  }

  void Inspect() {
    m_hReal = m_hWnd;
    ::UpdateWindow(m_hReal);
    MSG msg;  // let the real controls paint themselves
    for (int n = 0; n < 20 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++n)
      DispatchMessageA(&msg);
    char szCaption[128];
    ::GetWindowTextA(m_hReal, szCaption, sizeof(szCaption));
    m_strCaption = szCaption;
    for (HWND h = GetWindow(m_hReal, GW_CHILD); h;
         h = GetWindow(h, GW_HWNDNEXT))
      m_controlIds.push_back(static_cast<UINT>(::GetDlgCtrlID(h)));
    m_cutTexts = CutTexts(m_hReal);
    Sleep(200);
    m_bCaptured = CaptureWindow(m_hReal, m_strShotPath);
  }

  HWND m_hReal = nullptr;
  std::string m_strCaption;
  std::vector<UINT> m_controlIds;
  std::vector<std::string> m_cutTexts;
  std::string m_strShotPath;
  BOOL m_bCaptured = FALSE;
};

void CollectTemplate(const CDialogTemplate& dlg, void* pv) {
  static_cast<std::vector<const CDialogTemplate*>*>(pv)->push_back(&dlg);
}

TEST(Win32Dialogs, EveryTemplateIsARealDialogWithItsControlsAndTextsWhole) {
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
    CWin32WindowSystem windows;
    IWindowSystem* pPrevious = AfxSetWindowSystem(&windows);
    CInspectedDialog ui(pTemplate->nID);
    ui.m_strShotPath = ArtifactDirectory() + "dialog" +
                       std::to_string(pTemplate->nID) + ".bmp";
    EXPECT_EQ(ui.DoModal(), IDCANCEL);
    AfxSetWindowSystem(pPrevious);

    ASSERT_NE(ui.m_hReal, nullptr);
    EXPECT_EQ(ui.m_strCaption, pTemplate->pszCaption);
    ASSERT_EQ(ui.m_controlIds.size(), pTemplate->nItems);
    for (size_t i = 0; i < pTemplate->nItems; ++i)
      EXPECT_EQ(ui.m_controlIds[i] & 0xFFFF, pTemplate->pItems[i].nID & 0xFFFF)
          << "item " << i;
    for (const std::string& strCut : ui.m_cutTexts)
      ADD_FAILURE() << "dialog " << pTemplate->nID << ", " << strCut;
    EXPECT_TRUE(ui.m_bCaptured) << ui.m_strShotPath;
    // The dialog is gone with the object's DoModal.
    EXPECT_FALSE(IsWindow(ui.m_hReal));
  }
  SetPlatform(previous);
}
}  // namespace
