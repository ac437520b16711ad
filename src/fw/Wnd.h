// CWnd: a window of the program. It routes its messages through the message
// maps and reaches its window through the window system of the run
// (WindowSystem.h). Rectangles are in pixels: a top-level window's in screen
// coordinates, a child's in its parent's client coordinates.
#pragma once

#include <string>
#include <vector>

#include "CmdTarget.h"

struct CMenuTemplate;
class CDataExchange;

// What a window shows, for the adapters: the control classes of dialog
// templates, dialogs, frames and plain windows (views, popups).
enum class CWndKind { Window, Dialog, Frame, Button, Static, ComboBox };

// One bitmap copied onto a window by its last paint.
struct CBlit {
  UINT nBitmap;
  int x, y, cx, cy;
};

class CWnd : public CCmdTarget {
 public:
  CWnd();
  ~CWnd() override;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd = nullptr;

  // Creates the window: a child of pParent with WS_CHILD, else a top-level
  // window owned by pParent. Sends WM_CREATE; FALSE when creation failed.
  BOOL CreateEx(DWORD dwStyle, const char* pszName, const RECT& rect,
                CWnd* pParent, UINT nID);
  // Destroys the children, then the window (WM_DESTROY, WM_NCDESTROY, then
  // PostNcDestroy, which may delete the object).
  virtual BOOL DestroyWindow();
  virtual void PostNcDestroy() {}

  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  // Gives the message to its handler in the message map, WM_COMMAND to
  // OnCommand, and the rest to DefWindowProc.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Control notifications and commands; TRUE when handled.
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  // Offered every queued message for this window or its children before it
  // is dispatched; TRUE when it was handled (keyboard navigation ...).
  virtual BOOL PreTranslateMessage(MSG* pMsg);

  // For window systems: binds the object to window hWnd, made with
  // dwStyle and pszName as child nID of pParent with WS_CHILD, else owned
  // by pParent's top-level window; and unbinds it again. Neither touches
  // the handle map.
  void AttachWindow(HWND hWnd, DWORD dwStyle, const char* pszName,
                    const RECT& rect, CWnd* pParent, UINT nID);
  void DetachWindow();

  HWND GetSafeHwnd() const { return m_hWnd; }
  CWndKind GetKind() const { return m_kind; }
  UINT GetDlgCtrlID() const { return m_nID; }
  DWORD GetStyle() const { return m_dwStyle; }
  CWnd* GetParent() const { return m_pParent; }
  CWnd* GetOwner() const { return m_pOwner; }
  CWnd* GetTopLevelParent();
  const std::vector<CWnd*>& GetChildren() const { return m_children; }
  CWnd* GetDlgItem(UINT nID) const;

  std::string GetWindowText() const;
  void SetWindowText(const std::string& strText);
  // Windows' EnableWindow: TRUE when the window was disabled before.
  BOOL EnableWindow(BOOL bEnable = TRUE);
  BOOL IsWindowEnabled() const;
  // TRUE when the window and every parent take input.
  BOOL IsInputEnabled() const;
  // Windows' ShowWindow: TRUE when the window was visible before.
  BOOL ShowWindow(int nCmdShow);
  // TRUE when the window and every parent are visible.
  BOOL IsWindowVisible() const;
  BOOL IsIconic() const { return m_bIconic; }

  void GetWindowRect(RECT* pRect) const;  // screen coordinates
  void GetClientRect(RECT* pRect) const;  // (0, 0) at the client's corner
  // The client area's top-left corner in screen coordinates.
  POINT ClientOrigin() const;
  // Moves and sizes the window; a child's position is in its parent's
  // client coordinates.
  void MoveWindow(int x, int y, int cx, int cy);
  // Centres the window over its owner, or over the screen when it has none
  // (or for child windows, over the parent).
  void CenterWindow(CWnd* pAlternateOwner = nullptr);
  // Frame thickness around the client area, from the style and the menu.
  RECT NonClientInsets() const;

  void Invalidate();
  BOOL NeedsPaint() const { return m_bNeedPaint; }
  void ValidateRect() { m_bNeedPaint = FALSE; }
  // Sends WM_PAINT now when the window needs painting.
  void UpdateWindow();

  UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse);
  BOOL KillTimer(UINT_PTR nIDEvent);

  CWnd* SetFocus();
  static CWnd* GetFocus();

  // Dialog items (controls that are children of this window).
  // Transfers between the controls and the members (DoDataExchange): TRUE
  // saves the controls into the members, FALSE loads the controls.
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
  virtual void DoDataExchange(CDataExchange* pDX);
  // Checks nIDCheck and unchecks the other buttons whose IDs lie in
  // nIDFirst..nIDLast.
  void CheckRadioButton(int nIDFirst, int nIDLast, int nIDCheck);
  // The first checked button in nIDFirst..nIDLast by ID; 0 when none.
  int GetCheckedRadioButton(int nIDFirst, int nIDLast) const;
  UINT IsDlgButtonChecked(int nID) const;
  void SetDlgItemText(int nID, const std::string& strText);
  std::string GetDlgItemText(int nID) const;

  // The menu bar resource of a frame; null when it has none.
  const CMenuTemplate* GetMenu() const { return m_pMenu; }
  // The bitmaps the last paint copied onto the window.
  const std::vector<CBlit>& GetBlits() const { return m_blits; }
  void AddBlit(const CBlit& blit) { m_blits.push_back(blit); }
  void ClearBlits() { m_blits.clear(); }
  // The bitmap resource a bitmap static shows, 0 for others.
  UINT GetImage() const { return m_nImage; }

 protected:
  // The default processing (DefWindowProc) of the message whose handler is
  // running; 0 outside a handler.
  LRESULT Default();
  // WM_SETCURSOR's default: Windows offers it to the parent, then shows the
  // class cursor.
  BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);

  CWndKind m_kind = CWndKind::Window;
  const CMenuTemplate* m_pMenu = nullptr;
  UINT m_nImage = 0;

 private:
  // The portable window model keeps its state in the window object.
  friend class CModelWindowSystem;

  UINT m_nID = 0;
  DWORD m_dwStyle = 0;
  std::string m_strText;
  CWnd* m_pParent = nullptr;
  CWnd* m_pOwner = nullptr;
  std::vector<CWnd*> m_children;
  RECT m_rect = {0, 0, 0, 0};
  BOOL m_bIconic = FALSE;
  BOOL m_bNeedPaint = FALSE;
  std::vector<CBlit> m_blits;
  // The control that had the focus when this top-level window was disabled
  // (Windows' dialog manager keeps it across deactivation).
  HWND m_hWndSavedFocus = nullptr;
};
