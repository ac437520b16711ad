// Where each key of a store file lies, so that a key is read only when the
// program first reaches it: the file's sections sorted by key path (those
// named through CurrentControlSet after the others, each group in file
// order), which makes every key's subtree one run of them. Reaching a key
// applies the values of its own sections and makes its subkeys, each a key
// not read yet.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "RegStoreFile.h"

class CRegFileIndex : public std::enable_shared_from_this<CRegFileIndex> {
 public:
  // pFile's sections hold their paths; the file outlives every key read
  // from it.
  explicit CRegFileIndex(CRegStoreFile* pFile);
  // Makes root the file's root key, not read yet.
  static void Attach(CRegStoreFile* pFile,
                     const std::shared_ptr<CRegKeyNode>& root);

 private:
  // Where a key not read yet lies: the run [nBegin, nEnd) of the sorted
  // sections, whose paths name the key in their first nPrefix characters.
  struct CSpan {
    size_t nBegin = 0;
    size_t nEnd = 0;
    size_t nPrefix = 0;
  };

  // Leaves the key to be read from span when first looked at.
  void FillLater(const std::shared_ptr<CRegKeyNode>& key, const CSpan& span);
  void Fill(CRegKeyNode& node, const CSpan& span);
  const CRegFileSection& At(size_t i) const {
    return m_pFile->sections[m_order[i]];
  }
  // Binds the sections of [nBegin, nEnd) that are the key's own.
  void Bind(const std::shared_ptr<CRegKeyNode>& key, const CSpan& span);
  void ApplyValues(const CRegFileSection& section, CRegKeyNode& key) const;
  // The end of the run of sections from nBegin whose path continues with
  // the name at [nStart, nStart + nLength) of section nBegin's path.
  size_t RunEnd(size_t nBegin, size_t nEnd, size_t nStart,
                size_t nLength) const;

  CRegStoreFile* m_pFile;
  std::vector<size_t> m_order;  // section indexes, sorted as above
};
