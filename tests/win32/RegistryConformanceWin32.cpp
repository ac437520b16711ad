// The real Windows registry under the conformance suite, through the
// Win32 adapter: every case runs in a fresh scratch key below
// HKEY_CURRENT_USER, removed again with everything in it.
#include <memory>
#include <string>

#include "conformance/RegistryConformance.h"
#include "platform/win32/Win32Registry.h"

namespace {
std::string NewScratchPath() {
  static unsigned s_nScratch = 0;
  return "Software\\quorrel conformance\\" +
         std::to_string(::GetCurrentProcessId()) + "-" +
         std::to_string(++s_nScratch);
}

// NT's RegDeleteKeyA removes only a key without subkeys, and NT 4.0 has no
// RegDeleteTreeA: the subkeys go first.
bool DeleteTree(HKEY hParent, const char* pszPath) {
  HKEY hKey = nullptr;
  if (::RegOpenKeyExA(hParent, pszPath, 0, KEY_ALL_ACCESS, &hKey) !=
      ERROR_SUCCESS)
    return false;
  char szName[256];
  DWORD cchName = sizeof(szName);
  while (::RegEnumKeyExA(hKey, 0, szName, &cchName, nullptr, nullptr, nullptr,
                         nullptr) == ERROR_SUCCESS &&
         DeleteTree(hKey, szName))
    cchName = sizeof(szName);
  ::RegCloseKey(hKey);
  return ::RegDeleteKeyA(hParent, pszPath) == ERROR_SUCCESS;
}

class CWin32UnderTest : public CRegistryUnderTest {
 public:
  CWin32UnderTest() : m_strPath(NewScratchPath()) {
    DeleteTree(HKEY_CURRENT_USER, m_strPath.c_str());
    m_registry.RegCreateKeyExA(HKEY_CURRENT_USER, m_strPath.c_str(),
                               &m_hScratch, nullptr);
  }
  ~CWin32UnderTest() override {
    if (m_hScratch) m_registry.RegCloseKey(m_hScratch);
    DeleteTree(HKEY_CURRENT_USER, m_strPath.c_str());
  }
  IRegistry& Registry() override { return m_registry; }
  HKEY Scratch() override { return m_hScratch; }
  // Wine's ntdll exports its version; Windows' does not.
  bool IsWine() const override {
    return ::GetProcAddress(::GetModuleHandleA("ntdll.dll"),
                            "wine_get_version") != nullptr;
  }

 private:
  std::string m_strPath;
  CWin32Registry m_registry;
  HKEY m_hScratch = nullptr;
};

std::unique_ptr<CRegistryUnderTest> MakeWin32() {
  return std::unique_ptr<CRegistryUnderTest>(new CWin32UnderTest);
}
}  // namespace

const std::vector<CRegistryFactory>& RegistryFactories() {
  static const std::vector<CRegistryFactory> s_factories = {
      {"Win32", &MakeWin32}};
  return s_factories;
}
