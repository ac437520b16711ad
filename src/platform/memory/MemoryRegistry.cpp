#include "MemoryRegistry.h"

#include <cstring>

namespace {
// Splits a key path into its names. A trailing backslash is allowed, as the
// program writes paths like "...\Services\Dovrel\System\"; a leading one or
// an empty name in the middle is refused, as Windows refuses them.
bool SplitKeyPath(const char* lpSubKey, std::vector<std::string>* pNames) {
  pNames->clear();
  if (lpSubKey == nullptr || *lpSubKey == '\0') return true;
  std::string strPath(lpSubKey);
  if (strPath.back() == '\\') strPath.pop_back();
  if (strPath.empty()) return false;
  size_t start = 0;
  while (true) {
    const size_t end = strPath.find('\\', start);
    std::string strName = strPath.substr(start, end - start);
    if (strName.empty()) return false;
    pNames->push_back(std::move(strName));
    if (end == std::string::npos) return true;
    start = end + 1;
  }
}

size_t DepthOf(const CRegKeyNode& node) {
  size_t nDepth = 0;
  for (const CRegKeyNode* p = node.pParent; p; p = p->pParent) ++nDepth;
  return nDepth;
}

// Checked before any key of the path is created, so that a refused path
// leaves nothing behind.
bool WithinLimits(const CRegKeyNode& start,
                  const std::vector<std::string>& names) {
  if (DepthOf(start) + names.size() > CMemoryRegistry::kMaxKeyDepth)
    return false;
  for (const auto& strName : names)
    if (strName.size() > CMemoryRegistry::kMaxKeyNameLength) return false;
  return true;
}

std::string ValueName(const char* lpValueName) {
  return lpValueName == nullptr ? std::string() : std::string(lpValueName);
}

LONG CopyName(const std::string& strName, char* lpName, DWORD* lpcchName) {
  if (lpcchName == nullptr) return ERROR_INVALID_PARAMETER;
  if (strName.size() + 1 > *lpcchName || lpName == nullptr) {
    *lpcchName = static_cast<DWORD>(strName.size());
    return ERROR_MORE_DATA;
  }
  std::memcpy(lpName, strName.c_str(), strName.size() + 1);
  *lpcchName = static_cast<DWORD>(strName.size());
  return ERROR_SUCCESS;
}

LONG CopyData(const std::vector<BYTE>& data, BYTE* lpData, DWORD* lpcbData) {
  if (lpcbData == nullptr)
    return lpData == nullptr ? ERROR_SUCCESS : ERROR_INVALID_PARAMETER;
  const DWORD cbNeeded = static_cast<DWORD>(data.size());
  if (lpData != nullptr) {
    if (*lpcbData < cbNeeded) {
      *lpcbData = cbNeeded;
      return ERROR_MORE_DATA;
    }
    if (cbNeeded != 0) std::memcpy(lpData, data.data(), cbNeeded);
  }
  *lpcbData = cbNeeded;
  return ERROR_SUCCESS;
}
}  // namespace

