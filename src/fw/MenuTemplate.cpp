#include "MenuTemplate.h"

#include "ResourceTables.h"

const CMenuTemplate* FindMenuTemplate(UINT nID) {
  const CResourceTables& tables = AfxGetResourceTables();
  for (size_t i = 0; i < tables.nMenus; ++i)
    if (tables.ppMenus[i]->nID == nID) return tables.ppMenus[i];
  return nullptr;
}
