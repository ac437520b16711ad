#include "RegistryTree.h"

#include <algorithm>

#include "../NameCase.h"

int CompareRegNames(const std::string& a, const std::string& b) {
  return CompareNames(a, b);
}

std::string FoldRegName(const std::string& strName) {
  return UpperName(strName);
}

std::shared_ptr<CRegKeyNode> ResolveRegLink(std::shared_ptr<CRegKeyNode> node) {
  // A bounded number of hops: a link to a link is legal, a cycle is not.
  for (int nHops = 0; node && nHops < 8; ++nHops) {
    auto target = node->linkTarget.lock();
    if (!target) return node;
    node = target;
  }
  return node;
}

bool EqualRegNames(const std::string& a, const std::string& b) {
  return a.size() == b.size() && CompareRegNames(a, b) == 0;
}

void CRegKeyNode::Reach() const {
  if (!source) return;
  // Nodes are never made const: this is a cache being filled.
  auto& self = const_cast<CRegKeyNode&>(*this);
  const std::shared_ptr<IRegKeySource> from = std::move(self.source);
  self.source.reset();
  from->Fill(self);
}

size_t CRegKeyNode::SubkeyIndex(const std::string& strKeyName) const {
  Reach();
  auto it = std::lower_bound(
      subkeys.begin(), subkeys.end(), strKeyName,
      [](const std::shared_ptr<CRegKeyNode>& node, const std::string& name) {
        return CompareRegNames(node->strName, name) < 0;
      });
  return static_cast<size_t>(it - subkeys.begin());
}

std::shared_ptr<CRegKeyNode> CRegKeyNode::FindSubkey(
    const std::string& strKeyName) const {
  const size_t i = SubkeyIndex(strKeyName);
  if (i < subkeys.size() && EqualRegNames(subkeys[i]->strName, strKeyName))
    return subkeys[i];
  return nullptr;
}

std::shared_ptr<CRegKeyNode> CRegKeyNode::AddSubkey(
    const std::string& strKeyName) {
  const size_t i = SubkeyIndex(strKeyName);
  if (i < subkeys.size() && EqualRegNames(subkeys[i]->strName, strKeyName))
    return subkeys[i];
  auto node = std::make_shared<CRegKeyNode>();
  node->strName = strKeyName;
  node->pParent = this;
  subkeys.insert(subkeys.begin() + static_cast<std::ptrdiff_t>(i), node);
  return node;
}

bool CRegKeyNode::RemoveSubkey(const CRegKeyNode* pNode) {
  const size_t i = SubkeyIndex(pNode->strName);
  if (i >= subkeys.size() || subkeys[i].get() != pNode) return false;
  subkeys[i]->bDeleted = true;
  subkeys[i]->pParent = nullptr;
  subkeys.erase(subkeys.begin() + static_cast<std::ptrdiff_t>(i));
  return true;
}

CRegValue* CRegKeyNode::FindValue(const std::string& strValueName) {
  Reach();
  for (auto& value : values)
    if (EqualRegNames(value.strName, strValueName)) return &value;
  return nullptr;
}

const CRegValue* CRegKeyNode::FindValue(const std::string& strValueName) const {
  Reach();
  for (const auto& value : values)
    if (EqualRegNames(value.strName, strValueName)) return &value;
  return nullptr;
}

bool CRegKeyNode::RemoveValue(const std::string& strValueName) {
  Reach();
  for (auto it = values.begin(); it != values.end(); ++it) {
    if (EqualRegNames(it->strName, strValueName)) {
      values.erase(it);
      return true;
    }
  }
  return false;
}

std::string CRegKeyNode::Path() const {
  if (pParent == nullptr) return strName;
  const std::string strParent = pParent->Path();
  return strParent.empty() ? strName : strParent + "\\" + strName;
}

void DetachRegSubtree(CRegKeyNode& node) {
  node.source.reset();
  for (auto& child : node.subkeys) {
    DetachRegSubtree(*child);
    child->bDeleted = true;
    child->pParent = nullptr;
  }
  node.subkeys.clear();
  node.values.clear();
}
