#include "NameCase.h"

#include <algorithm>

std::string UpperName(std::string strName) {
  for (char& c : strName) c = UpperNameChar(c);
  return strName;
}

bool SameName(const std::string& strA, const std::string& strB) {
  return CompareNames(strA, strB) == 0;
}

int CompareNames(const std::string& strA, const std::string& strB) {
  const size_t n = std::min(strA.size(), strB.size());
  for (size_t i = 0; i < n; ++i) {
    const unsigned char ca = static_cast<unsigned char>(UpperNameChar(strA[i]));
    const unsigned char cb = static_cast<unsigned char>(UpperNameChar(strB[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return strA.size() < strB.size() ? -1 : strA.size() > strB.size() ? 1 : 0;
}
