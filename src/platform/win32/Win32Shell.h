// The shell's folder services over shell32. The folder browser needs COM on
// the calling thread, which the program's entry point initialises.
#pragma once

#include "../Shell.h"

class CWin32Shell : public IShell {
 public:
  HRESULT SHGetSpecialFolderLocation(HWND hwndOwner, int nFolder,
                                     LPITEMIDLIST* ppidl) override;
  BOOL SHGetPathFromIDListA(LPCITEMIDLIST pidl, char* pszPath) override;
  LPITEMIDLIST SHBrowseForFolderA(HWND hwndOwner, const char* lpszTitle,
                                  UINT ulFlags, char* pszDisplayName,
                                  CFolderFilter pfnOffered) override;
  IShellMalloc* SHGetMalloc() override;
};
