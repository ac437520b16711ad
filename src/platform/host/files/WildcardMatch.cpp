#include "WildcardMatch.h"

#include "platform/NameCase.h"

namespace {
bool SameLetter(char a, char b) { return UpperNameChar(a) == UpperNameChar(b); }

// Plain '*' and '?' matching, backtracking to the last star only: linear in
// practice, never exponential.
bool Glob(const std::string& strMask, const std::string& strName) {
  size_t nMask = 0, nName = 0;
  size_t nStar = std::string::npos, nStarName = 0;
  while (nName < strName.size()) {
    if (nMask < strMask.size() &&
        (strMask[nMask] == '?' || SameLetter(strMask[nMask], strName[nName]))) {
      ++nMask;
      ++nName;
    } else if (nMask < strMask.size() && strMask[nMask] == '*') {
      nStar = nMask++;
      nStarName = nName;
    } else if (nStar != std::string::npos) {
      nMask = nStar + 1;
      nName = ++nStarName;
    } else {
      return false;
    }
  }
  while (nMask < strMask.size() && strMask[nMask] == '*') ++nMask;
  return nMask == strMask.size();
}
}  // namespace

bool WildcardMatch(const std::string& strMask, const std::string& strName) {
  if (Glob(strMask, strName)) return true;
  // Windows lets a trailing ".*" match an empty extension.
  const size_t n = strMask.size();
  return n >= 2 && strMask.compare(n - 2, 2, ".*") == 0 &&
         Glob(strMask.substr(0, n - 2), strName);
}
