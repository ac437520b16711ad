// Builds the tree of one root from its file's sections and values, and
// notes where each section lies. A store file describes keys, it does not
// delete them: "[-key]" and "name"=- are refused there.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "RegFileParser.h"
#include "RegStoreFile.h"

class CRegStoreLoader : public IRegFileSink {
 public:
  enum class EMode {
    kLoad,      // appends sections; defers those below CurrentControlSet
    kDeferred,  // binds the section at the index given, applies its values
  };
  CRegStoreLoader(CRegStoreFile* pFile, std::shared_ptr<CRegKeyNode> root,
                  EMode mode, size_t nSection = 0);

  std::string OnSection(const std::string& strPath, bool bDelete,
                        const CRegFileLine& line) override;
  std::string OnValue(const CRegParsedValue& value) override;
  void OnComment(const CRegFileLine& line) override;
  // Closes the last section (kLoad).
  void Finish();
  // Sections whose key can't be known before the control set link exists.
  const std::vector<size_t>& Deferred() const { return m_deferred; }

 private:
  std::string SplitPath(const std::string& strPath,
                        std::vector<std::string>* pNames) const;
  bool IsBelowCurrentControlSet(const std::vector<std::string>& names) const;
  // The key of the path, created when missing; reuses the walk of the
  // section before, as files list keys in tree order.
  std::shared_ptr<CRegKeyNode> Walk(const std::vector<std::string>& names);

  CRegStoreFile* m_pFile;
  std::shared_ptr<CRegKeyNode> m_root;
  EMode m_mode;
  size_t m_nSection;
  std::vector<std::string> m_names;                   // the previous walk
  std::vector<std::shared_ptr<CRegKeyNode>> m_chain;  // its keys, root first
  std::shared_ptr<CRegKeyNode> m_current;  // null: values are not applied
  std::vector<size_t> m_deferred;
  // The first comment line since the last value or header, if any.
  bool m_bComment = false;
  size_t m_nCommentBegin = 0;
  size_t m_nCommentLine = 0;
};

// Maps HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet onto the control set that
// SYSTEM\Select "Current" names (ControlSet001 when there is none), as
// Windows does at boot: a volatile link key, never stored.
void LinkCurrentControlSet(const std::shared_ptr<CRegKeyNode>& machine);

// Builds the root's tree from pFile->strRaw (bExists false: an empty file),
// then links CurrentControlSet for HKEY_LOCAL_MACHINE. ERROR_BADDB with
// "<path>: line N: <reason>" when the file is refused.
LONG LoadStoreFile(CRegStoreFile* pFile,
                   const std::shared_ptr<CRegKeyNode>& root,
                   std::string* pstrError);
