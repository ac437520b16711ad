#include "RegStoreRenderer.h"

#include <algorithm>
#include <map>

#include "RegFileLines.h"
#include "RegFileParser.h"
#include "RegValueWriter.h"

namespace {
struct CEntry {
  size_t nBegin = 0;
  size_t nEnd = 0;
  std::string strFolded;
};

struct CSectionEntries {
  size_t nHeaderEnd = 0;
  std::vector<CEntry> values;
};

// Collects where the values of one section lie.
class CEntrySink : public IRegFileSink {
 public:
  explicit CEntrySink(CSectionEntries* pOut) : m_pOut(pOut) {}
  std::string OnSection(const std::string&, bool,
                        const CRegFileLine& line) override {
    m_pOut->nHeaderEnd = line.nRawEnd;
    return std::string();
  }
  std::string OnValue(const CRegParsedValue& value) override {
    m_pOut->values.push_back(
        CEntry{value.nRawBegin, value.nRawEnd, FoldRegName(value.strName)});
    return std::string();
  }

 private:
  CSectionEntries* m_pOut;
};

class CRenderer {
 public:
  CRenderer(const CRegStoreFile& file, const std::shared_ptr<CRegKeyNode>& root,
            const CRegDirtyMap& dirty)
      : m_file(file), m_root(root), m_dirty(dirty) {}
  std::string Run();

 private:
  typedef std::pair<const CRegKeyNode*, std::string> CValueId;

  std::shared_ptr<CRegKeyNode> LiveKey(const CRegFileSection& section) const;
  void IndexSections();
  void IndexSection(size_t nSection);
  void WriteDirtySection(size_t nSection, const CRegKeyNode& key,
                         const CRegDirtyKey& changes);
  void WriteNewValues(const CRegKeyNode& key, const CRegDirtyKey& changes);
  void WriteNewKeys();
  bool BelongsHere(const CRegKeyNode& key) const;
  bool IsUnchanged(const CRegFileSection& section) const;
  void Raw(size_t nBegin, size_t nEnd) {
    m_strOut.append(m_file.strRaw, nBegin, nEnd - nBegin);
  }
  // Text the store formats: on a line of its own, in the file's encoding.
  void Text(const std::string& strText);
  bool EndsWithNewline(size_t nLines) const;

