// Builds the controls of a dialog template as children of a window, the
// way CreateDialogIndirect does: template order (the tab order), positions
// converted from dialog units with the template font's base units, combo
// boxes filled from the template's init data.
#pragma once

#include <memory>
#include <vector>

#include "DialogTemplate.h"
#include "Wnd.h"

// A dialog-unit rectangle in pixels for the given base units.
RECT AfxMapDialogRect(const CDialogTemplate& dlg, int x, int y, int cx, int cy);
// Creates every control of the template in parent; the objects go into
// owned. FALSE when a control could not be created.
BOOL AfxCreateDialogControls(CWnd& parent, const CDialogTemplate& dlg,
                             std::vector<std::unique_ptr<CWnd>>& owned);
