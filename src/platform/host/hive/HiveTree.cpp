#include "HiveTree.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "HiveText.h"
#include "HiveType.h"

namespace {
struct CFreeDeleter {
  void operator()(void* p) const { std::free(p); }
};
template <typename T>
using CMalloced = std::unique_ptr<T, CFreeDeleter>;

// One value as the hive holds it: UTF-8 name, type, raw bytes.
struct CHiveValue {
  std::string strName;
  DWORD dwType = REG_NONE;
  std::string strRaw;
  bool operator==(const CHiveValue& other) const {
    return strName == other.strName && dwType == other.dwType &&
           strRaw == other.strRaw;
  }
};

bool Fail(const char* pszWhat, std::string* pstrWhy) {
  *pstrWhy = std::string(pszWhat) + ": " + std::strerror(errno ? errno : EIO);
  return false;
}

bool ReadValues(hive_h* pHive, hive_node_h hKey,
                std::vector<CHiveValue>* pValues, std::string* pstrWhy) {
  errno = 0;
  CMalloced<hive_value_h> values(hivex_node_values(pHive, hKey));
  if (!values) return Fail("cannot read a key's values", pstrWhy);
  for (const hive_value_h* p = values.get(); *p != 0; ++p) {
    CMalloced<char> name(hivex_value_key(pHive, *p));
    hive_type type;
    ToHiveType(REG_NONE, &type);
    size_t cbData = 0;
    CMalloced<char> data(hivex_value_value(pHive, *p, &type, &cbData));
    if (!name || !data) return Fail("cannot read a value", pstrWhy);
    pValues->push_back(CHiveValue{name.get(), FromHiveType(&type),
                                  std::string(data.get(), cbData)});
  }
  return true;
}

bool ReadSubkeys(hive_h* pHive, hive_node_h hKey,
                 std::vector<hive_node_h>* pSubkeys, std::string* pstrWhy) {
  errno = 0;
  CMalloced<hive_node_h> children(hivex_node_children(pHive, hKey));
  if (!children) return Fail("cannot read a key's subkeys", pstrWhy);
  for (const hive_node_h* p = children.get(); *p != 0; ++p)
    pSubkeys->push_back(*p);
  return true;
}

bool SubkeyName(hive_h* pHive, hive_node_h hKey, std::string* pstrName,
                std::string* pstrWhy) {
  CMalloced<char> name(hivex_node_name(pHive, hKey));
  if (!name) return Fail("cannot read a key's name", pstrWhy);
  *pstrName = Utf8ToCodePage(name.get());
  return true;
}

// The hive form of a value the program holds; the hive's own bytes when
// the program left it as it was read.
CHiveValue HiveFormOf(const CRegValue& value,
                      const std::vector<CHiveValue>& stored) {
  for (const CHiveValue& old : stored) {
    if (Utf8ToCodePage(old.strName) != value.strName) continue;
    if (old.dwType == value.dwType &&
        HiveToProgramData(old.dwType, old.strRaw) == value.data)
      return old;
  }
  return CHiveValue{CodePageToUtf8(value.strName), value.dwType,
                    ProgramToHiveData(value.dwType, value.data)};
}

bool WriteValues(hive_h* pHive, hive_node_h hKey,
                 std::vector<CHiveValue>& values, std::string* pstrWhy) {
  std::vector<hive_set_value> set;
  for (CHiveValue& value : values) {
    hive_set_value one;
    one.key = &value.strName[0];
    ToHiveType(value.dwType, &one.t);
    one.len = value.strRaw.size();
    one.value = &value.strRaw[0];
    set.push_back(one);
  }
  if (hivex_node_set_values(pHive, hKey, set.size(), set.data(), 0) != 0)
    return Fail("cannot set a key's values", pstrWhy);
  return true;
}

bool SyncValues(hive_h* pHive, hive_node_h hKey, const CRegKeyNode& node,
                std::string* pstrWhy) {
  std::vector<CHiveValue> stored;
  if (!ReadValues(pHive, hKey, &stored, pstrWhy)) return false;
  std::vector<CHiveValue> wanted;
  for (const CRegValue& value : node.values)
    wanted.push_back(HiveFormOf(value, stored));
  if (wanted == stored) return true;
  return WriteValues(pHive, hKey, wanted, pstrWhy);
}

bool SyncSubkeys(hive_h* pHive, hive_node_h hKey, const CRegKeyNode& node,
                 std::string* pstrWhy) {
  std::vector<hive_node_h> subkeys;
  if (!ReadSubkeys(pHive, hKey, &subkeys, pstrWhy)) return false;
  for (hive_node_h hSubkey : subkeys) {
    std::string strName;
    if (!SubkeyName(pHive, hSubkey, &strName, pstrWhy)) return false;
    if (node.FindSubkey(strName)) continue;
    if (hivex_node_delete_child(pHive, hSubkey) != 0)
      return Fail("cannot delete a key", pstrWhy);
  }
  for (const auto& subkey : node.subkeys) {
    if (!IsStoredKey(*subkey)) continue;
    errno = 0;
    if (hivex_node_get_child(pHive, hKey,
                             CodePageToUtf8(subkey->strName).c_str()) != 0)
      continue;
    if (errno != 0) return Fail("cannot look up a key", pstrWhy);
    if (!AddHiveTree(pHive, hKey, *subkey, pstrWhy)) return false;
  }
  return true;
}
}  // namespace

bool IsStoredKey(const CRegKeyNode& node) {
  return !node.bVolatile && node.linkTarget.expired();
}

bool LoadHiveTree(hive_h* pHive, hive_node_h hRoot, CRegKeyNode& node,
                  std::string* pstrWhy) {
  std::vector<CHiveValue> values;
  if (!ReadValues(pHive, hRoot, &values, pstrWhy)) return false;
  for (const CHiveValue& value : values)
    node.values.push_back(
        CRegValue{Utf8ToCodePage(value.strName), value.dwType,
                  HiveToProgramData(value.dwType, value.strRaw)});
  std::vector<hive_node_h> subkeys;
  if (!ReadSubkeys(pHive, hRoot, &subkeys, pstrWhy)) return false;
  for (hive_node_h hSubkey : subkeys) {
    std::string strName;
    if (!SubkeyName(pHive, hSubkey, &strName, pstrWhy)) return false;
    auto child = node.AddSubkey(strName);
    if (!LoadHiveTree(pHive, hSubkey, *child, pstrWhy)) return false;
  }
  return true;
}

bool SyncHiveKey(hive_h* pHive, hive_node_h hKey, const CRegKeyNode& node,
                 std::string* pstrWhy) {
  return SyncValues(pHive, hKey, node, pstrWhy) &&
         SyncSubkeys(pHive, hKey, node, pstrWhy);
}

bool AddHiveTree(hive_h* pHive, hive_node_h hParent, const CRegKeyNode& node,
                 std::string* pstrWhy) {
  const hive_node_h hKey = hivex_node_add_child(
      pHive, hParent, CodePageToUtf8(node.strName).c_str());
  if (hKey == 0) return Fail("cannot add a key", pstrWhy);
  return SyncHiveKey(pHive, hKey, node, pstrWhy);
}
