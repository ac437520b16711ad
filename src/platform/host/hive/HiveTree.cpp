#include "HiveTree.h"

#include <string>
#include <utility>
#include <vector>

#include "HiveNames.h"
#include "HiveText.h"

namespace {
// Deeper than the registry lets a path go: a loop in a damaged hive.
constexpr int kMaxDepth = 512;

bool Fail(const char* pszWhat, std::string* pstrWhy) {
  *pstrWhy = pszWhat;
  return false;
}

// True when the hive's value reads as the program's.
bool SameValue(const CHiveValue& stored, const CRegValue& value) {
  return stored.dwType == value.dwType &&
         HiveToProgramData(stored.dwType, stored.strData) == value.data;
}

bool SyncValues(CHive& hive, HCELL hKey, const CRegKeyNode& node, uint64_t nNow,
                std::string* pstrWhy) {
  std::vector<CHiveValue> stored;
  if (!hive.Values(hKey, &stored))
    return Fail("a key's values are damaged", pstrWhy);
  for (const CHiveValue& old : stored) {
    if (node.FindValue(HiveNameToProgram(old.strName))) continue;
    if (!hive.DeleteValue(hKey, old.strName, nNow))
      return Fail("cannot delete a value", pstrWhy);
  }
  for (const CRegValue& value : node.Values()) {
    const std::u16string strName = ProgramNameToHive(value.strName);
    bool bSame = false;
    for (const CHiveValue& old : stored)
      if (EqualHiveNames(old.strName, strName)) bSame = SameValue(old, value);
    if (bSame) continue;
    const CHiveValue wanted{strName, value.dwType,
                            ProgramToHiveData(value.dwType, value.data)};
    if (!hive.SetValue(hKey, wanted, nNow))
      return Fail("cannot set a value", pstrWhy);
  }
  return true;
}

// The subkeys of a key with their names in the program's form.
bool NamedSubkeys(const CHive& hive, HCELL hKey,
                  std::vector<std::pair<HCELL, std::string>>* pSubkeys,
                  std::string* pstrWhy) {
  std::vector<HCELL> subkeys;
  if (!hive.Subkeys(hKey, &subkeys))
    return Fail("a key's subkey list is damaged", pstrWhy);
  for (HCELL hSubkey : subkeys) {
    std::u16string strName;
    if (!hive.KeyName(hSubkey, &strName))
      return Fail("a key is damaged", pstrWhy);
    pSubkeys->emplace_back(hSubkey, HiveNameToProgram(strName));
  }
  return true;
}

bool SyncSubkeys(CHive& hive, HCELL hKey, const CRegKeyNode& node,
                 uint64_t nNow, std::string* pstrWhy) {
  std::vector<std::pair<HCELL, std::string>> subkeys;
  if (!NamedSubkeys(hive, hKey, &subkeys, pstrWhy)) return false;
  for (const auto& [hSubkey, strName] : subkeys) {
    if (node.FindSubkey(strName)) continue;
    if (!hive.DeleteSubkey(hKey, hSubkey, nNow))
      return Fail("cannot delete a key", pstrWhy);
  }
  for (const auto& subkey : node.Subkeys()) {
    if (!IsStoredKey(*subkey)) continue;
    bool bDamaged = false;
    if (hive.FindSubkey(hKey, ProgramNameToHive(subkey->strName), &bDamaged) !=
        kNoCell)
      continue;
    if (bDamaged) return Fail("a key's subkey list is damaged", pstrWhy);
    if (!AddHiveTree(hive, hKey, *subkey, nNow, pstrWhy)) return false;
  }
  return true;
}

bool LoadKey(const CHive& hive, HCELL hKey, CRegKeyNode& node, int nDepth,
             std::string* pstrWhy) {
  if (nDepth > kMaxDepth) return Fail("the keys loop", pstrWhy);
  std::vector<CHiveValue> values;
  if (!hive.Values(hKey, &values))
    return Fail("a key's values are damaged", pstrWhy);
  for (const CHiveValue& value : values)
    node.Values().push_back(
        CRegValue{HiveNameToProgram(value.strName), value.dwType,
                  HiveToProgramData(value.dwType, value.strData)});
  std::vector<std::pair<HCELL, std::string>> subkeys;
  if (!NamedSubkeys(hive, hKey, &subkeys, pstrWhy)) return false;
  for (const auto& [hSubkey, strName] : subkeys) {
    auto child = node.AddSubkey(strName);
    if (!LoadKey(hive, hSubkey, *child, nDepth + 1, pstrWhy)) return false;
  }
  return true;
}
}  // namespace

bool IsStoredKey(const CRegKeyNode& node) {
  return !node.bVolatile && node.linkTarget.expired();
}

bool LoadHiveTree(const CHive& hive, HCELL hRoot, CRegKeyNode& node,
                  std::string* pstrWhy) {
  return LoadKey(hive, hRoot, node, 0, pstrWhy);
}

bool SyncHiveKey(CHive& hive, HCELL hKey, const CRegKeyNode& node,
                 uint64_t nNow, std::string* pstrWhy) {
  return SyncValues(hive, hKey, node, nNow, pstrWhy) &&
         SyncSubkeys(hive, hKey, node, nNow, pstrWhy);
}

bool AddHiveTree(CHive& hive, HCELL hParent, const CRegKeyNode& node,
                 uint64_t nNow, std::string* pstrWhy) {
  const HCELL hKey =
      hive.CreateSubkey(hParent, ProgramNameToHive(node.strName), nNow);
  if (hKey == kNoCell) return Fail("cannot add a key", pstrWhy);
  return SyncHiveKey(hive, hKey, node, nNow, pstrWhy);
}
