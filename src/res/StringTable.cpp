#include "StringTable.h"

#include <algorithm>
#include <map>

namespace {
const std::map<UINT, const char*>& Table() {
  static const std::map<UINT, const char*> table = [] {
    std::map<UINT, const char*> all;
    for (const CStringTableSection* pSection :
         {&g_appStrings, &g_updateStrings, &g_clearStrings, &g_customStrings,
          &g_repairStrings}) {
      for (size_t i = 0; i < pSection->nEntries; ++i)
        all.emplace(pSection->pEntries[i].nID, pSection->pEntries[i].pszText);
    }
    return all;
  }();
  return table;
}
}  // namespace

std::string LoadResString(UINT nID) {
  auto it = Table().find(nID);
  return it == Table().end() ? std::string() : std::string(it->second);
}

BOOL HasResString(UINT nID) { return Table().count(nID) ? TRUE : FALSE; }

void ForEachResString(void (*fn)(UINT, const char*, void*), void* pv) {
  for (const auto& entry : Table()) fn(entry.first, entry.second, pv);
}
