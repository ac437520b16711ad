// CSingleDocTemplate: creates the document, the frame and the view of the
// single-document arrangement from resource nIDResource (menu, document
// string) and three factories.
#pragma once

#include <memory>
#include <string>

#include "Document.h"
#include "FrameWnd.h"
#include "View.h"

class CSingleDocTemplate {
 public:
  typedef std::unique_ptr<CDocument> (*DocFactory)();
  typedef std::unique_ptr<CFrameWnd> (*FrameFactory)();
  typedef std::unique_ptr<CView> (*ViewFactory)();

  CSingleDocTemplate(UINT nIDResource, DocFactory pfnDoc, FrameFactory pfnFrame,
                     ViewFactory pfnView);

  // Opens a new, empty document: the first time with its frame and view,
  // shown and made the main window when there is none. Null on failure.
  CDocument* OpenDocumentFile();
  // Field n of the document string ("\n"-separated); empty when missing.
  std::string GetDocString(int nIndex) const;

  CDocument* GetDocument() const { return m_pDocument.get(); }
  CFrameWnd* GetFrame() const { return m_pFrame.get(); }

  // Indexes into the document string.
  enum { windowTitle = 0, docName = 1, fileNewName = 2 };

 private:
  UINT m_nIDResource;
  DocFactory m_pfnDoc;
  FrameFactory m_pfnFrame;
  ViewFactory m_pfnView;
  std::unique_ptr<CDocument> m_pDocument;
  std::unique_ptr<CFrameWnd> m_pFrame;
};

template <class TDoc, class TFrame, class TView>
CSingleDocTemplate* AfxMakeSingleDocTemplate(UINT nIDResource) {
  return new CSingleDocTemplate(
      nIDResource,
      []() -> std::unique_ptr<CDocument> { return std::make_unique<TDoc>(); },
      []() -> std::unique_ptr<CFrameWnd> { return std::make_unique<TFrame>(); },
      []() -> std::unique_ptr<CView> { return std::make_unique<TView>(); });
}
