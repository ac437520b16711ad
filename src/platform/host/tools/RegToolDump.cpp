// quorrel-reg dump <KEY>: the key and everything below it, as a REGEDIT4
// file that quorrel-reg import (or regedit) reads back.
#include <cstdio>

#include "RegTool.h"
#include "RegToolKeyText.h"
#include "platform/host/regfile/RegFileFormat.h"

int RunDump(IRegistry& registry, const std::string& strKey) {
  HKEY hRoot = nullptr;
  std::string strPath;
  if (!SplitToolKey(strKey, &hRoot, &strPath)) {
    std::fprintf(stderr, "quorrel-reg: unknown root in \"%s\"\n",
                 strKey.c_str());
    return kToolUsage;
  }
  HKEY hKey = nullptr;
  const LONG lOpened = registry.RegOpenKeyExA(hRoot, strPath.c_str(), &hKey);
  if (lOpened != ERROR_SUCCESS) return ToolFailure(lOpened, strKey);
  while (!strPath.empty() && strPath.back() == '\\') strPath.pop_back();
  const std::string strName =
      std::string(RootName(hRoot)) + (strPath.empty() ? "" : "\\" + strPath);
  const std::string strText = std::string(kRegedit4Header) + "\n\n" +
                              KeyText(registry, hKey, strName, true);
  registry.RegCloseKey(hKey);
  std::fwrite(strText.data(), 1, strText.size(), stdout);
  return 0;
}
