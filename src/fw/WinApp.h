// CWinApp: the application object of the framework. InitInstance starts the
// program, Run pumps messages until WM_QUIT, PreTranslateMessage sees every
// message taken from the queue (modal loops included) before it is
// dispatched, ExitInstance gives the exit code.
#pragma once

#include <memory>
#include <vector>

#include "CmdTarget.h"

class CWnd;
class CSingleDocTemplate;

class CWinApp : public CCmdTarget {
 public:
  CWinApp();
  ~CWinApp() override;
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  virtual BOOL InitInstance();
  // The message loop: returns ExitInstance's result after WM_QUIT.
  virtual int Run();
  // TRUE when the message was handled and must not be dispatched. The base
  // offers it to the target window and its parents (keyboard navigation of
  // dialogs and forms).
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  virtual int ExitInstance();

  // Takes ownership of the template.
  void AddDocTemplate(CSingleDocTemplate* pTemplate);
  // The framework's new-document command: the first template opens an
  // empty document with its frame and view. TRUE when the frame exists.
  BOOL OnFileNew();

  // The main window; its destruction ends the message loop.
  CWnd* m_pMainWnd = nullptr;
  int m_nExitCode = 0;

  DECLARE_MESSAGE_MAP()
  void OnAppExit();

 private:
  CWinApp* m_pPreviousApp;
  std::vector<std::unique_ptr<CSingleDocTemplate>> m_templates;
};

// The application object, null when there is none (unit tests of single
// windows).
CWinApp* AfxGetApp();
// The window tree's part of PreTranslateMessage: the message's window and
// then each parent, up to the top-level window.
BOOL AfxPreTranslateWindows(MSG* pMsg);
// The main window, null when there is none.
CWnd* AfxGetMainWnd();
