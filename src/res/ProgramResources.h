// The program's resources (strings, dialogs, the main menu, bitmaps) as the
// framework looks them up; installed with AfxSetResourceTables at start.
#pragma once

#include "fw/ResourceTables.h"

const CResourceTables& ProgramResources();
