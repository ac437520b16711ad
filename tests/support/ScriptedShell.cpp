#include "ScriptedShell.h"

#include <cstring>

class CScriptedShell::CMalloc : public IShellMalloc {
 public:
  explicit CMalloc(CScriptedShell& shell) : m_shell(shell) {}
  void Free(void* pv) override { m_shell.m_items.erase(pv); }
  ULONG Release() override { return 1; }

 private:
  CScriptedShell& m_shell;
};

CScriptedShell::CScriptedShell()
    : m_pMalloc(std::make_unique<CMalloc>(*this)) {}
CScriptedShell::~CScriptedShell() = default;

LPITEMIDLIST CScriptedShell::NewItem(const std::string& strPath) {
  auto item = std::make_unique<std::string>(strPath);
  LPITEMIDLIST pidl = reinterpret_cast<LPITEMIDLIST>(item.get());
  m_items[pidl] = std::move(item);
  return pidl;
}

HRESULT CScriptedShell::SHGetSpecialFolderLocation(HWND, int nFolder,
                                                   LPITEMIDLIST* ppidl) {
  *ppidl = nullptr;
  if (FAILED(m_hrSpecialFolder)) return m_hrSpecialFolder;
  auto it = m_folders.find(nFolder);
  if (it == m_folders.end()) return E_INVALIDARG;
  *ppidl = NewItem(it->second);
  return S_OK;
}

BOOL CScriptedShell::SHGetPathFromIDListA(LPCITEMIDLIST pidl, char* pszPath) {
  auto it = m_items.find(pidl);
  if (m_bFailPathFromIDList || it == m_items.end()) return FALSE;
  std::strncpy(pszPath, it->second->c_str(), MAX_PATH - 1);
  pszPath[MAX_PATH - 1] = '\0';
  return TRUE;
}

LPITEMIDLIST CScriptedShell::SHBrowseForFolderA(HWND hwndOwner,
                                                const char* lpszTitle,
                                                UINT ulFlags,
                                                char* pszDisplayName,
                                                CFolderFilter pfnOffered) {
  m_browses.push_back(
      CBrowse{hwndOwner, lpszTitle ? lpszTitle : "", ulFlags, pfnOffered});
  if (m_browseAnswers.empty()) return nullptr;
  const std::string strAnswer = m_browseAnswers.front();
  m_browseAnswers.pop_front();
  if (strAnswer.empty()) return nullptr;
  if (pszDisplayName) std::strncpy(pszDisplayName, "folder", MAX_PATH - 1);
  return NewItem(strAnswer);
}

IShellMalloc* CScriptedShell::SHGetMalloc() {
  return m_bFailMalloc ? nullptr : m_pMalloc.get();
}
