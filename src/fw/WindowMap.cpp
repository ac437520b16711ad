#include "WindowMap.h"

#include <algorithm>
#include <map>

#include "Wnd.h"

namespace {
// Far above the small numbers other adapters hand out.
constexpr uintptr_t kFirstHandle = 0x7F000000u;

struct CWindowMap {
  std::map<HWND, CWnd*> byHandle;
  std::vector<CWnd*> topLevel;
  uintptr_t nNext = kFirstHandle;
  CWnd* pFocus = nullptr;
};

CWindowMap& Map() {
  static CWindowMap map;
  return map;
}
}  // namespace

HWND AfxAllocWindowHandle(CWnd* pWnd) {
  HWND hWnd = reinterpret_cast<HWND>(Map().nNext);
  Map().nNext += 4;
  Map().byHandle[hWnd] = pWnd;
  return hWnd;
}

void AfxAttachWindowHandle(HWND hWnd, CWnd* pWnd) {
  Map().byHandle[hWnd] = pWnd;
}

void AfxFreeWindowHandle(HWND hWnd) { Map().byHandle.erase(hWnd); }

CWnd* AfxWndFromHandle(HWND hWnd) {
  auto it = Map().byHandle.find(hWnd);
  return it == Map().byHandle.end() ? nullptr : it->second;
}

const std::vector<CWnd*>& AfxGetTopLevelWindows() { return Map().topLevel; }

void AfxAddTopLevel(CWnd* pWnd) {
  Map().topLevel.insert(Map().topLevel.begin(), pWnd);
}

void AfxRemoveTopLevel(CWnd* pWnd) {
  auto& list = Map().topLevel;
  list.erase(std::remove(list.begin(), list.end(), pWnd), list.end());
}

void AfxBringToTop(CWnd* pWnd) {
  AfxRemoveTopLevel(pWnd);
  AfxAddTopLevel(pWnd);
}

CWnd* AfxGetActiveWindow() {
  for (CWnd* pWnd : Map().topLevel)
    if (pWnd->IsWindowVisible() && pWnd->IsWindowEnabled()) return pWnd;
  return nullptr;
}

CWnd* AfxGetFocusWnd() { return Map().pFocus; }
void AfxSetFocusWnd(CWnd* pWnd) { Map().pFocus = pWnd; }

void AfxForgetFocus(CWnd* pWnd) {
  for (CWnd* p = Map().pFocus; p; p = p->GetParent()) {
    if (p == pWnd) {
      Map().pFocus = nullptr;
      return;
    }
  }
}
