// The registry as a tree of keys held in memory: key and value names are
// compared without regard to case (ASCII upper-casing, as the registry of an
// 8-bit system code page compares them) and keep the case they were created
// with. Subkeys are kept sorted by name, as the registry enumerates them;
// values keep their insertion order.
#pragma once

#include <cstddef>
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

// A store that reads a key only when the program first reaches it: it fills
// the key's subkeys and values at the first look at either.
class IRegKeySource {
 public:
  virtual ~IRegKeySource() = default;
  virtual void Fill(CRegKeyNode& node) = 0;
};

// The source's own note of where a key not read yet lies.
struct CRegKeySpan {
  size_t nBegin = 0;
  size_t nEnd = 0;
  size_t nPrefix = 0;
};

struct CRegKeyNode : std::enable_shared_from_this<CRegKeyNode> {
  std::string strName;
  std::string strClass;
  std::vector<std::shared_ptr<CRegKeyNode>> subkeys;  // sorted, see above
  std::vector<CRegValue> values;
  CRegKeyNode* pParent = nullptr;
  bool bDeleted = false;
  // A volatile key is never stored (CurrentControlSet, for one).
  bool bVolatile = false;
  // A link key stands for the key it points at; every path through it
  // continues there.
  std::weak_ptr<CRegKeyNode> linkTarget;
  // Set while the key's subkeys and values are still in its store.
  std::shared_ptr<IRegKeySource> source;
  CRegKeySpan span;

  // Fills the key from its source, once; every member below does this
  // first, and so must code that reads subkeys or values directly.
  void Reach() const;

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
