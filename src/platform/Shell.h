// The shell's folder services (shell32): special folders, item-to-path
// conversion, the folder browser and the shell allocator.
#pragma once

#include "WinTypes.h"

// The shell's task allocator (IMalloc), reduced to what the program uses.
class IShellMalloc {
 public:
  virtual void Free(void* pv) = 0;
  virtual ULONG Release() = 0;

 protected:
  virtual ~IShellMalloc() = default;
};

// TRUE for a folder (a full path) that the folder browser may offer and
// accept; the browser neither lists nor takes the others.
typedef BOOL (*CFolderFilter)(const char* pszPath);

class IShell {
 public:
  virtual ~IShell() = default;
  virtual HRESULT SHGetSpecialFolderLocation(HWND hwndOwner, int nFolder,
                                             LPITEMIDLIST* ppidl) = 0;
  // pszPath receives at most MAX_PATH characters.
  virtual BOOL SHGetPathFromIDListA(LPCITEMIDLIST pidl, char* pszPath) = 0;
  // Null when the user cancels. pszDisplayName has MAX_PATH characters.
  // pfnOffered, when given, decides which folders can be chosen.
  virtual LPITEMIDLIST SHBrowseForFolderA(HWND hwndOwner, const char* lpszTitle,
                                          UINT ulFlags, char* pszDisplayName,
                                          CFolderFilter pfnOffered) = 0;
  // Null on failure; the caller releases it.
  virtual IShellMalloc* SHGetMalloc() = 0;
};
