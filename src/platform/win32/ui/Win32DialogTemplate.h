// A real dialog template in memory (DLGTEMPLATE with its DLGITEMTEMPLATEs)
// built from the program's template data, for CreateDialogIndirectParamA.
#pragma once

#include <vector>

#include "fw/DialogTemplate.h"

// dwStyle replaces the template's own style (the caller decides popup or
// child, visible or not); DS_SETFONT is always added. Combo boxes lose
// CBS_SORT: their entries are put in, in order, from the framework's list.
std::vector<WORD> BuildDialogTemplate(const CDialogTemplate& dlg,
                                      DWORD dwStyle);
