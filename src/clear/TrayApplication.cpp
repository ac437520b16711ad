#include "TrayApplication.h"

#include "PumpingWait.h"
#include "fw/StringTable.h"
#include "platform/Platform.h"

namespace {
const char* const kTrayWindowTitles[] = {"Glimmet Background Application",
                                         "Corvane Tessarine"};
// 20 passes of 500 ms: the applications get 10 seconds to close.
constexpr int kCloseWaitPasses = 20;
constexpr DWORD kCloseWaitSleep = 500;
// Window titles are read into 128 bytes: at most 127 characters.
constexpr int kTitleBufferSize = 128;

std::string WindowTitle(HWND hWnd) {
  char szTitle[kTitleBufferSize] = "";
  const int nLength = User().GetWindowTextA(hWnd, szTitle, kTitleBufferSize);
  if (nLength <= 0) return std::string();
  return std::string(
      szTitle, nLength < kTitleBufferSize ? nLength : kTitleBufferSize - 1);
}
}  // namespace

BOOL CloseWindowByTitle(const std::string& strFragment) {
  const std::string strOwnTitle = LoadResString(IDS_APP_TITLE);
  for (HWND hWnd = User().GetTopWindow(nullptr); hWnd != nullptr;
       hWnd = User().GetWindow(hWnd, GW_HWNDNEXT)) {
    const std::string strTitle = WindowTitle(hWnd);
    if (strTitle == strOwnTitle ||
        strTitle.find(strFragment) == std::string::npos)
      continue;
    User().SendMessageA(hWnd, WM_CLOSE, 0, 0);
    return TRUE;
  }
  return FALSE;
}

void CloseTrayApplication() {
  for (const char* pszTitle : kTrayWindowTitles) CloseWindowByTitle(pszTitle);
  for (int nPass = 0; nPass < kCloseWaitPasses; ++nPass)
    SleepAndDispatchMessages(kCloseWaitSleep);
}