  const CRegStoreFile& m_file;
  const std::shared_ptr<CRegKeyNode>& m_root;
  const CRegDirtyMap& m_dirty;
  std::string m_strOut;
  std::map<const CRegKeyNode*, size_t> m_lastSection;
  std::map<size_t, CSectionEntries> m_entries;  // sections of changed keys
  std::map<CValueId, std::pair<size_t, size_t>> m_lastEntry;
};

std::shared_ptr<CRegKeyNode> CRenderer::LiveKey(
    const CRegFileSection& section) const {
  if (!section.bReached) return nullptr;
  auto key = section.key.lock();
  return (key && !key->bDeleted) ? key : nullptr;
}

bool CRenderer::EndsWithNewline(size_t nLines) const {
  const bool bWide = m_file.info.encoding == ERegEncoding::kUtf16Le;
  const size_t nUnit = bWide ? 2 : 1;
  size_t i = m_strOut.size();
  for (size_t n = 0; n < nLines; ++n) {
    if (i < nUnit || m_strOut[i - nUnit] != '\n' ||
        (bWide && m_strOut[i - 1] != '\0'))
      return false;
    i -= nUnit;
    if (i >= nUnit && m_strOut[i - nUnit] == '\r' &&
        (!bWide || m_strOut[i - 1] == '\0'))
      i -= nUnit;
  }
  return true;
}

void CRenderer::Text(const std::string& strText) {
  // An odd byte ending a UTF-16 file belongs to no character (reading
  // ignores it); text written after it must start on a character boundary.
  if (m_file.info.encoding == ERegEncoding::kUtf16Le && m_strOut.size() % 2)
    m_strOut.pop_back();
  if (!m_strOut.empty() && !EndsWithNewline(1))
    m_strOut += EncodeRegText(m_file.info.strNewline, m_file.info.encoding);
  m_strOut += EncodeRegText(strText, m_file.info.encoding);
}

void CRenderer::IndexSections() {
  // In the order the loader applied them, so that the line a read sees is
  // the line a write replaces.
  for (int nPass = 0; nPass < 2; ++nPass)
    for (size_t i = 0; i < m_file.sections.size(); ++i)
      if (m_file.sections[i].bThroughLink == (nPass == 1)) IndexSection(i);
}

void CRenderer::IndexSection(size_t i) {
  auto key = LiveKey(m_file.sections[i]);
  if (!key) return;
  m_lastSection[key.get()] = i;
  if (!m_dirty.count(key.get())) return;
  const CRegFileSection& section = m_file.sections[i];
  CSectionEntries& entries = m_entries[i];
  CEntrySink sink(&entries);
  CRegParseError error;
  // The section parsed when the file was read; it parses the same now.
  ParseRegBody(m_file.strRaw, m_file.info, section.nBegin, section.nEnd,
               section.nLine, &sink, &error);
  for (size_t j = 0; j < entries.values.size(); ++j)
    m_lastEntry[CValueId(key.get(), entries.values[j].strFolded)] = {i, j};
}

void CRenderer::WriteDirtySection(size_t nSection, const CRegKeyNode& key,
                                  const CRegDirtyKey& changes) {
  const CRegFileSection& section = m_file.sections[nSection];
  const CSectionEntries& entries = m_entries[nSection];
  Raw(section.nBegin, entries.nHeaderEnd);
  size_t nPos = entries.nHeaderEnd;
  for (size_t j = 0; j < entries.values.size(); ++j) {
    const CEntry& entry = entries.values[j];
    Raw(nPos, entry.nBegin);  // comments and blank lines stay
    nPos = entry.nEnd;
    if (!changes.values.count(entry.strFolded)) {
      Raw(entry.nBegin, entry.nEnd);
      continue;
    }
    const CRegValue* pValue = key.FindValue(entry.strFolded);
    if (pValue == nullptr) continue;  // deleted: its line goes
    const auto last = m_lastEntry[CValueId(&key, entry.strFolded)];
    if (last != std::make_pair(nSection, j)) {
      // An earlier line of a value given twice: the last one decides.
      Raw(entry.nBegin, entry.nEnd);
      continue;
    }
    Text(FormatRegValue(pValue->strName, pValue->dwType, pValue->data,
                        m_file.info.format, m_file.info.strNewline));
  }
  if (m_lastSection[&key] == nSection) WriteNewValues(key, changes);
  Raw(nPos, section.nEnd);
}

void CRenderer::WriteNewValues(const CRegKeyNode& key,
                               const CRegDirtyKey& changes) {
  for (const auto& value : key.Values()) {
    const std::string strFolded = FoldRegName(value.strName);
    if (!changes.values.count(strFolded) ||
        m_lastEntry.count(CValueId(&key, strFolded)))
      continue;
    Text(FormatRegValue(value.strName, value.dwType, value.data,
                        m_file.info.format, m_file.info.strNewline));
  }
}

bool CRenderer::BelongsHere(const CRegKeyNode& key) const {
  if (key.bDeleted || key.bVolatile) return false;
  const CRegKeyNode* pNode = &key;
  while (pNode->pParent) {
    pNode = pNode->pParent;
    if (pNode->bVolatile) return false;
  }
  return pNode == m_root.get();
}

std::vector<std::string> PathNames(const CRegKeyNode& key) {
  std::vector<std::string> names;
  for (const CRegKeyNode* p = &key; p; p = p->pParent)
    names.push_back(p->strName);
  std::reverse(names.begin(), names.end());
  return names;
}

bool PathLess(const std::vector<std::string>& a,
              const std::vector<std::string>& b) {
  return std::lexicographical_compare(
      a.begin(), a.end(), b.begin(), b.end(),
      [](const std::string& x, const std::string& y) {
        return CompareRegNames(x, y) < 0;
      });
}

void CRenderer::WriteNewKeys() {
  // A key with neither a section nor values is still there when the file is
  // read again as long as a key below it has a section; a leaf needs one.
  std::vector<std::pair<std::vector<std::string>, const CRegKeyNode*>> keys;
  for (const auto& item : m_dirty) {
    const CRegKeyNode& key = *item.second.node;
    if (!BelongsHere(key) || m_lastSection.count(&key)) continue;
    const bool bRoot = key.pParent == nullptr;
    if (key.Values().empty() && (bRoot || !key.Subkeys().empty())) continue;
    keys.emplace_back(PathNames(key), &key);
  }
  std::sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) {
    return PathLess(a.first, b.first);
  });
  const std::string& strNewline = m_file.info.strNewline;
  for (const auto& item : keys) {
    if (!EndsWithNewline(2)) Text(strNewline);  // a blank line between keys
    Text(FormatRegKeyHeader(item.second->Path(), strNewline));
    for (const auto& value : item.second->Values())
      Text(FormatRegValue(value.strName, value.dwType, value.data,
                          m_file.info.format, strNewline));
  }
  if (!keys.empty()) Text(strNewline);
}

bool CRenderer::IsUnchanged(const CRegFileSection& section) const {
  if (!section.bReached) return true;  // never read, so never changed
  auto key = LiveKey(section);
  return key && !m_dirty.count(key.get());
}

std::string CRenderer::Run() {
  m_strOut.reserve(m_file.strRaw.size() + m_file.strRaw.size() / 8 + 4096);
  if (m_file.bExists)
    Raw(0, m_file.nPrologueEnd);
  else
    Text(std::string(kRegedit4Header) + m_file.info.strNewline);
  IndexSections();
  const std::vector<CRegFileSection>& sections = m_file.sections;
  for (size_t i = 0; i < sections.size();) {
    // Sections follow each other without a gap: a run of unchanged ones is
    // copied at once.
    size_t nEnd = i;
    while (nEnd < sections.size() && IsUnchanged(sections[nEnd])) ++nEnd;
    if (nEnd > i) {
      Raw(sections[i].nBegin, sections[nEnd - 1].nEnd);
      i = nEnd;
      continue;
    }
    auto key = LiveKey(sections[i]);
    if (key) WriteDirtySection(i, *key, m_dirty.find(key.get())->second);
    ++i;
  }
  WriteNewKeys();
  return std::move(m_strOut);
}
}  // namespace

std::string RenderStoreFile(const CRegStoreFile& file,
                            const std::shared_ptr<CRegKeyNode>& root,
                            const CRegDirtyMap& dirty) {
  return CRenderer(file, root, dirty).Run();
}
