#include "StringTable.h"

#include <map>

#include "ResourceTables.h"

namespace {
// The first entry of a number wins, as in a resource script.
std::map<UINT, const char*> AllStrings() {
  const CResourceTables& tables = AfxGetResourceTables();
  std::map<UINT, const char*> all;
  for (size_t s = 0; s < tables.nStringSections; ++s) {
    const CStringTableSection& section = *tables.ppStringSections[s];
    for (size_t i = 0; i < section.nEntries; ++i)
      all.emplace(section.pEntries[i].nID, section.pEntries[i].pszText);
  }
  return all;
}

const char* FindString(UINT nID) {
  const CResourceTables& tables = AfxGetResourceTables();
  for (size_t s = 0; s < tables.nStringSections; ++s) {
    const CStringTableSection& section = *tables.ppStringSections[s];
    for (size_t i = 0; i < section.nEntries; ++i)
      if (section.pEntries[i].nID == nID) return section.pEntries[i].pszText;
  }
  return nullptr;
}
}  // namespace

std::string LoadResString(UINT nID) {
  const char* pszText = FindString(nID);
  return pszText ? std::string(pszText) : std::string();
}

BOOL HasResString(UINT nID) { return FindString(nID) ? TRUE : FALSE; }

void ForEachResString(void (*fn)(UINT, const char*, void*), void* pv) {
  for (const auto& entry : AllStrings()) fn(entry.first, entry.second, pv);
}