CMemoryRegistry::CMemoryRegistry() {
  const struct {
    HKEY hRoot;
    const char* pszName;
  } kRoots[] = {{HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"},
                {HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
                {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"},
                {HKEY_USERS, "HKEY_USERS"}};
  for (const auto& root : kRoots) {
    auto node = std::make_shared<CRegKeyNode>();
    node->strName = root.pszName;
    m_roots[root.hRoot] = node;
  }
}

CMemoryRegistry::~CMemoryRegistry() = default;

std::shared_ptr<CRegKeyNode> CMemoryRegistry::RootNode(HKEY hRoot) const {
  auto it = m_roots.find(hRoot);
  return it == m_roots.end() ? nullptr : it->second;
}

std::shared_ptr<CRegKeyNode> CMemoryRegistry::Resolve(
    std::shared_ptr<CRegKeyNode> node) {
  return ResolveRegLink(std::move(node));
}

LONG CMemoryRegistry::NodeOf(HKEY hKey,
                             std::shared_ptr<CRegKeyNode>* pNode) const {
  auto root = m_roots.find(hKey);
  if (root != m_roots.end()) {
    *pNode = root->second;
    return ERROR_SUCCESS;
  }
  auto it = m_handles.find(hKey);
  if (it == m_handles.end()) return ERROR_INVALID_HANDLE;
  if (it->second->bDeleted) return ERROR_KEY_DELETED;
  *pNode = it->second;
  return ERROR_SUCCESS;
}

HKEY CMemoryRegistry::NewHandle(std::shared_ptr<CRegKeyNode> node) {
  HKEY hKey = reinterpret_cast<HKEY>(m_nextHandle);
  m_nextHandle += 4;
  m_handles[hKey] = std::move(node);
  return hKey;
}

LONG CMemoryRegistry::Walk(HKEY hKey, const char* lpSubKey, bool bCreate,
                           std::shared_ptr<CRegKeyNode>* pNode,
                           bool* pbCreated) {
  std::shared_ptr<CRegKeyNode> node;
  LONG lResult = NodeOf(hKey, &node);
  if (lResult != ERROR_SUCCESS) return lResult;
  std::vector<std::string> names;
  if (!SplitKeyPath(lpSubKey, &names)) return ERROR_BAD_PATHNAME;
  bool bCreated = false;
  node = Resolve(node);
  if (!WithinLimits(*node, names)) return ERROR_INVALID_PARAMETER;
  for (const auto& strName : names) {
    auto child = node->FindSubkey(strName);
    if (!child) {
      if (!bCreate) return ERROR_FILE_NOT_FOUND;
      child = node->AddSubkey(strName);
      bCreated = true;
      OnKeyCreated(*child);
    }
    node = Resolve(child);
  }
  *pNode = node;
  if (pbCreated) *pbCreated = bCreated;
  return ERROR_SUCCESS;
}

LONG CMemoryRegistry::RegCreateKeyExA(HKEY hKey, const char* lpSubKey,
                                      HKEY* phkResult, DWORD* pdwDisposition) {
  if (phkResult == nullptr) return ERROR_INVALID_PARAMETER;
  std::shared_ptr<CRegKeyNode> node;
  bool bCreated = false;
  const LONG lResult = Walk(hKey, lpSubKey, true, &node, &bCreated);
  if (lResult != ERROR_SUCCESS) return lResult;
  *phkResult = NewHandle(node);
  if (pdwDisposition)
    *pdwDisposition = bCreated ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  return ERROR_SUCCESS;
}

LONG CMemoryRegistry::RegOpenKeyExA(HKEY hKey, const char* lpSubKey,
                                    HKEY* phkResult) {
  if (phkResult == nullptr) return ERROR_INVALID_PARAMETER;
  std::shared_ptr<CRegKeyNode> node;
  const LONG lResult = Walk(hKey, lpSubKey, false, &node, nullptr);
  if (lResult != ERROR_SUCCESS) return lResult;
  *phkResult = NewHandle(node);
  return ERROR_SUCCESS;
}

LONG CMemoryRegistry::RegCloseKey(HKEY hKey) {
  if (m_roots.count(hKey)) return ERROR_SUCCESS;
  return m_handles.erase(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LONG CMemoryRegistry::RegFlushKey(HKEY hKey) {
  std::shared_ptr<CRegKeyNode> node;
  return NodeOf(hKey, &node);
}

LONG CMemoryRegistry::RegQueryValueExA(HKEY hKey, const char* lpValueName,
                                       DWORD* lpType, BYTE* lpData,
                                       DWORD* lpcbData) {
  std::shared_ptr<CRegKeyNode> node;
  const LONG lResult = NodeOf(hKey, &node);
  if (lResult != ERROR_SUCCESS) return lResult;
  const CRegValue* pValue = Resolve(node)->FindValue(ValueName(lpValueName));
  if (pValue == nullptr) return ERROR_FILE_NOT_FOUND;
  if (lpType) *lpType = pValue->dwType;
  return CopyData(pValue->data, lpData, lpcbData);
}

LONG CMemoryRegistry::RegSetValueExA(HKEY hKey, const char* lpValueName,
                                     DWORD dwType, const BYTE* lpData,
                                     DWORD cbData) {
  std::shared_ptr<CRegKeyNode> node;
  const LONG lResult = NodeOf(hKey, &node);
  if (lResult != ERROR_SUCCESS) return lResult;
  if (lpData == nullptr && cbData != 0) return ERROR_INVALID_PARAMETER;
  node = Resolve(node);
  const std::string strName = ValueName(lpValueName);
  if (strName.size() > kMaxValueNameLength || cbData > kMaxValueBytes)
    return ERROR_INVALID_PARAMETER;
  CRegValue* pValue = node->FindValue(strName);
  if (pValue == nullptr) {
    node->Values().push_back(CRegValue{strName, dwType, {}});
    pValue = &node->Values().back();
  }
  pValue->dwType = dwType;
  pValue->data.assign(lpData, lpData + cbData);
  OnValueSet(*node, *pValue);
  return ERROR_SUCCESS;
}

LONG CMemoryRegistry::RegDeleteValueA(HKEY hKey, const char* lpValueName) {
  std::shared_ptr<CRegKeyNode> node;
  const LONG lResult = NodeOf(hKey, &node);
  if (lResult != ERROR_SUCCESS) return lResult;
  node = Resolve(node);
  const std::string strName = ValueName(lpValueName);
  if (!node->RemoveValue(strName)) return ERROR_FILE_NOT_FOUND;
  OnValueDeleted(*node, strName);
  return ERROR_SUCCESS;
}

LONG CMemoryRegistry::RegDeleteKeyA(HKEY hKey, const char* lpSubKey) {
  std::shared_ptr<CRegKeyNode> node;
  const LONG lResult = Walk(hKey, lpSubKey, false, &node, nullptr);
  if (lResult != ERROR_SUCCESS) return lResult;
  // A root has no parent and can't be deleted; nor can a key with subkeys.
  if (node->pParent == nullptr || !node->Subkeys().empty())
    return ERROR_ACCESS_DENIED;
  CRegKeyNode& parent = *node->pParent;
  const std::string strName = node->strName;
  parent.RemoveSubkey(node.get());
  OnKeyDeleted(parent, strName);
  return ERROR_SUCCESS;
}

LONG CMemoryRegistry::RegEnumKeyExA(HKEY hKey, DWORD dwIndex, char* lpName,
                                    DWORD* lpcchName) {
  std::shared_ptr<CRegKeyNode> node;
  const LONG lResult = NodeOf(hKey, &node);
  if (lResult != ERROR_SUCCESS) return lResult;
  node = Resolve(node);
  const auto& subkeys = node->Subkeys();
  if (dwIndex >= subkeys.size()) return ERROR_NO_MORE_ITEMS;
  return CopyName(subkeys[dwIndex]->strName, lpName, lpcchName);
}

LONG CMemoryRegistry::RegQueryInfoKeyA(HKEY hKey, char* lpClass,
                                       DWORD* lpcchClass, DWORD* lpcSubKeys,
                                       DWORD* lpcValues) {
  std::shared_ptr<CRegKeyNode> node;
  const LONG lResult = NodeOf(hKey, &node);
  if (lResult != ERROR_SUCCESS) return lResult;
  node = Resolve(node);
  if (lpClass != nullptr || lpcchClass != nullptr) {
    const LONG lClass = CopyName(node->strClass, lpClass, lpcchClass);
    if (lClass != ERROR_SUCCESS) return lClass;
  }
  if (lpcSubKeys) *lpcSubKeys = static_cast<DWORD>(node->Subkeys().size());
  if (lpcValues) *lpcValues = static_cast<DWORD>(node->Values().size());
  return ERROR_SUCCESS;
}

LONG CMemoryRegistry::RegEnumValueA(HKEY hKey, DWORD dwIndex, char* lpValueName,
                                    DWORD* lpcchValueName, DWORD* lpType,
                                    BYTE* lpData, DWORD* lpcbData) {
  std::shared_ptr<CRegKeyNode> node;
  const LONG lResult = NodeOf(hKey, &node);
  if (lResult != ERROR_SUCCESS) return lResult;
  node = Resolve(node);
  const auto& values = node->Values();
  if (dwIndex >= values.size()) return ERROR_NO_MORE_ITEMS;
  const CRegValue& value = values[dwIndex];
  const LONG lName = CopyName(value.strName, lpValueName, lpcchValueName);
  if (lName != ERROR_SUCCESS) return lName;
  if (lpType) *lpType = value.dwType;
  return CopyData(value.data, lpData, lpcbData);
}

std::map<HKEY, std::string> CMemoryRegistry::OpenHandlePaths() const {
  std::map<HKEY, std::string> paths;
  for (const auto& handle : m_handles)
    if (!handle.second->bDeleted) paths[handle.first] = handle.second->Path();
  return paths;
}

void CMemoryRegistry::RebindHandles(const std::map<HKEY, std::string>& paths) {
  for (const auto& entry : paths) {
    auto it = m_handles.find(entry.first);
    if (it == m_handles.end() || !it->second->bDeleted) continue;
    const std::string& strPath = entry.second;
    const size_t nSlash = strPath.find('\\');
    std::shared_ptr<CRegKeyNode> node;
    for (const auto& root : m_roots)
      if (EqualRegNames(root.second->strName, strPath.substr(0, nSlash)))
        node = root.second;
    if (!node) continue;
    std::vector<std::string> names;
    if (nSlash != std::string::npos &&
        !SplitKeyPath(strPath.c_str() + nSlash + 1, &names))
      continue;
    for (const auto& strName : names) {
      node = node ? node->FindSubkey(strName) : nullptr;
      if (node) node = Resolve(node);
    }
    if (node) it->second = node;
  }
}
