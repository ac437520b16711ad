// The document of the main window: empty, never modified, stores nothing.
#pragma once

#include "fw/Document.h"

class CquorrelDoc : public CDocument {
 public:
  BOOL OnNewDocument() override { return CDocument::OnNewDocument(); }
};
