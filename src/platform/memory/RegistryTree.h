// The registry as a tree of keys held in memory: key and value names are
// compared without regard to case (ASCII upper-casing, as the registry of an
// 8-bit system code page compares them) and keep the case they were created
// with. Subkeys are kept sorted by name, as the registry enumerates them;
// values keep their insertion order.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../WinTypes.h"

struct CRegValue {
  std::string strName;
  DWORD dwType = REG_NONE;
  std::vector<BYTE> data;
};

struct CRegKeyNode;

// Gives a key its subkeys and values: a store that reads a key only when
// the program first reaches it leaves one on each key it has not read.
typedef std::function<void(CRegKeyNode&)> CRegKeyFiller;

struct CRegKeyNode : std::enable_shared_from_this<CRegKeyNode> {
  std::string strName;
  std::string strClass;
  CRegKeyNode* pParent = nullptr;
  bool bDeleted = false;
  // A volatile key is never stored (CurrentControlSet, for one).
  bool bVolatile = false;
  // A link key stands for the key it points at; every path through it
  // continues there.
  std::weak_ptr<CRegKeyNode> linkTarget;

  // The key's subkeys (sorted, see above) and values. Every way to its
  // subkeys and values gives them filled: a filler left on the key runs at
  // the first look, once.
  const std::vector<std::shared_ptr<CRegKeyNode>>& Subkeys() const;
  std::vector<CRegValue>& Values();
  const std::vector<CRegValue>& Values() const;
  void FillLater(CRegKeyFiller filler) { m_filler = std::move(filler); }

  std::shared_ptr<CRegKeyNode> FindSubkey(const std::string& strKeyName) const;
  // Index where a subkey of that name is or would be inserted.
  size_t SubkeyIndex(const std::string& strKeyName) const;
  std::shared_ptr<CRegKeyNode> AddSubkey(const std::string& strKeyName);
  bool RemoveSubkey(const CRegKeyNode* pNode);
  CRegValue* FindValue(const std::string& strValueName);
  const CRegValue* FindValue(const std::string& strValueName) const;
  bool RemoveValue(const std::string& strValueName);
  // Full path from the root, names joined with backslashes.
  std::string Path() const;

 private:
  friend void DetachRegSubtree(CRegKeyNode& node);
  void Fill() const;

  CRegKeyFiller m_filler;
  std::vector<std::shared_ptr<CRegKeyNode>> m_subkeys;
  std::vector<CRegValue> m_values;
};

// Case-insensitive comparison of registry names.
int CompareRegNames(const std::string& a, const std::string& b);
bool EqualRegNames(const std::string& a, const std::string& b);
// The name as the comparison sees it (upper case), for use as a map key.
std::string FoldRegName(const std::string& strName);
// Removes every key and value below the node; each removed key reads as
// deleted to whoever still holds it. Keys not read yet are dropped unread.
void DetachRegSubtree(CRegKeyNode& node);
// Follows link keys to the key they stand for.
std::shared_ptr<CRegKeyNode> ResolveRegLink(std::shared_ptr<CRegKeyNode> node);
