// Between a hive's keys and the in-memory tree: reading a whole hive into
// the key it is mounted at, and bringing one key of the hive in line with
// the tree. What the program did not change is left to the hive exactly:
// a value the program left as it was keeps its name, type and bytes, a key
// it did not touch its cells and timestamp.
#pragma once

#include <cstdint>
#include <string>

#include "Hive.h"
#include "platform/memory/RegistryTree.h"

// Adds the hive's keys and values below hRoot to node. False with *pstrWhy
// when a part of it is damaged.
bool LoadHiveTree(const CHive& hive, HCELL hRoot, CRegKeyNode& node,
                  std::string* pstrWhy);
// Makes hKey's values and its list of subkeys those of node: missing
// subkeys are added with all below them, subkeys node lacks deleted. Keys
// never stored (volatile ones, links) are neither added nor deleted. nNow
// stamps each key changed.
bool SyncHiveKey(CHive& hive, HCELL hKey, const CRegKeyNode& node,
                 uint64_t nNow, std::string* pstrWhy);
// Adds node, with all below it, as a subkey of hParent.
bool AddHiveTree(CHive& hive, HCELL hParent, const CRegKeyNode& node,
                 uint64_t nNow, std::string* pstrWhy);
// True for a key the store keeps in the hive.
bool IsStoredKey(const CRegKeyNode& node);
