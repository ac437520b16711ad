#include "DialogTemplate.h"

namespace {
// In ascending order of ID.
const CDialogTemplate* const kTemplates[] = {
    &g_formDialog,       &g_aboutDialog,      &g_customizationsDialog,
    &g_interruptsDialog, &g_cardConfigDialog, &g_miscDialog,
    &g_repairsDialog};
}  // namespace

const CDialogTemplate* FindDialogTemplate(UINT nID) {
  for (const CDialogTemplate* pTemplate : kTemplates)
    if (pTemplate->nID == nID) return pTemplate;
  return nullptr;
}

void ForEachDialogTemplate(void (*fn)(const CDialogTemplate&, void*),
                           void* pv) {
  for (const CDialogTemplate* pTemplate : kTemplates) fn(*pTemplate, pv);
}

const CDlgItemTemplate* FindDialogItem(const CDialogTemplate& dlg, UINT nID) {
  for (size_t i = 0; i < dlg.nItems; ++i)
    if (dlg.pItems[i].nID == nID) return &dlg.pItems[i];
  return nullptr;
}
