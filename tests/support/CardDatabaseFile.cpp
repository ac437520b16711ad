#include "CardDatabaseFile.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace {
const char kDataBase[] =
    "System\\CurrentControlSet\\Services\\Dovrel\\DataBase";

std::vector<std::string> FileLines() {
  std::ifstream in(std::string(QUORREL_SOURCE_DIR) +
                   "/tests/data/CardDatabase.txt");
  std::vector<std::string> lines;
  std::string strLine;
  while (std::getline(in, strLine))
    if (!strLine.empty() && strLine[0] != '#') lines.push_back(strLine);
  return lines;
}

CCardValueLine Split(const std::string& strLine) {
  CCardValueLine line;
  std::string* fields[] = {&line.strKey, &line.strName, &line.strType,
                           &line.strData};
  size_t nStart = 0;
  for (int i = 0; i < 4; ++i) {
    const size_t nEnd = i == 3 ? std::string::npos : strLine.find('|', nStart);
    *fields[i] = strLine.substr(nStart, nEnd - nStart);
    nStart = nEnd == std::string::npos ? strLine.size() : nEnd + 1;
  }
  return line;
}

std::string Hex(DWORD dwValue) {
  char sz[16];
  std::snprintf(sz, sizeof(sz), "0x%x", static_cast<unsigned>(dwValue));
  return sz;
}

std::string ValueData(DWORD dwType, const std::string& data) {
  if (dwType == REG_DWORD) {
    if (data.size() != 4) return "<" + std::to_string(data.size()) + " bytes>";
    DWORD dwValue = 0;
    for (int i = 3; i >= 0; --i)
      dwValue = dwValue << 8 | static_cast<unsigned char>(data[i]);
    return Hex(dwValue);
  }
  const size_t nZero = data.find('\0');
  if (nZero == std::string::npos || nZero + 1 != data.size())
    return data + "<not ended by one zero>";
  return data.substr(0, nZero);
}

std::string TypeName(DWORD dwType) {
  switch (dwType) {
    case REG_SZ:
      return "REG_SZ";
    case REG_DWORD:
      return "REG_DWORD";
    default:
      return "type " + std::to_string(dwType);
  }
}

std::string Subkey(IRegistry& registry, HKEY hKey, DWORD dwIndex) {
  char szName[512];
  DWORD cchName = sizeof(szName);
  if (registry.RegEnumKeyExA(hKey, dwIndex, szName, &cchName) != ERROR_SUCCESS)
    return std::string();
  return std::string(szName, cchName);
}

void ListValues(IRegistry& registry, HKEY hKey, const std::string& strKey,
                std::vector<std::string>* pLines) {
  for (DWORD i = 0;; ++i) {
    char szName[512];
    BYTE data[4096];
    DWORD cchName = sizeof(szName), cbData = sizeof(data), dwType = 0;
    if (registry.RegEnumValueA(hKey, i, szName, &cchName, &dwType, data,
                               &cbData) != ERROR_SUCCESS)
      return;
    pLines->push_back(
        strKey + "|" + std::string(szName, cchName) + "|" + TypeName(dwType) +
        "|" +
        ValueData(dwType, std::string(reinterpret_cast<char*>(data), cbData)));
  }
}

void ListKey(IRegistry& registry, HKEY hParent, const std::string& strName,
             const std::string& strPath, int nDepth,
             std::vector<std::string>* pLines) {
  HKEY hKey = nullptr;
  if (registry.RegOpenKeyExA(hParent, strName.c_str(), &hKey) != ERROR_SUCCESS)
    return;
  if (nDepth == 2) ListValues(registry, hKey, strPath, pLines);
  for (DWORD i = 0;; ++i) {
    const std::string strChild = Subkey(registry, hKey, i);
    if (strChild.empty()) break;
    const std::string strChildPath =
        strPath.empty() ? strChild : strPath + "\\" + strChild;
    if (nDepth == 2)
      pLines->push_back(strChildPath + "|<subkey>");
    else
      ListKey(registry, hKey, strChild, strChildPath, nDepth + 1, pLines);
  }
  registry.RegCloseKey(hKey);
}

std::string Utf16Hex(const std::string& strText) {
  static const char kDigits[] = "0123456789abcdef";
  std::string out;
  for (unsigned char c : strText + '\0') {
    out += kDigits[c >> 4];
    out += kDigits[c & 15];
    out += "00";
  }
  return out;
}
}  // namespace

std::vector<std::string> ExpectedCardDatabase() {
  std::vector<std::string> lines = FileLines();
  std::sort(lines.begin(), lines.end());
  return lines;
}

std::vector<CCardValueLine> CardDatabaseInWritingOrder() {
  std::vector<CCardValueLine> values;
  for (const std::string& strLine : FileLines())
    values.push_back(Split(strLine));
  return values;
}

std::vector<std::string> LineDifferences(
    const std::vector<std::string>& expected,
    const std::vector<std::string>& actual) {
  std::vector<std::string> missing, extra, out;
  std::set_difference(expected.begin(), expected.end(), actual.begin(),
                      actual.end(), std::back_inserter(missing));
  std::set_difference(actual.begin(), actual.end(), expected.begin(),
                      expected.end(), std::back_inserter(extra));
  for (const std::string& strLine : missing) out.push_back("- " + strLine);
  for (const std::string& strLine : extra) out.push_back("+ " + strLine);
  return out;
}

std::vector<std::string> ListCardDatabase(IRegistry& registry) {
  std::vector<std::string> lines;
  ListKey(registry, HKEY_LOCAL_MACHINE, kDataBase, std::string(), 0, &lines);
  std::sort(lines.begin(), lines.end());
  return lines;
}

std::vector<std::string> ExpectedCardDatabaseInHive(
    const std::string& strControlSet) {
  std::vector<std::string> lines;
  for (const std::string& strLine : ExpectedCardDatabase()) {
    const CCardValueLine line = Split(strLine);
    std::string strData;
    if (line.strType == "REG_DWORD") {
      const unsigned long nValue = std::stoul(line.strData, nullptr, 16);
      char sz[32];
      std::snprintf(sz, sizeof(sz), "%02lx%02lx%02lx%02lx", nValue & 255,
                    nValue >> 8 & 255, nValue >> 16 & 255, nValue >> 24 & 255);
      strData = "4:" + std::string(sz);
    } else {
      strData = "1:" + Utf16Hex(line.strData);
    }
    lines.push_back(strControlSet + "\\Services\\Dovrel\\DataBase\\" +
                    line.strKey + "\\\\" + line.strName + "=" + strData);
  }
  std::sort(lines.begin(), lines.end());
  return lines;
}
