// Between a hive's keys and the in-memory tree: reading a whole hive into
// the key it is mounted at, and bringing one key of the hive in line with
// the tree. What the program did not change is left to the hive exactly:
// a value the program left as it was keeps its name, type and bytes.
#pragma once

#include <hivex.h>

#include <string>

#include "platform/memory/RegistryTree.h"

// Adds the hive's keys and values below hRoot to node. False with *pstrWhy
// when the library can't read a part of it.
bool LoadHiveTree(hive_h* pHive, hive_node_h hRoot, CRegKeyNode& node,
                  std::string* pstrWhy);
// Makes hKey's values and its list of subkeys those of node: missing
// subkeys are added with all below them, subkeys node lacks deleted. Keys
// never stored (volatile ones, links) are neither added nor deleted.
bool SyncHiveKey(hive_h* pHive, hive_node_h hKey, const CRegKeyNode& node,
                 std::string* pstrWhy);
// Adds node, with all below it, as a subkey of hParent.
bool AddHiveTree(hive_h* pHive, hive_node_h hParent, const CRegKeyNode& node,
                 std::string* pstrWhy);
// True for a key the store keeps in the hive.
bool IsStoredKey(const CRegKeyNode& node);
