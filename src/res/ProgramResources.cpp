#include "ProgramResources.h"

#include "ResourceData.h"

namespace {
const CStringTableSection* const kStringSections[] = {
    &g_appStrings, &g_updateStrings, &g_clearStrings, &g_customStrings,
    &g_repairStrings};
// In ascending order of ID.
const CDialogTemplate* const kDialogs[] = {
    &g_formDialog,       &g_aboutDialog,      &g_customizationsDialog,
    &g_interruptsDialog, &g_cardConfigDialog, &g_miscDialog,
    &g_repairsDialog};
const CMenuTemplate* const kMenus[] = {&g_mainMenu};
const CBitmapResource* const kBitmaps[] = {&g_splashBitmap, &g_logoBitmap};

template <typename T, size_t N>
constexpr size_t Count(T (&)[N]) {
  return N;
}

const CResourceTables kTables = {
    kStringSections, Count(kStringSections), kDialogs, Count(kDialogs),
    kMenus,          Count(kMenus),          kBitmaps, Count(kBitmaps)};
}  // namespace

const CResourceTables& ProgramResources() { return kTables; }
