// CView and CFormView: the frame's client window, showing the document.
// A form view holds the controls of a dialog template and gives them the
// keyboard interface of a dialog.
#pragma once

#include <memory>
#include <vector>

#include "Wnd.h"

class CDocument;

// The ID of the frame's one view (the framework's AFX_IDW_PANE_FIRST).
constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;

class CView : public CWnd {
 public:
  virtual BOOL Create(CWnd* pParent, UINT nID);
  // Called once, after the frame and the view exist and before the frame
  // is shown.
  virtual void OnInitialUpdate();
  // The frame made this view active: the focus goes into it.
  virtual void OnActivateView();
  CDocument* GetDocument() const { return m_pDocument; }
  void SetDocument(CDocument* pDocument) { m_pDocument = pDocument; }

 private:
  CDocument* m_pDocument = nullptr;
};

class CFormView : public CView {
 public:
  explicit CFormView(UINT nIDTemplate) : m_nIDTemplate(nIDTemplate) {}
  // Creates the form with the template's size and its controls.
  BOOL Create(CWnd* pParent, UINT nID) override;
  // The base loads the members into the controls.
  void OnInitialUpdate() override;
  void OnActivateView() override;
  // Sizes the parent frame so that its client area fits this form. With
  // bShrinkOnly the frame only ever gets smaller; with FALSE it grows or
  // shrinks to fit exactly.
  void ResizeParentToFit(BOOL bShrinkOnly = TRUE);
  BOOL PreTranslateMessage(MSG* pMsg) override;
  UINT GetTemplateID() const { return m_nIDTemplate; }

 private:
  UINT m_nIDTemplate;
  std::vector<std::unique_ptr<CWnd>> m_controls;
};
