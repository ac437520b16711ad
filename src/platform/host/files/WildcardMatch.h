// File name matching as FindFirstFileA does it: '*' any run of characters,
// '?' any one character, letter case ignored. A mask ending in ".*" also
// matches the name without any extension, so "*.*" matches every name, with
// or without a dot, and "_detmp.*" matches "_detmp". Short (8.3) names are
// not modelled: only the name as stored is matched.
#pragma once

#include <string>

bool WildcardMatch(const std::string& strMask, const std::string& strName);
