// The More Information buttons of the settings dialogs: each shows one
// string resource with an OK button and the information icon.
#pragma once

#include "platform/WinTypes.h"

void ShowMoreInformation(UINT nIDS);
