#include "RegStoreLoader.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "RegFileIndex.h"
#include "RegFileParser.h"
#include "RegNameText.h"
#include "platform/memory/MemoryRegistry.h"

namespace {
const char kCurrentControlSet[] = "CurrentControlSet";

// Control sets are numbered 001 to 999; anything else names none.
std::string ControlSetName(const CRegValue* pCurrent) {
  DWORD dwCurrent = 1;
  if (pCurrent && pCurrent->dwType == REG_DWORD && pCurrent->data.size() == 4) {
    const auto& d = pCurrent->data;
    dwCurrent =
        d[0] | (d[1] << 8) | (d[2] << 16) | (static_cast<DWORD>(d[3]) << 24);
  }
  if (dwCurrent == 0 || dwCurrent > 999) dwCurrent = 1;
  char szName[16];
  std::snprintf(szName, sizeof szName, "ControlSet%03u",
                static_cast<unsigned>(dwCurrent));
  return szName;
}

// The name at [nStart, nEnd) of strPath, without regard to case.
bool IsName(std::string_view strPath, size_t nStart, size_t nEnd,
            std::string_view strName) {
  if (nEnd - nStart != strName.size()) return false;
  if (strPath.compare(nStart, nEnd - nStart, strName) == 0) return true;
  for (size_t i = 0; i < strName.size(); ++i) {
    char a = strPath[nStart + i], b = strName[i];
    if (a >= 'a' && a <= 'z') a = static_cast<char>(a - 'a' + 'A');
    if (b >= 'a' && b <= 'z') b = static_cast<char>(b - 'a' + 'A');
    if (a != b) return false;
  }
  return true;
}

// Notes each section and where it lies; builds no key.
class CSectionIndexer : public IRegFileSink {
 public:
  explicit CSectionIndexer(CRegStoreFile* pFile) : m_pFile(pFile) {}
  std::string OnSection(const std::string& strPath, bool bDelete,
                        const CRegFileLine& line) override;
  std::string OnValue(const CRegParsedValue& value) override;
  void OnComment(const CRegFileLine& line) override;
  bool TakesValueText() const override { return false; }
  void Finish();

 private:
  std::string CheckPath(const std::string& strPath, CRegFileSection* pSection);

  CRegStoreFile* m_pFile;
  // The first comment line since the last value or header, if any.
  bool m_bComment = false;
  size_t m_nCommentBegin = 0;
  size_t m_nCommentLine = 0;
};

std::string CSectionIndexer::CheckPath(const std::string& strPath,
                                       CRegFileSection* pSection) {
  const ERegEncoding encoding = m_pFile->info.encoding;
  const size_t nSize = strPath.size();
  size_t nStart = 0;
  size_t nNames = 0;
  size_t nRootEnd = 0;
  size_t nSecondStart = 0;
  bool bLink = false;
  while (true) {
    const void* pFound =
        std::memchr(strPath.data() + nStart, '\\', nSize - nStart);
    const size_t nEnd =
        pFound ? static_cast<const char*>(pFound) - strPath.data() : nSize;
    if (nEnd == nStart) return "empty key name in \"" + strPath + "\"";
    const size_t nLength = encoding == ERegEncoding::kCodePage
                               ? nEnd - nStart
                               : RegNameLength(std::string_view(strPath).substr(
                                                   nStart, nEnd - nStart),
                                               encoding);
    if (nLength > CMemoryRegistry::kMaxKeyNameLength)
      return "key name longer than 255 characters";
    // The first name is the root's.
    if (++nNames > kMaxRegKeyDepth + 1) return "key path too deep";
    if (nNames == 1) {
      if (!IsName(strPath, 0, nEnd, m_pFile->strRootName))
        return "key outside " + m_pFile->strRootName;
      nRootEnd = nEnd;
    }
    if (nNames == 2) nSecondStart = nStart;
    if (nNames == 3 && m_pFile->hRoot == HKEY_LOCAL_MACHINE &&
        IsName(strPath, nSecondStart, nStart - 1, "System") &&
        IsName(strPath, nStart, nEnd, kCurrentControlSet))
      bLink = true;
    if (pFound == nullptr) break;
    nStart = nEnd + 1;
  }
  if (nRootEnd != nSize)
    pSection->strPath =
        m_pFile->paths.Keep(std::string_view(strPath).substr(nRootEnd + 1));
  pSection->bThroughLink = bLink;
  return std::string();
}

std::string CSectionIndexer::OnSection(const std::string& strPath, bool bDelete,
                                       const CRegFileLine& line) {
  if (bDelete) return "key deletion (\"[-...]\") in a registry store file";
  CRegFileSection section;
  const std::string strWhy = CheckPath(strPath, &section);
  if (!strWhy.empty()) return strWhy;
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
  m_pFile->sections.push_back(std::move(section));
  return std::string();
}

void CSectionIndexer::OnComment(const CRegFileLine& line) {
  if (m_bComment) return;
  m_bComment = true;
  m_nCommentBegin = line.nRawBegin;
  m_nCommentLine = line.nLine;
}

std::string CSectionIndexer::OnValue(const CRegParsedValue& value) {
  m_bComment = false;
  if (value.bDelete) return "value deletion (=-) in a registry store file";
  return std::string();
}

void CSectionIndexer::Finish() {
  if (m_pFile->sections.empty())
    m_pFile->nPrologueEnd = m_pFile->strRaw.size();
  else
    m_pFile->sections.back().nEnd = m_pFile->strRaw.size();
}

// SYSTEM\Select "Current" as the file gives it (the last line of it).
class CCurrentSink : public IRegFileSink {
 public:
  std::string OnSection(const std::string&, bool,
                        const CRegFileLine&) override {
    return std::string();
  }
  std::string OnValue(const CRegParsedValue& value) override {
    if (EqualRegNames(value.strName, "Current"))
      m_current = CRegValue{value.strName, value.dwType, value.data};
    return std::string();
  }
  const CRegValue* Current() const {
    return m_current.strName.empty() ? nullptr : &m_current;
  }

