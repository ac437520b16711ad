#include "ResolvedFolder.h"

#include "platform/NameCase.h"
#include "platform/Platform.h"

namespace {
void DebugLine(const std::string& strLine) {
  Debug().OutputDebugStringA(("TESSARINE: " + strLine + "\n").c_str());
}
}  // namespace

CPathParts PathParts(const std::string& strResolved) {
  std::string strPath = strResolved;
  for (char& ch : strPath)
    if (ch == '/') ch = '\\';
  size_t nRest = 0;
  if (strPath.size() >= 2 && strPath[1] == ':') {
    nRest = 2;
  } else if (strPath.compare(0, 2, "\\\\") == 0) {
    const size_t nShare = strPath.find('\\', 2);
    if (nShare == std::string::npos) return CPathParts();
    nRest = strPath.find('\\', nShare + 1);
    if (nRest == std::string::npos) nRest = strPath.size();
  } else {
    return CPathParts();
  }
  CPathParts parts = {UpperName(strPath.substr(0, nRest))};
  size_t nStart = nRest;
  while (nStart < strPath.size()) {
    size_t nEnd = strPath.find('\\', nStart + 1);
    if (nEnd == std::string::npos) nEnd = strPath.size();
    const std::string strName = strPath.substr(nStart + 1, nEnd - nStart - 1);
    if (!strName.empty()) parts.push_back(UpperName(strName));
    nStart = nEnd;
  }
  return parts;
}

bool IsAtOrAbove(const CPathParts& folder, const CPathParts& other) {
  if (folder.empty() || other.size() < folder.size()) return false;
  for (size_t i = 0; i < folder.size(); ++i)
    if (folder[i] != other[i]) return false;
  return true;
}

CPathParts ResolvedParts(const std::string& strPath) {
  std::string strReal;
  if (strPath.empty() || !Files().ResolvePath(strPath.c_str(), &strReal))
    return CPathParts();
  return PathParts(strReal);
}

bool IsInReservedPlace(const CPathParts& folder) {
  for (const std::string& strReserved : Files().ReservedPaths())
    if (IsAtOrAbove(PathParts(strReserved), folder)) return true;
  return false;
}

BOOL ResolveStepFolder(const std::string& strFolder, std::string* pstrReal) {
  if (!Files().ResolvePath(strFolder.c_str(), pstrReal)) {
    DebugLine("Can't resolve " + strFolder + ", error " +
              std::to_string(GetLastError()) + "; nothing removed in it");
    return FALSE;
  }
  if (!IsInReservedPlace(PathParts(*pstrReal))) return TRUE;
  DebugLine(strFolder + " leads to " + *pstrReal +
            ", outside the machine's own folders; nothing removed in it");
  return FALSE;
}
