// quorrel-reg import <file.reg>: merges a .reg file into the store as
// regedit does: keys are created, values set, "[-key]" deletes a key with
// everything below it and "name"=- deletes a value.
#include <cstdio>
#include <string>

#include "RegTool.h"
#include "platform/host/regfile/RegFileParser.h"
#include "platform/host/store/DurableFile.h"
#include "sys/RegKeyTree.h"

namespace {
std::string ErrorSuffix(LONG lResult) {
  return ": error " + std::to_string(lResult) +
         (lResult == ERROR_INVALID_PARAMETER
              ? " (beyond the registry's limits of depth, name or size)"
              : "");
}

class CImportSink : public IRegFileSink {
 public:
  explicit CImportSink(IRegistry& registry) : m_registry(registry) {}
  ~CImportSink() override { CloseKey(); }

  std::string OnSection(const std::string& strKey, bool bDelete,
                        const CRegFileLine&) override {
    CloseKey();
    HKEY hRoot = nullptr;
    std::string strPath;
    if (!SplitToolKey(strKey, &hRoot, &strPath) ||
        strKey.find(RootName(hRoot)) != 0)
      return "unknown root key in \"" + strKey + "\"";
    if (bDelete) {
      // regedit: deleting a key that is not there is no error.
      if (!strPath.empty()) DeleteKeyTree(m_registry, hRoot, strPath, nullptr);
      return std::string();
    }
    const LONG lResult =
        m_registry.RegCreateKeyExA(hRoot, strPath.c_str(), &m_hKey, nullptr);
    if (lResult != ERROR_SUCCESS) {
      m_hKey = nullptr;
      return "cannot create \"" + strKey + "\"" + ErrorSuffix(lResult);
    }
    return std::string();
  }

  std::string OnValue(const CRegParsedValue& value) override {
    if (m_hKey == nullptr) return std::string();  // below a deleted key
    if (value.bDelete) {
      m_registry.RegDeleteValueA(m_hKey, value.strName.c_str());
      return std::string();
    }
    const LONG lResult = m_registry.RegSetValueExA(
        m_hKey, value.strName.c_str(), value.dwType, value.data.data(),
        static_cast<DWORD>(value.data.size()));
    if (lResult != ERROR_SUCCESS)
      return "cannot set \"" + value.strName + "\"" + ErrorSuffix(lResult);
    return std::string();
  }

 private:
  void CloseKey() {
    if (m_hKey) m_registry.RegCloseKey(m_hKey);
    m_hKey = nullptr;
  }

  IRegistry& m_registry;
  HKEY m_hKey = nullptr;
};
}  // namespace

int RunImport(IRegistry& registry, const std::string& strFile) {
  std::string strBytes;
  std::string strError;
  bool bExists = false;
  if (ReadWholeFile(strFile, kMaxRegFileBytes, &strBytes, &bExists,
                    &strError) != ERROR_SUCCESS ||
      !bExists) {
    std::fprintf(
        stderr, "quorrel-reg: %s\n",
        bExists ? strError.c_str() : (strFile + ": no such file").c_str());
    return kToolFailed;
  }
  CImportSink sink(registry);
  CRegFileInfo info;
  CRegParseError error;
  if (!ParseRegFile(strBytes, &sink, &info, &error)) {
    std::fprintf(stderr, "quorrel-reg: %s: line %zu: %s\n", strFile.c_str(),
                 error.nLine, error.strReason.c_str());
    return kToolFailed;
  }
  return 0;
}
