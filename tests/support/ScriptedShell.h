// A shell for tests: special folders that tests name, a folder browser that
// answers from a queue, and switches that make each call fail.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Shell.h"

class CScriptedShell : public IShell {
 public:
  CScriptedShell();
  ~CScriptedShell() override;

  std::map<int, std::string> m_folders;
  // Answers of successive browsers; an empty one, or none left, cancels.
  std::deque<std::string> m_browseAnswers;
  struct CBrowse {
    HWND hwndOwner;
    std::string strTitle;
    UINT ulFlags;
    CFolderFilter pfnOffered;
  };
  std::vector<CBrowse> m_browses;
  HRESULT m_hrSpecialFolder = S_OK;
  bool m_bFailPathFromIDList = false;
  bool m_bFailMalloc = false;

  size_t LiveItemCount() const { return m_items.size(); }

  HRESULT SHGetSpecialFolderLocation(HWND hwndOwner, int nFolder,
                                     LPITEMIDLIST* ppidl) override;
  BOOL SHGetPathFromIDListA(LPCITEMIDLIST pidl, char* pszPath) override;
  LPITEMIDLIST SHBrowseForFolderA(HWND hwndOwner, const char* lpszTitle,
                                  UINT ulFlags, char* pszDisplayName,
                                  CFolderFilter pfnOffered) override;
  IShellMalloc* SHGetMalloc() override;

 private:
  class CMalloc;
  LPITEMIDLIST NewItem(const std::string& strPath);
  std::map<const void*, std::unique_ptr<std::string>> m_items;
  std::unique_ptr<CMalloc> m_pMalloc;
};
