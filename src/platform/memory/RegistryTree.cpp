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

void CRegKeyNode::Fill() const {
  if (!m_filler) return;
  // Nodes are never made const: this is a cache being filled. The filler
  // is taken off first, so that it sees the key as filled.
  auto& self = const_cast<CRegKeyNode&>(*this);
  const CRegKeyFiller filler = std::move(self.m_filler);
  self.m_filler = nullptr;
  filler(self);
}

const std::vector<std::shared_ptr<CRegKeyNode>>& CRegKeyNode::Subkeys() const {
  Fill();
  return m_subkeys;
}

std::vector<CRegValue>& CRegKeyNode::Values() {
  Fill();
  return m_values;
}

const std::vector<CRegValue>& CRegKeyNode::Values() const {
  Fill();
  return m_values;
}

size_t CRegKeyNode::SubkeyIndex(const std::string& strKeyName) const {
  Fill();
  auto it = std::lower_bound(
      m_subkeys.begin(), m_subkeys.end(), strKeyName,
      [](const std::shared_ptr<CRegKeyNode>& node, const std::string& name) {
        return CompareRegNames(node->strName, name) < 0;
      });
  return static_cast<size_t>(it - m_subkeys.begin());
}

std::shared_ptr<CRegKeyNode> CRegKeyNode::FindSubkey(
    const std::string& strKeyName) const {
  const size_t i = SubkeyIndex(strKeyName);
  if (i < m_subkeys.size() && EqualRegNames(m_subkeys[i]->strName, strKeyName))
    return m_subkeys[i];
  return nullptr;
}

std::shared_ptr<CRegKeyNode> CRegKeyNode::AddSubkey(
    const std::string& strKeyName) {
  const size_t i = SubkeyIndex(strKeyName);
  if (i < m_subkeys.size() && EqualRegNames(m_subkeys[i]->strName, strKeyName))
    return m_subkeys[i];
  auto node = std::make_shared<CRegKeyNode>();
  node->strName = strKeyName;
  node->pParent = this;
  m_subkeys.insert(m_subkeys.begin() + static_cast<std::ptrdiff_t>(i), node);
  return node;
}

bool CRegKeyNode::RemoveSubkey(const CRegKeyNode* pNode) {
  const size_t i = SubkeyIndex(pNode->strName);
  if (i >= m_subkeys.size() || m_subkeys[i].get() != pNode) return false;
  m_subkeys[i]->bDeleted = true;
  m_subkeys[i]->pParent = nullptr;
  m_subkeys.erase(m_subkeys.begin() + static_cast<std::ptrdiff_t>(i));
  return true;
}

CRegValue* CRegKeyNode::FindValue(const std::string& strValueName) {
  for (auto& value : Values())
    if (EqualRegNames(value.strName, strValueName)) return &value;
  return nullptr;
}

const CRegValue* CRegKeyNode::FindValue(const std::string& strValueName) const {
  for (const auto& value : Values())
    if (EqualRegNames(value.strName, strValueName)) return &value;
  return nullptr;
}

bool CRegKeyNode::RemoveValue(const std::string& strValueName) {
  std::vector<CRegValue>& values = Values();
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
  node.m_filler = nullptr;
  for (auto& child : node.m_subkeys) {
    DetachRegSubtree(*child);
    child->bDeleted = true;
    child->pParent = nullptr;
  }
  node.m_subkeys.clear();
  node.m_values.clear();
}
