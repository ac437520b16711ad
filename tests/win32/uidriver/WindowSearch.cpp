#include "WindowSearch.h"

namespace {
struct CTitleSearch {
  const char* pszTitle;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTitled(HWND hWnd, LPARAM lParam) {
  auto* pSearch = reinterpret_cast<CTitleSearch*>(lParam);
  if (IsWindowVisible(hWnd) && WindowTitle(hWnd) == pSearch->pszTitle)
    pSearch->found.push_back(hWnd);
  return TRUE;
}

struct CControlSearch {
  UINT nID;
  HWND hFound;
};

BOOL CALLBACK FindById(HWND hWnd, LPARAM lParam) {
  auto* pSearch = reinterpret_cast<CControlSearch*>(lParam);
  if (IsWindowVisible(hWnd) &&
      static_cast<UINT>(GetDlgCtrlID(hWnd)) == pSearch->nID) {
    pSearch->hFound = hWnd;
    return FALSE;
  }
  return TRUE;
}

struct CPopupSearch {
  int cx, cy;
  HWND hFound;
};

BOOL CALLBACK FindSizedPopup(HWND hWnd, LPARAM lParam) {
  auto* pSearch = reinterpret_cast<CPopupSearch*>(lParam);
  RECT rc;
  if (!IsWindowVisible(hWnd) || !WindowTitle(hWnd).empty() ||
      !(GetWindowLongA(hWnd, GWL_STYLE) & WS_POPUP) ||
      !GetWindowRect(hWnd, &rc))
    return TRUE;
  if (rc.right - rc.left == pSearch->cx && rc.bottom - rc.top == pSearch->cy) {
    pSearch->hFound = hWnd;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

std::string WindowTitle(HWND hWnd) {
  char szTitle[512];
  const int n = GetWindowTextA(hWnd, szTitle, sizeof(szTitle));
  return std::string(szTitle, n > 0 ? n : 0);
}

std::vector<HWND> TopLevelWindows(const char* pszTitle) {
  CTitleSearch search = {pszTitle, {}};
  EnumWindows(CollectTitled, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindTopLevel(const char* pszTitle) {
  const std::vector<HWND> found = TopLevelWindows(pszTitle);
  return found.empty() ? nullptr : found.front();
}

HWND WaitFor(HWND (*fnFound)(const void* pv), const void* pv, DWORD dwTimeout) {
  const DWORD dwStart = GetTickCount();
  for (;;) {
    if (HWND hWnd = fnFound(pv)) return hWnd;
    if (GetTickCount() - dwStart >= dwTimeout) return nullptr;
    Sleep(100);
  }
}

HWND FindControl(HWND hTop, UINT nID) {
  CControlSearch search = {nID, nullptr};
  EnumChildWindows(hTop, FindById, reinterpret_cast<LPARAM>(&search));
  return search.hFound;
}

HWND FindPopup(int cx, int cy) {
  CPopupSearch search = {cx, cy, nullptr};
  EnumWindows(FindSizedPopup, reinterpret_cast<LPARAM>(&search));
  return search.hFound;
}
