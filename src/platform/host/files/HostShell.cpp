#include "HostShell.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <iostream>

#include "platform/LastError.h"

namespace {
const char kProfiles[] = "C:\\WINNT\\Profiles\\";
const char kProgramsBelowProfile[] = "\\Start Menu\\Programs";
const char kAllUsers[] = "All Users";

std::string CurrentUser() {
  const char* pszUser = std::getenv("USER");
  return pszUser && *pszUser ? pszUser : "Administrator";
}

std::deque<std::string> ScriptedAnswers() {
  std::deque<std::string> answers;
  const char* pszScript = std::getenv("QUORREL_BROWSE");
  if (pszScript == nullptr) return answers;
  std::string strAnswer;
  for (const char* p = pszScript;; ++p) {
    if (*p == '|' || *p == '\0') {
      answers.push_back(strAnswer);
      strAnswer.clear();
      if (*p == '\0') break;
    } else {
      strAnswer += *p;
    }
  }
  return answers;
}

std::string LastComponent(const std::string& strPath) {
  std::string strTrimmed = strPath;
  while (strTrimmed.size() > 3 &&
         (strTrimmed.back() == '\\' || strTrimmed.back() == '/'))
    strTrimmed.pop_back();
  const size_t nSlash = strTrimmed.find_last_of("\\/");
  return nSlash == std::string::npos ? strTrimmed
                                     : strTrimmed.substr(nSlash + 1);
}

void CopyOut(const std::string& strText, char* pszOut) {
  std::strncpy(pszOut, strText.c_str(), MAX_PATH - 1);
  pszOut[MAX_PATH - 1] = '\0';
}
}  // namespace

// The shell allocator: frees the items this shell handed out. One per
// shell; Release only drops a reference the caller never owned.
class CHostShell::CMalloc : public IShellMalloc {
 public:
  explicit CMalloc(CHostShell& shell) : m_shell(shell) {}
  void Free(void* pv) override { m_shell.FreeItem(pv); }
  ULONG Release() override { return 1; }

 private:
  CHostShell& m_shell;
};

CHostShell::CHostShell(CHostFileSystem& files, const std::string& strUser)
    : m_files(files),
      m_strUser(strUser.empty() ? CurrentUser() : strUser),
      m_scriptedAnswers(ScriptedAnswers()),
      m_pMalloc(std::make_unique<CMalloc>(*this)) {
  m_prompt = [this](const std::string& strTitle, CFolderFilter pfnOffered,
                    std::string* pstrFolder) {
    return PromptOnTerminal(strTitle, pfnOffered, pstrFolder);
  };
}

CHostShell::~CHostShell() = default;

std::string CHostShell::SpecialFolderPath(int nFolder) const {
  switch (nFolder) {
    case CSIDL_COMMON_PROGRAMS:
      return std::string(kProfiles) + kAllUsers + kProgramsBelowProfile;
    case CSIDL_PROGRAMS:
      return std::string(kProfiles) + m_strUser + kProgramsBelowProfile;
    default:
      return std::string();
  }
}

HRESULT CHostShell::SHGetSpecialFolderLocation(HWND /*hwndOwner*/, int nFolder,
                                               LPITEMIDLIST* ppidl) {
  *ppidl = nullptr;
  const std::string strPath = SpecialFolderPath(nFolder);
  if (strPath.empty()) return E_INVALIDARG;
  // Named, not created: a machine without the folder stays without it.
  *ppidl = NewItem(strPath);
  return S_OK;
}

BOOL CHostShell::SHGetPathFromIDListA(LPCITEMIDLIST pidl, char* pszPath) {
  auto it = m_items.find(pidl);
  if (it == m_items.end()) {
    if (pszPath) pszPath[0] = '\0';
    return FALSE;
  }
  if (it->second->strPath.size() >= MAX_PATH) return FALSE;
  CopyOut(it->second->strPath, pszPath);
  return TRUE;
}

LPITEMIDLIST CHostShell::SHBrowseForFolderA(HWND /*hwndOwner*/,
                                            const char* lpszTitle,
                                            UINT /*ulFlags*/,
                                            char* pszDisplayName,
                                            CFolderFilter pfnOffered) {
  std::string strFolder;
  if (!NextAnswer(lpszTitle ? lpszTitle : "", pfnOffered, &strFolder) ||
      strFolder.empty())
    return nullptr;
  if (pszDisplayName) CopyOut(LastComponent(strFolder), pszDisplayName);
  return NewItem(strFolder);
}

IShellMalloc* CHostShell::SHGetMalloc() { return m_pMalloc.get(); }

LPITEMIDLIST CHostShell::NewItem(const std::string& strPath) {
  auto item = std::make_unique<CItem>();
  item->strPath = strPath;
  // The item's address is its identity; callers treat it as opaque.
  LPITEMIDLIST pidl = reinterpret_cast<LPITEMIDLIST>(item.get());
  m_items[pidl] = std::move(item);
  return pidl;
}

void CHostShell::FreeItem(void* pv) { m_items.erase(pv); }

bool CHostShell::NextAnswer(const std::string& strTitle,
                            CFolderFilter pfnOffered, std::string* pstrFolder) {
  if (!m_scriptedAnswers.empty()) {
    *pstrFolder = m_scriptedAnswers.front();
    m_scriptedAnswers.pop_front();
    return !pstrFolder->empty();
  }
  return m_prompt && m_prompt(strTitle, pfnOffered, pstrFolder);
}

bool HostFolderExists(CHostFileSystem& files, const std::string& strPath) {
  if (strPath.empty()) return false;
  std::string strProbe = strPath;
  if (strProbe.back() != '\\' && strProbe.back() != '/') strProbe += '\\';
  WIN32_FIND_DATAA data;
  HANDLE hFind = files.FindFirstFileA((strProbe + "*.*").c_str(), &data);
  if (hFind != INVALID_HANDLE_VALUE) {
    files.FindClose(hFind);
    return true;
  }
  return GetLastError() == ERROR_FILE_NOT_FOUND;  // an empty folder
}

bool CHostShell::PromptOnTerminal(const std::string& strTitle,
                                  CFolderFilter pfnOffered,
                                  std::string* pstrFolder) {
  if (!isatty(STDIN_FILENO)) return false;
  for (;;) {
    std::cout << strTitle << "\nFolder (empty to cancel): " << std::flush;
    std::string strLine;
    if (!std::getline(std::cin, strLine)) return false;
    // A terminal left in raw mode ends the line with a carriage return.
    while (!strLine.empty() && strLine.back() == '\r') strLine.pop_back();
    if (strLine.empty()) return false;
    // An existing folder, as the shell's browser offers only those.
    if (!HostFolderExists(m_files, strLine)) {
      std::cout << "No such folder: " << strLine << "\n";
    } else if (pfnOffered && !pfnOffered(strLine.c_str())) {
      std::cout << "Not offered: " << strLine << "\n";
    } else {
      *pstrFolder = strLine;
      return true;
    }
  }
}
