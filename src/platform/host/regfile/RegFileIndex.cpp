#include "RegFileIndex.h"

#include <algorithm>
#include <cstring>

#include "RegFileParser.h"

namespace {
int Folded(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  return (u >= 'a' && u <= 'z') ? u - 'a' + 'A' : u;
}

// Name by name, without regard to case: a backslash sorts before every
// character, so that a key's subkeys follow it at once, in the order the
// registry enumerates them.
int ComparePaths(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  size_t nSame = 0;  // equal bytes are equal names: the common case
  while (nSame + 8 <= n && std::memcmp(&a[nSame], &b[nSame], 8) == 0)
    nSame += 8;
  while (nSame < n && a[nSame] == b[nSame]) ++nSame;
  for (size_t i = nSame; i < n; ++i) {
    const int ca = a[i] == '\\' ? -1 : Folded(a[i]);
    const int cb = b[i] == '\\' ? -1 : Folded(b[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool SameFolded(std::string_view a, std::string_view b, size_t nStart,
                size_t nLength) {
  if (std::memcmp(&a[nStart], &b[nStart], nLength) == 0) return true;
  for (size_t i = nStart; i < nStart + nLength; ++i)
    if (Folded(a[i]) != Folded(b[i])) return false;
  return true;
}

// Applies a section's values to its key: the last line of a name decides.
class CValueSink : public IRegFileSink {
 public:
  explicit CValueSink(CRegKeyNode& key) : m_key(key) {}
  std::string OnSection(const std::string&, bool,
                        const CRegFileLine&) override {
    return std::string();
  }
  std::string OnValue(const CRegParsedValue& value) override {
    CRegValue* pValue = m_key.FindValue(value.strName);
    if (pValue == nullptr) {
      m_key.Values().push_back(CRegValue{value.strName, REG_NONE, {}});
      pValue = &m_key.Values().back();
    }
    pValue->dwType = value.dwType;
    pValue->data = value.data;
    return std::string();
  }

 private:
  CRegKeyNode& m_key;
};
}  // namespace

CRegFileIndex::CRegFileIndex(CRegStoreFile* pFile) : m_pFile(pFile) {
  m_order.resize(pFile->sections.size());
  for (size_t i = 0; i < m_order.size(); ++i) m_order[i] = i;
  auto less = [pFile](size_t a, size_t b) {
    const CRegFileSection& sa = pFile->sections[a];
    const CRegFileSection& sb = pFile->sections[b];
    const int nOrder = ComparePaths(sa.strPath, sb.strPath);
    if (nOrder != 0) return nOrder < 0;
    return !sa.bThroughLink && sb.bThroughLink;
  };
  // Files the store wrote are mostly in order already.
  if (!std::is_sorted(m_order.begin(), m_order.end(), less))
    std::stable_sort(m_order.begin(), m_order.end(), less);
}

void CRegFileIndex::Attach(CRegStoreFile* pFile,
                           const std::shared_ptr<CRegKeyNode>& root) {
  auto index = std::make_shared<CRegFileIndex>(pFile);
  index->FillLater(root, CSpan{0, index->m_order.size(), 0});
}

void CRegFileIndex::FillLater(const std::shared_ptr<CRegKeyNode>& key,
                              const CSpan& span) {
  Bind(key, span);
  key->FillLater([index = shared_from_this(), span](CRegKeyNode& node) {
    index->Fill(node, span);
  });
}

void CRegFileIndex::Bind(const std::shared_ptr<CRegKeyNode>& key,
                         const CSpan& span) {
  // A key's own sections come first in its run: its path is the shortest.
  for (size_t i = span.nBegin;
       i < span.nEnd && At(i).strPath.size() == span.nPrefix; ++i) {
    CRegFileSection& section = m_pFile->sections[m_order[i]];
    section.bReached = true;
    section.key = key;
  }
}

void CRegFileIndex::ApplyValues(const CRegFileSection& section,
                                CRegKeyNode& key) const {
  CValueSink sink(key);
  CRegParseError error;
  // The section parsed when the file was read; it parses the same now.
  ParseRegBody(m_pFile->strRaw, m_pFile->info, section.nBegin, section.nEnd,
               section.nLine, &sink, &error);
}

size_t CRegFileIndex::RunEnd(size_t nBegin, size_t nEnd, size_t nStart,
                             size_t nLength) const {
  const std::string_view strFirst = At(nBegin).strPath;
  const size_t nNameEnd = nStart + nLength;
  size_t i = nBegin + 1;
  for (; i < nEnd; ++i) {
    const std::string_view strPath = At(i).strPath;
    if (strPath.size() < nNameEnd ||
        (strPath.size() > nNameEnd && strPath[nNameEnd] != '\\') ||
        !SameFolded(strPath, strFirst, nStart, nLength))
      break;
  }
  return i;
}

void CRegFileIndex::Fill(CRegKeyNode& node, const CSpan& span) {
  // A key made in memory before the file was read keeps its place; the
  // file's keys of other names join it.
  const bool bMerge = !node.Subkeys().empty();
  size_t i = span.nBegin;
  for (; i < span.nEnd && At(i).strPath.size() == span.nPrefix; ++i)
    ApplyValues(At(i), node);
  const size_t nStart = span.nPrefix == 0 ? 0 : span.nPrefix + 1;
  while (i < span.nEnd) {
    const std::string_view strPath = At(i).strPath;
    const size_t nSlash = strPath.find('\\', nStart);
    const size_t nLength =
        (nSlash == std::string_view::npos ? strPath.size() : nSlash) - nStart;
    const size_t nEnd = RunEnd(i, span.nEnd, nStart, nLength);
    // Spelled as the file's first section of the key spells it, the one
    // read first.
    size_t nName = i;
    for (size_t j = i + 1; j < nEnd; ++j)
      if (std::make_pair(At(j).bThroughLink, m_order[j]) <
          std::make_pair(At(nName).bThroughLink, m_order[nName]))
        nName = j;
    const std::string strName(At(nName).strPath.substr(nStart, nLength));
    const CSpan childSpan{i, nEnd, nStart + nLength};
    i = nEnd;
    if (bMerge && node.FindSubkey(strName)) continue;
    FillLater(node.AddSubkey(strName), childSpan);
  }
}
