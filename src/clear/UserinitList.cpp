#include "UserinitList.h"

#include <algorithm>
#include <vector>

#include "platform/NameCase.h"

namespace {
bool EndsWithExe(const std::string& strPath) {
  return strPath.size() >= 4 &&
         SameName(strPath.substr(strPath.size() - 4), ".exe");
}

std::string Trimmed(const std::string& strText) {
  const size_t nFirst = strText.find_first_not_of(" \t");
  if (nFirst == std::string::npos) return std::string();
  return strText.substr(nFirst, strText.find_last_not_of(" \t") - nFirst + 1);
}

// As Windows starts an unquoted command line: the program is the shortest
// run of words that ends in ".exe", so "C:\Program Files\X\Y.exe -a" names
// Y.exe; without one, the whole text.
std::string ProgramPath(const std::string& strCommand) {
  if (!strCommand.empty() && strCommand[0] == '"')
    return strCommand.substr(1, strCommand.find('"', 1) - 1);
  for (size_t nSpace = strCommand.find(' '); nSpace != std::string::npos;
       nSpace = strCommand.find(' ', nSpace + 1)) {
    const std::string strWords = strCommand.substr(0, nSpace);
    if (EndsWithExe(strWords)) return strWords;
  }
  return strCommand;
}

std::vector<std::string> SplitAtCommas(const std::string& strList) {
  std::vector<std::string> entries;
  size_t nStart = 0;
  for (size_t nComma; (nComma = strList.find(',', nStart)) != std::string::npos;
       nStart = nComma + 1)
    entries.push_back(strList.substr(nStart, nComma - nStart));
  entries.push_back(strList.substr(nStart));
  return entries;
}
}  // namespace

std::string UserinitProgramName(const std::string& strEntry) {
  const std::string strPath = ProgramPath(Trimmed(strEntry));
  const size_t nSeparator = strPath.find_last_of("\\/:");
  return nSeparator == std::string::npos ? strPath
                                         : strPath.substr(nSeparator + 1);
}

namespace {
std::string EditedList(const std::string& strList,
                       const std::string& strFileName,
                       const std::string* pstrProgram) {
  std::string strResult;
  bool bFirst = true;
  for (const std::string& strEntry : SplitAtCommas(strList)) {
    std::string strKept = strEntry;
    if (SameName(UserinitProgramName(strEntry), strFileName)) {
      if (pstrProgram == nullptr) continue;
      strKept = *pstrProgram;
      pstrProgram = nullptr;
    }
    if (!bFirst) strResult += ',';
    strResult += strKept;
    bFirst = false;
  }
  return strResult;
}
}  // namespace

std::string WithoutUserinitEntries(const std::string& strList,
                                   const std::string& strFileName) {
  return EditedList(strList, strFileName, nullptr);
}

std::string ReplacingUserinitEntries(const std::string& strList,
                                     const std::string& strFileName,
                                     const std::string& strProgram) {
  return EditedList(strList, strFileName, &strProgram);
}

bool HasUserinitProgram(const std::string& strList) {
  for (const std::string& strEntry : SplitAtCommas(strList))
    if (!Trimmed(strEntry).empty()) return true;
  return false;
}
