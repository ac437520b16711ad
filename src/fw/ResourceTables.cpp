#include "ResourceTables.h"

namespace {
const CResourceTables kNoTables = {};
const CResourceTables* g_pTables = &kNoTables;
}  // namespace

const CResourceTables& AfxSetResourceTables(const CResourceTables& tables) {
  const CResourceTables& previous = *g_pTables;
  g_pTables = &tables;
  return previous;
}

const CResourceTables& AfxGetResourceTables() { return *g_pTables; }
