// A registry held in memory with the semantics of the Windows primitives:
// the roots HKEY_LOCAL_MACHINE, HKEY_USERS, HKEY_CURRENT_USER and
// HKEY_CLASSES_ROOT, handles that outlive a deleted key (ERROR_KEY_DELETED),
// ERROR_MORE_DATA instead of truncation. Tests use it as it is; the host's
// file-backed store builds on it.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "../Registry.h"
#include "RegistryTree.h"

class CMemoryRegistry : public IRegistry {
 public:
  CMemoryRegistry();
  ~CMemoryRegistry() override;

  LONG RegCreateKeyExA(HKEY hKey, const char* lpSubKey, HKEY* phkResult,
                       DWORD* pdwDisposition) override;
  LONG RegOpenKeyExA(HKEY hKey, const char* lpSubKey, HKEY* phkResult) override;
  LONG RegCloseKey(HKEY hKey) override;
  LONG RegFlushKey(HKEY hKey) override;
  LONG RegQueryValueExA(HKEY hKey, const char* lpValueName, DWORD* lpType,
                        BYTE* lpData, DWORD* lpcbData) override;
  LONG RegSetValueExA(HKEY hKey, const char* lpValueName, DWORD dwType,
                      const BYTE* lpData, DWORD cbData) override;
  LONG RegDeleteValueA(HKEY hKey, const char* lpValueName) override;
  LONG RegDeleteKeyA(HKEY hKey, const char* lpSubKey) override;
  LONG RegEnumKeyExA(HKEY hKey, DWORD dwIndex, char* lpName,
                     DWORD* lpcchName) override;
  LONG RegQueryInfoKeyA(HKEY hKey, char* lpClass, DWORD* lpcchClass,
                        DWORD* lpcSubKeys, DWORD* lpcValues) override;
  LONG RegEnumValueA(HKEY hKey, DWORD dwIndex, char* lpValueName,
                     DWORD* lpcchValueName, DWORD* lpType, BYTE* lpData,
                     DWORD* lpcbData) override;

  // The root node of a predefined key; null for any other handle.
  std::shared_ptr<CRegKeyNode> RootNode(HKEY hRoot) const;
  // Number of handles not yet closed (predefined roots do not count).
  size_t OpenHandleCount() const { return m_handles.size(); }

  // The registry's limits, as Windows enforces them: the longest key and
  // value names in characters, the deepest key below its root, the largest
  // value. Beyond them a call fails with ERROR_INVALID_PARAMETER.
  static constexpr size_t kMaxKeyNameLength = 255;
  static constexpr size_t kMaxValueNameLength = 16383;
  static constexpr size_t kMaxKeyDepth = 512;
  static constexpr size_t kMaxValueBytes = size_t{16} << 20;

 protected:
  // Notifications for a store that keeps the tree on disk; all are called
  // after the change has been made.
  virtual void OnKeyCreated(CRegKeyNode& /*key*/) {}
  virtual void OnKeyDeleted(CRegKeyNode& /*parent*/,
                            const std::string& /*strName*/) {}
  virtual void OnValueSet(CRegKeyNode& /*key*/, const CRegValue& /*value*/) {}
  virtual void OnValueDeleted(CRegKeyNode& /*key*/,
                              const std::string& /*strName*/) {}

  // The live node behind a handle, or an error code.
  LONG NodeOf(HKEY hKey, std::shared_ptr<CRegKeyNode>* pNode) const;
  // The path of the key behind each open handle (deleted keys left out),
  // and the handles moved onto the keys of those paths in a tree built
  // anew: a store does this when another program rewrote its files.
  // Handles whose key is gone read as deleted.
  std::map<HKEY, std::string> OpenHandlePaths() const;
  void RebindHandles(const std::map<HKEY, std::string>& paths);
  // Follows link keys to the key they stand for.
  static std::shared_ptr<CRegKeyNode> Resolve(
      std::shared_ptr<CRegKeyNode> node);

 private:
  LONG Walk(HKEY hKey, const char* lpSubKey, bool bCreate,
            std::shared_ptr<CRegKeyNode>* pNode, bool* pbCreated);
  HKEY NewHandle(std::shared_ptr<CRegKeyNode> node);

  std::map<HKEY, std::shared_ptr<CRegKeyNode>> m_roots;
  std::map<HKEY, std::shared_ptr<CRegKeyNode>> m_handles;
  uintptr_t m_nextHandle = 0x1000;
};
