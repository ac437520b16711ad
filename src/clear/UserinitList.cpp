#include "UserinitList.h"

std::string WithoutUserinitEntries(const std::string& strList,
                                   const std::string& strName) {
  std::string strResult;
  std::string strRest = strList;
  while (!strRest.empty()) {
    std::string strEntry;
    const size_t nComma = strRest.find(',');
    if (nComma != std::string::npos) {
      strEntry = strRest.substr(0, nComma);
      strRest.erase(0, nComma + 1);
    } else {
      strEntry.swap(strRest);
    }
    if (strEntry.find(strName) != std::string::npos) continue;
    if (!strResult.empty()) strResult += ',';
    strResult += strEntry;
  }
  return strResult;
}
