#include "FormatThousands.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

void FormatThousands(std::string& strNumber) {
  errno = 0;
  char* pszEnd = nullptr;
  const long long n = std::strtoll(strNumber.c_str(), &pszEnd, 10);
  if (errno != 0 || n < INT_MIN || n > INT_MAX) return;
  if (std::to_string(n) != strNumber) return;
  // Groups of the magnitude; a 32-bit number has at most four. The sign
  // stands before the first group.
  unsigned long long nRest = n < 0 ? -static_cast<unsigned long long>(n)
                                   : static_cast<unsigned long long>(n);
  std::string strGroups;
  while (nRest >= 1000) {
    char szGroup[8];
    std::snprintf(szGroup, sizeof(szGroup), ",%03u",
                  static_cast<unsigned>(nRest % 1000));
    strGroups = szGroup + strGroups;
    nRest /= 1000;
  }
  strNumber = (n < 0 ? "-" : "") + std::to_string(nRest) + strGroups;
}
