// Whether the user may change the system: a member of the local
// Administrators group. Asked first by every operation that changes it.
#pragma once

#include "platform/WinTypes.h"

// TRUE when the access token holds the Administrators group; FALSE on every
// failure, so that a user whose membership can't be established is refused.
BOOL IsUserAdministrator();
