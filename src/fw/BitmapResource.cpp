#include "BitmapResource.h"

#include "ResourceTables.h"

const CBitmapResource* FindBitmapResource(UINT nID) {
  const CResourceTables& tables = AfxGetResourceTables();
  for (size_t i = 0; i < tables.nBitmaps; ++i)
    if (tables.ppBitmaps[i]->nID == nID) return tables.ppBitmaps[i];
  return nullptr;
}
