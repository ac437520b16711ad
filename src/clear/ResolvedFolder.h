// Folders as they really lie on this machine. A folder can be named through
// another drive letter, a link, a mount point, a short name, another letter
// case or "."/".."; every check and every deletion works on the one real
// location instead (IFileSystem::ResolvePath).
#pragma once

#include <string>
#include <vector>

#include "platform/WinTypes.h"

// A resolved path as its root ("C:" or "\\server\share") and its folder
// names, upper-cased for comparing; empty for a path that is not full.
typedef std::vector<std::string> CPathParts;

CPathParts PathParts(const std::string& strResolved);
// True when every part of the first is the same part of the second: the
// same folder, or one above it.
bool IsAtOrAbove(const CPathParts& folder, const CPathParts& other);
// The resolved parts of a path; empty when it can't be resolved.
CPathParts ResolvedParts(const std::string& strPath);
// True for a resolved path that is, or lies inside, one the machine keeps
// for itself (IFileSystem::ReservedPaths): on the host, everything outside
// the machine directory and the registry store's own folders.
bool IsInReservedPlace(const CPathParts& folder);
// The real folder a fixed step of the Clear works in; FALSE, written to the
// debug output, when it can't be resolved or lies in a reserved place: the
// step then removes nothing.
BOOL ResolveStepFolder(const std::string& strFolder, std::string* pstrReal);
