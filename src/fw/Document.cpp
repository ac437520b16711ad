#include "Document.h"

BOOL CDocument::OnNewDocument() {
  m_strTitle = "Untitled";
  return TRUE;
}
