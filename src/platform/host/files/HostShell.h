// The shell's folder services on the host.
//
// Special folders (named inside the machine directory, never created):
//   CSIDL_COMMON_PROGRAMS (23)  C:\WINNT\Profiles\All Users\Start Menu\Programs
//   CSIDL_PROGRAMS (2)          C:\WINNT\Profiles\<user>\Start Menu\Programs
// with <user> from $USER, "Administrator" when that is unset. Other folders
// fail with E_INVALIDARG.
//
// The folder browser asks for a folder path (a Windows path such as
// "C:\Program Files\Corvane\Tessarine"):
//   - scripted: the environment variable QUORREL_BROWSE holds the answers
//     of successive browsers, separated by '|'; an empty answer cancels;
//   - when those are used up: the prompt set with SetFolderPrompt (the
//     terminal UI's input box), else on a terminal a prompt on stdin,
//     repeated until the answer is an existing folder; an empty line or end
//     of input cancels; without a terminal, the browser is cancelled.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "HostFileSystem.h"
#include "platform/Shell.h"

// TRUE when strPath (a Windows path) names an existing folder.
bool HostFolderExists(CHostFileSystem& files, const std::string& strPath);

class CHostShell : public IShell {
 public:
  // Asks for a folder under the browser's title; false when cancelled.
  typedef std::function<bool(const std::string& strTitle,
                             CFolderFilter pfnOffered, std::string* pstrFolder)>
      CFolderPrompt;

  // strUser names the current user's profile; empty: $USER, else
  // "Administrator".
  explicit CHostShell(CHostFileSystem& files, const std::string& strUser = "");
  ~CHostShell() override;
  CHostShell(const CHostShell&) = delete;
  CHostShell& operator=(const CHostShell&) = delete;

  HRESULT SHGetSpecialFolderLocation(HWND hwndOwner, int nFolder,
                                     LPITEMIDLIST* ppidl) override;
  BOOL SHGetPathFromIDListA(LPCITEMIDLIST pidl, char* pszPath) override;
  LPITEMIDLIST SHBrowseForFolderA(HWND hwndOwner, const char* lpszTitle,
                                  UINT ulFlags, char* pszDisplayName,
                                  CFolderFilter pfnOffered) override;
  IShellMalloc* SHGetMalloc() override;

  void SetFolderPrompt(CFolderPrompt prompt) { m_prompt = std::move(prompt); }
  // The Windows path of a special folder; empty for an unknown one.
  std::string SpecialFolderPath(int nFolder) const;
  // Items handed out and not yet freed.
  size_t LiveItemCount() const { return m_items.size(); }

 private:
  class CMalloc;
  struct CItem {
    std::string strPath;
  };

  LPITEMIDLIST NewItem(const std::string& strPath);
  void FreeItem(void* pv);
  bool NextAnswer(const std::string& strTitle, CFolderFilter pfnOffered,
                  std::string* pstrFolder);
  bool PromptOnTerminal(const std::string& strTitle, CFolderFilter pfnOffered,
                        std::string* pstrFolder);

  CHostFileSystem& m_files;
  std::string m_strUser;
  std::deque<std::string> m_scriptedAnswers;
  CFolderPrompt m_prompt;
  std::map<const void*, std::unique_ptr<CItem>> m_items;
  std::unique_ptr<CMalloc> m_pMalloc;
};