 private:
  CRegValue m_current;
};

// Sections named through CurrentControlSet take the path of the control set
// it will link to, which the file's SYSTEM\Select names.
void PathsThroughLink(CRegStoreFile* pFile) {
  CCurrentSink sink;
  bool bLinked = false;
  for (const auto& section : pFile->sections) {
    bLinked = bLinked || section.bThroughLink;
    const std::string_view strPath = section.strPath;
    if (section.bThroughLink ||
        !IsName(strPath, 0, strPath.size(), "System\\Select"))
      continue;
    CRegParseError error;
    ParseRegBody(pFile->strRaw, pFile->info, section.nBegin, section.nEnd,
                 section.nLine, &sink, &error);
  }
  if (!bLinked) return;
  const std::string strTarget = ControlSetName(sink.Current());
  for (auto& section : pFile->sections) {
    if (!section.bThroughLink) continue;
    std::string strPath(section.strPath);
    const size_t nName = strPath.find('\\') + 1;
    strPath.replace(nName, sizeof kCurrentControlSet - 1, strTarget);
    section.strPath = pFile->paths.Keep(strPath);
  }
}

// Every section starts with "[" and its root's name: room for this many
// sections saves the regrowth of a large index, each time in fresh pages.
size_t SectionsAtMost(const CRegStoreFile& file) {
  const std::string& strRaw = file.strRaw;
  const char* p = strRaw.data();
  const char* pEnd = p + strRaw.size();
  size_t nOpen = 0;
  while ((p = static_cast<const char*>(std::memchr(p, '[', pEnd - p)))) {
    ++nOpen;
    ++p;
  }
  return std::min(nOpen, strRaw.size() / (file.strRootName.size() + 2) + 1);
}

std::string ParseErrorText(const std::string& strPath,
                           const CRegParseError& error) {
  if (error.nLine == 0) return strPath + ": " + error.strReason;
  return strPath + ": line " + std::to_string(error.nLine) + ": " +
         error.strReason;
}
}  // namespace

void LinkCurrentControlSet(const std::shared_ptr<CRegKeyNode>& machine) {
  auto system = machine->FindSubkey("System");
  if (!system) system = machine->AddSubkey("SYSTEM");
  const CRegValue* pCurrent = nullptr;
  if (auto select = system->FindSubkey("Select"))
    pCurrent = select->FindValue("Current");
  auto target = system->AddSubkey(ControlSetName(pCurrent));
  auto link = system->AddSubkey(kCurrentControlSet);
  link->bVolatile = true;
  link->linkTarget = target;
}

LONG LoadStoreFile(CRegStoreFile* pFile,
                   const std::shared_ptr<CRegKeyNode>& root,
                   std::string* pstrError) {
  CSectionIndexer indexer(pFile);
  CRegParseError error;
  if (pFile->bExists) {
    pFile->sections.reserve(SectionsAtMost(*pFile));
    if (!ParseRegFile(pFile->strRaw, &indexer, &pFile->info, &error)) {
      *pstrError = ParseErrorText(pFile->strPath, error);
      return ERROR_BADDB;
    }
    indexer.Finish();
  }
  if (pFile->hRoot == HKEY_LOCAL_MACHINE) PathsThroughLink(pFile);
  CRegFileIndex::Attach(pFile, root);
  if (pFile->hRoot == HKEY_LOCAL_MACHINE) LinkCurrentControlSet(root);
  return ERROR_SUCCESS;
}
