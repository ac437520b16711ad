// CFrameWnd: the main window of the single-document arrangement, with the
// menu bar and the view as its client. Commands go to the active view
// first, then to the frame, then to the application object. The window
// system runs the menu bar (F10, Alt, an Alt+letter of a menu title, a
// click on the bar). When the main frame is destroyed the message loop ends.
#pragma once

#include <memory>
#include <string>

#include "View.h"
#include "Wnd.h"

class CDocument;

// The framework's title-updating style: the frame adds the document's
// name to its title.
constexpr DWORD FWS_ADDTOTITLE = 0x00008000L;

class CFrameWnd : public CWnd {
 public:
  CFrameWnd() { m_kind = CWndKind::Frame; }
  ~CFrameWnd() override;

  // Last chance to change the creation parameters; FALSE stops it.
  virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
  // Creates the frame with menu nIDResource and its view (takes ownership
  // of the view). FALSE when the frame or the view can't be created.
  BOOL LoadFrame(UINT nIDResource, std::unique_ptr<CView> pView,
                 CDocument* pDocument);
  // The view's first update, the title, then shows the frame.
  void InitialUpdateFrame(int nCmdShow = SW_SHOW);
  CView* GetActiveView() const { return m_pView.get(); }

  BOOL OnCmdMsg(UINT nID, UINT nCode) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnUpdateFrameTitle();

  std::unique_ptr<CView> m_pView;
  CDocument* m_pDocument = nullptr;
};
