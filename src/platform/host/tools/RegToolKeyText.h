// A key of an open registry in the export format, for the tool's output.
#pragma once

#include <string>

#include "platform/Registry.h"

// "[path]" and the key's value lines, LF line ends; with bSubtree, then
// every key below, depth first in enumeration order.
std::string KeyText(IRegistry& registry, HKEY hKey, const std::string& strPath,
                    bool bSubtree);
// The value's line(s), or false when it is missing.
bool ValueText(IRegistry& registry, HKEY hKey, const char* pszName,
               std::string* pstrText);
