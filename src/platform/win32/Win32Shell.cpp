#include "Win32Shell.h"

#include <shlobj.h>

namespace {
// The shell's IMalloc behind the port's allocator interface; releasing the
// last reference of the wrapper releases the shell's allocator with it.
class CWin32ShellMalloc : public IShellMalloc {
 public:
  explicit CWin32ShellMalloc(IMalloc* pMalloc) : m_pMalloc(pMalloc) {}
  void Free(void* pv) override { m_pMalloc->Free(pv); }
  ULONG Release() override {
    ULONG nRefs = m_pMalloc->Release();
    delete this;
    return nRefs;
  }

 private:
  ~CWin32ShellMalloc() override = default;
  IMalloc* m_pMalloc;
};

int CALLBACK OnBrowseEvent(HWND hwnd, UINT uMsg, LPARAM lParam, LPARAM lpData) {
  if (uMsg != BFFM_SELCHANGED) return 0;
  char szPath[MAX_PATH] = "";
  const CFolderFilter pfnOffered = reinterpret_cast<CFolderFilter>(lpData);
  const BOOL bOffered =
      ::SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(lParam), szPath) &&
      pfnOffered(szPath);
  SendMessageA(hwnd, BFFM_ENABLEOK, 0, bOffered ? 1 : 0);
  return 0;
}
}  // namespace

HRESULT CWin32Shell::SHGetSpecialFolderLocation(HWND hwndOwner, int nFolder,
                                                LPITEMIDLIST* ppidl) {
  return ::SHGetSpecialFolderLocation(hwndOwner, nFolder, ppidl);
}

BOOL CWin32Shell::SHGetPathFromIDListA(LPCITEMIDLIST pidl, char* pszPath) {
  return ::SHGetPathFromIDListA(pidl, pszPath);
}

LPITEMIDLIST CWin32Shell::SHBrowseForFolderA(HWND hwndOwner,
                                             const char* lpszTitle,
                                             UINT ulFlags, char* pszDisplayName,
                                             CFolderFilter pfnOffered) {
  BROWSEINFOA info = {};
  // OK is enabled only on a folder the filter takes.
  info.lpfn = pfnOffered ? OnBrowseEvent : nullptr;
  info.lParam = reinterpret_cast<LPARAM>(pfnOffered);
  info.hwndOwner = hwndOwner;
  info.pidlRoot = nullptr;  // the desktop
  info.pszDisplayName = pszDisplayName;
  info.lpszTitle = lpszTitle;
  info.ulFlags = ulFlags;
  return ::SHBrowseForFolderA(&info);
}

IShellMalloc* CWin32Shell::SHGetMalloc() {
  IMalloc* pMalloc = nullptr;
  if (FAILED(::SHGetMalloc(&pMalloc)) || pMalloc == nullptr) return nullptr;
  return new CWin32ShellMalloc(pMalloc);
}
