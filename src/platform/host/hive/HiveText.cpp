#include "HiveText.h"

#include "platform/host/regfile/RegCodePage.h"
#include "platform/host/regfile/RegNameText.h"

std::string HiveNameToProgram(const std::u16string& strName) {
  std::string strBytes;
  strBytes.reserve(2 * strName.size());
  for (char16_t c : strName) {
    strBytes += static_cast<char>(c & 0xFF);
    strBytes += static_cast<char>(c >> 8);
  }
  return Utf16LeToStoreText(strBytes.data(), strBytes.size());
}

std::u16string ProgramNameToHive(const std::string& strName) {
  const std::string strBytes = StoreTextToUtf16Le(strName);
  std::u16string strOut;
  strOut.reserve(strBytes.size() / 2);
  for (size_t i = 0; i + 1 < strBytes.size(); i += 2)
    strOut += static_cast<char16_t>(
        static_cast<unsigned char>(strBytes[i]) |
        (static_cast<unsigned char>(strBytes[i + 1]) << 8));
  return strOut;
}

bool IsHiveTextType(DWORD dwType) {
  return dwType == REG_SZ || dwType == REG_EXPAND_SZ || dwType == REG_MULTI_SZ;
}

std::vector<BYTE> HiveToProgramData(DWORD dwType, const std::string& strRaw) {
  const std::string strData =
      IsHiveTextType(dwType) ? Utf16LeToCodePage(strRaw.data(), strRaw.size())
                             : strRaw;
  return std::vector<BYTE>(strData.begin(), strData.end());
}

std::string ProgramToHiveData(DWORD dwType, const std::vector<BYTE>& data) {
  const std::string strData(data.begin(), data.end());
  return IsHiveTextType(dwType) ? CodePageToUtf16Le(strData) : strData;
}
