#include "ResourceTables.h"

namespace {
const CResourceTables kNoTables = {};
const CResourceTables* g_pTables = &kNoTables;
}  // namespace

void AfxSetResourceTables(const CResourceTables& tables) {
  g_pTables = &tables;
}

const CResourceTables& AfxGetResourceTables() { return *g_pTables; }
