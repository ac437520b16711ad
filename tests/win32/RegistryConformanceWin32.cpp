// The real registry under the conformance suite: each test works in a key of
// its own below HKEY_CURRENT_USER, removed with everything in it afterwards.
#include <string>

#include "RegistryConformance.h"
#include "platform/win32/Win32Registry.h"

namespace {
const char kScratchPath[] = "Software\\quorrel conformance";

void DeleteTree(IRegistry& registry, HKEY hRoot, const char* pszPath) {
  HKEY hKey = nullptr;
  if (registry.RegOpenKeyExA(hRoot, pszPath, &hKey) != ERROR_SUCCESS) return;
  char szName[256];
  DWORD cchName = sizeof szName;
  while (registry.RegEnumKeyExA(hKey, 0, szName, &cchName) == ERROR_SUCCESS) {
    DeleteTree(registry, hKey, szName);
    cchName = sizeof szName;
  }
  registry.RegCloseKey(hKey);
  registry.RegDeleteKeyA(hRoot, pszPath);
}

class CWindowsUnderTest : public CRegistryUnderTest {
 public:
  CWindowsUnderTest() {
    DeleteTree(m_registry, HKEY_CURRENT_USER, kScratchPath);
    m_registry.RegCreateKeyExA(HKEY_CURRENT_USER, kScratchPath, &m_hScratch,
                               nullptr);
  }
  ~CWindowsUnderTest() override {
    if (m_hScratch) m_registry.RegCloseKey(m_hScratch);
    DeleteTree(m_registry, HKEY_CURRENT_USER, kScratchPath);
  }
  IRegistry& Registry() override { return m_registry; }
  HKEY Scratch() override { return m_hScratch; }

 private:
  CWin32Registry m_registry;
  HKEY m_hScratch = nullptr;
};

std::unique_ptr<CRegistryUnderTest> MakeWindows() {
  return std::unique_ptr<CRegistryUnderTest>(new CWindowsUnderTest);
}
}  // namespace

const std::vector<CRegistryFactory>& RegistryFactories() {
  static const std::vector<CRegistryFactory> s_factories = {
      {"Windows", &MakeWindows}};
  return s_factories;
}
