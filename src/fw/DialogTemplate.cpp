#include "DialogTemplate.h"

#include "ResourceTables.h"

const CDialogTemplate* FindDialogTemplate(UINT nID) {
  const CResourceTables& tables = AfxGetResourceTables();
  for (size_t i = 0; i < tables.nDialogs; ++i)
    if (tables.ppDialogs[i]->nID == nID) return tables.ppDialogs[i];
  return nullptr;
}

void ForEachDialogTemplate(void (*fn)(const CDialogTemplate&, void*),
                           void* pv) {
  const CResourceTables& tables = AfxGetResourceTables();
  for (size_t i = 0; i < tables.nDialogs; ++i) fn(*tables.ppDialogs[i], pv);
}

const CDlgItemTemplate* FindDialogItem(const CDialogTemplate& dlg, UINT nID) {
  for (size_t i = 0; i < dlg.nItems; ++i)
    if (dlg.pItems[i].nID == nID) return &dlg.pItems[i];
  return nullptr;
}
