#include "RegStoreLoader.h"

#include <cstdio>

#include "RegNameText.h"
#include "platform/memory/MemoryRegistry.h"

namespace {
bool IsNamed(const std::string& strName, const char* pszName) {
  return EqualRegNames(strName, pszName);
}
}  // namespace

CRegStoreLoader::CRegStoreLoader(CRegStoreFile* pFile,
                                 std::shared_ptr<CRegKeyNode> root, EMode mode,
                                 size_t nSection)
    : m_pFile(pFile),
      m_root(std::move(root)),
      m_mode(mode),
      m_nSection(nSection) {}

std::string CRegStoreLoader::SplitPath(const std::string& strPath,
                                       std::vector<std::string>* pNames) const {
  pNames->clear();
  size_t nStart = 0;
  while (true) {
    const size_t nEnd = strPath.find('\\', nStart);
    std::string strName = strPath.substr(nStart, nEnd - nStart);
    if (strName.empty()) return "empty key name in \"" + strPath + "\"";
    if (RegNameLength(strName, m_pFile->info.encoding) >
        CMemoryRegistry::kMaxKeyNameLength)
      return "key name longer than 255 characters";
    pNames->push_back(std::move(strName));
    // The first name is the root's.
    if (pNames->size() > kMaxRegKeyDepth + 1) return "key path too deep";
    if (nEnd == std::string::npos) break;
    nStart = nEnd + 1;
  }
  if (!EqualRegNames((*pNames)[0], m_pFile->strRootName))
    return "key outside " + m_pFile->strRootName;
  pNames->erase(pNames->begin());
  return std::string();
}

bool CRegStoreLoader::IsBelowCurrentControlSet(
    const std::vector<std::string>& names) const {
  return m_pFile->hRoot == HKEY_LOCAL_MACHINE && names.size() >= 2 &&
         IsNamed(names[0], "System") && IsNamed(names[1], "CurrentControlSet");
}

std::shared_ptr<CRegKeyNode> CRegStoreLoader::Walk(
    const std::vector<std::string>& names) {
  size_t nCommon = 0;
  while (nCommon < names.size() && nCommon < m_names.size() &&
         EqualRegNames(names[nCommon], m_names[nCommon]))
    ++nCommon;
  m_names.resize(nCommon);
  m_chain.resize(nCommon + 1);
  m_chain[0] = ResolveRegLink(m_root);
  for (size_t i = nCommon; i < names.size(); ++i) {
    auto child = m_chain.back()->AddSubkey(names[i]);
    m_names.push_back(names[i]);
    m_chain.push_back(ResolveRegLink(child));
  }
  return m_chain.back();
}

std::string CRegStoreLoader::OnSection(const std::string& strPath, bool bDelete,
                                       const CRegFileLine& line) {
  if (bDelete) return "key deletion (\"[-...]\") in a registry store file";
  std::vector<std::string> names;
  const std::string strWhy = SplitPath(strPath, &names);
  if (!strWhy.empty()) return strWhy;
  if (m_mode == EMode::kDeferred) {
    m_current = Walk(names);
    m_pFile->sections[m_nSection].key = m_current;
    return std::string();
  }
  CRegFileSection section;
  section.nBegin = line.nRawBegin;
  section.nLine = line.nLine;
  if (m_pFile->sections.empty()) {
    m_pFile->nPrologueEnd = line.nRawBegin;  // its comments stay with it
  } else {
    if (m_bComment) {
      section.nBegin = m_nCommentBegin;
      section.nLine = m_nCommentLine;
    }
    m_pFile->sections.back().nEnd = section.nBegin;
  }
  m_bComment = false;
  m_current = nullptr;
  if (IsBelowCurrentControlSet(names)) {
    m_deferred.push_back(m_pFile->sections.size());
    section.bThroughLink = true;
  } else
    section.key = m_current = Walk(names);
  m_pFile->sections.push_back(section);
  return std::string();
}

void CRegStoreLoader::OnComment(const CRegFileLine& line) {
  if (m_bComment) return;
  m_bComment = true;
  m_nCommentBegin = line.nRawBegin;
  m_nCommentLine = line.nLine;
}

std::string CRegStoreLoader::OnValue(const CRegParsedValue& value) {
  m_bComment = false;
  if (value.bDelete) return "value deletion (=-) in a registry store file";
  if (!m_current) return std::string();
  CRegValue* pValue = m_current->FindValue(value.strName);
  if (pValue == nullptr) {
    m_current->values.push_back(CRegValue{value.strName, REG_NONE, {}});
    pValue = &m_current->values.back();
  }
  pValue->dwType = value.dwType;
  pValue->data = value.data;
  return std::string();
}

void CRegStoreLoader::Finish() {
  if (m_mode != EMode::kLoad) return;
  if (m_pFile->sections.empty())
    m_pFile->nPrologueEnd = m_pFile->strRaw.size();
  else
    m_pFile->sections.back().nEnd = m_pFile->strRaw.size();
}

void LinkCurrentControlSet(const std::shared_ptr<CRegKeyNode>& machine) {
  auto system = machine->FindSubkey("System");
  if (!system) system = machine->AddSubkey("SYSTEM");
  DWORD dwCurrent = 1;
  if (auto select = system->FindSubkey("Select")) {
    const CRegValue* pCurrent = select->FindValue("Current");
    if (pCurrent && pCurrent->dwType == REG_DWORD &&
        pCurrent->data.size() == 4) {
      const auto& d = pCurrent->data;
      dwCurrent =
          d[0] | (d[1] << 8) | (d[2] << 16) | (static_cast<DWORD>(d[3]) << 24);
    }
  }
  // Control sets are numbered 001 to 999; anything else names none.
  if (dwCurrent == 0 || dwCurrent > 999) dwCurrent = 1;
  char szName[16];
  std::snprintf(szName, sizeof szName, "ControlSet%03u",
                static_cast<unsigned>(dwCurrent));
  auto target = system->AddSubkey(szName);
  auto link = system->AddSubkey("CurrentControlSet");
  link->bVolatile = true;
  link->linkTarget = target;
}

namespace {
std::string ParseErrorText(const std::string& strPath,
                           const CRegParseError& error) {
  if (error.nLine == 0) return strPath + ": " + error.strReason;
  return strPath + ": line " + std::to_string(error.nLine) + ": " +
         error.strReason;
}
}  // namespace

LONG LoadStoreFile(CRegStoreFile* pFile,
                   const std::shared_ptr<CRegKeyNode>& root,
                   std::string* pstrError) {
  CRegStoreLoader loader(pFile, root, CRegStoreLoader::EMode::kLoad);
  CRegParseError error;
  if (pFile->bExists) {
    if (!ParseRegFile(pFile->strRaw, &loader, &pFile->info, &error)) {
      *pstrError = ParseErrorText(pFile->strPath, error);
      return ERROR_BADDB;
    }
    loader.Finish();
  }
  if (pFile->hRoot == HKEY_LOCAL_MACHINE) LinkCurrentControlSet(root);
  // Sections below CurrentControlSet, bound now that the link exists.
  for (size_t nSection : loader.Deferred()) {
    const CRegFileSection& section = pFile->sections[nSection];
    CRegStoreLoader deferred(pFile, root, CRegStoreLoader::EMode::kDeferred,
                             nSection);
    if (!ParseRegBody(pFile->strRaw, pFile->info, section.nBegin, section.nEnd,
                      section.nLine, &deferred, &error)) {
      *pstrError = ParseErrorText(pFile->strPath, error);
      return ERROR_BADDB;
    }
  }
  return ERROR_SUCCESS;
}
