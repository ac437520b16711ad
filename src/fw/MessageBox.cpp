#include "MessageBox.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "StringTable.h"
#include "WindowSystem.h"

namespace {
HWND g_hMainWnd = nullptr;

std::string VFormat(const std::string& strFormat, va_list args) {
  va_list copy;
  va_copy(copy, args);
  const int nLength = std::vsnprintf(nullptr, 0, strFormat.c_str(), copy);
  va_end(copy);
  if (nLength <= 0) return std::string();
  std::vector<char> buffer(static_cast<size_t>(nLength) + 1);
  std::vsnprintf(buffer.data(), buffer.size(), strFormat.c_str(), args);
  return std::string(buffer.data(), static_cast<size_t>(nLength));
}

int Show(const std::string& strText, UINT nType, UINT nIDPrompt) {
  const std::string strCaption = LoadResString(IDS_APP_TITLE);
  return AfxWindowSystem().ShowMessageBox(g_hMainWnd, strText.c_str(),
                                          strCaption.c_str(), nType, nIDPrompt);
}
}  // namespace

void AfxSetMainHwnd(HWND hWnd) { g_hMainWnd = hWnd; }

int AfxMessageBox(UINT nIDPrompt, UINT nType) {
  return Show(LoadResString(nIDPrompt), nType, nIDPrompt);
}

int AfxMessageBox(const char* lpszText, UINT nType) {
  return Show(lpszText ? lpszText : "", nType, 0);
}

int AfxFormatMessageBox(UINT nIDPrompt, UINT nType, ...) {
  va_list args;
  va_start(args, nType);
  const std::string strText = VFormat(LoadResString(nIDPrompt), args);
  va_end(args);
  return Show(strText, nType, nIDPrompt);
}

std::string AfxFormatString(UINT nID, ...) {
  va_list args;
  va_start(args, nID);
  const std::string strText = VFormat(LoadResString(nID), args);
  va_end(args);
  return strText;
}
