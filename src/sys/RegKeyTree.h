// The one deleter of a key tree, on the registry it is given: the program's
// operation set runs it on its registry port, quorrel-reg on the store it
// opened.
#pragma once

#include <string>

#include "platform/Registry.h"

// Subkey names are read into buffers of this size: a longer name fails the
// deletion.
constexpr DWORD kRegTreeNameBufferSize = 128;

// The first call that failed and the key it was about (the path below the
// root the deletion was given).
struct CRegTreeFailure {
  const char* pszCall = nullptr;
  std::string strKey;
};

// Deletes the key and everything below it, children before parents, and
// stops at the first failure: the keys deleted before it are gone, the rest
// stays. A missing key, or a subkey name of 128 characters or more, is a
// failure. ERROR_SUCCESS, or the error of the failed call, which *pFailure
// (when given) names.
LONG DeleteKeyTree(IRegistry& registry, HKEY hRoot, const std::string& strPath,
                   CRegTreeFailure* pFailure);
