#pragma once

#include <string>

#include "platform/Registry.h"

// Deletes a key and every key below it, children first; the code of the
// first failure, ERROR_FILE_NOT_FOUND when the key is missing.
LONG DeleteKeyTree(IRegistry& registry, HKEY hRoot, const std::string& strPath);
