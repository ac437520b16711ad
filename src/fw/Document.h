// CDocument: the document of the single-document arrangement. The base
// keeps a title and stores nothing.
#pragma once

#include <string>

#include "CmdTarget.h"

class CDocument : public CCmdTarget {
 public:
  // TRUE when the new, empty document is ready; the base names it
  // "Untitled".
  virtual BOOL OnNewDocument();
  const std::string& GetTitle() const { return m_strTitle; }
  void SetTitle(const std::string& strTitle) { m_strTitle = strTitle; }
  BOOL IsModified() const { return FALSE; }

 private:
  std::string m_strTitle;
};
