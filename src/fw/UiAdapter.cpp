#include "UiAdapter.h"

#include <cstring>

#include "WindowMap.h"
#include "Wnd.h"

namespace {
// Metrics of a plain 640 x 480 screen for a run without a person.
class CHeadlessUi : public IUiAdapter {
 public:
  void Render() override {}
  BOOL WaitInput(MSG* pMsg, DWORD) override { return AfxMakeSafeInput(pMsg); }
  UINT TrackMenu(CWnd&, int) override { return 0; }
  int GetSystemMetrics(int nIndex) override {
    switch (nIndex) {
      case SM_CXSCREEN:
        return 640;
      case SM_CYSCREEN:
        return 480;
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
};

CHeadlessUi g_headless;
IUiAdapter* g_pUi = nullptr;
}  // namespace

IUiAdapter& Ui() { return g_pUi ? *g_pUi : g_headless; }

IUiAdapter* SetUi(IUiAdapter* pAdapter) {
  IUiAdapter* pPrevious = g_pUi;
  g_pUi = pAdapter;
  return pPrevious;
}

BOOL AfxMakeSafeInput(MSG* pMsg) {
  CWnd* pActive = AfxGetActiveWindow();
  if (!pActive) return FALSE;
  *pMsg = AfxMakeMsg(pActive->m_hWnd, WM_CLOSE, 0, 0);
  return TRUE;
}

SIZE AfxGetDialogBaseUnits(const char* pszFont, WORD wPointSize) {
  // 96 dots per inch: "MS Sans Serif" 8 gives 6 x 13, "Arial" 10 gives
  // 7 x 16; other sizes scale from the first.
  if (pszFont && std::strcmp(pszFont, "Arial") == 0 && wPointSize == 10)
    return SIZE{7, 16};
  const LONG nPoint = wPointSize ? wPointSize : 8;
  return SIZE{6 * nPoint / 8, 13 * nPoint / 8};
}
