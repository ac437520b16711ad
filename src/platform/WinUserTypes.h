// The user-interface vocabulary of user32 beyond WinTypes.h: messages,
// control styles and notifications, virtual keys, rectangles. On Windows
// they come from <windows.h>; elsewhere they are defined here with the same
// values, so that dialog templates and UI adapters share one set of codes.
#pragma once

#include "WinTypes.h"

#ifndef _WIN32
typedef uintptr_t UINT_PTR;

typedef struct tagPOINT {
  LONG x;
  LONG y;
} POINT;

typedef struct tagRECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
} RECT;

typedef struct tagSIZE {
  LONG cx;
  LONG cy;
} SIZE;

typedef struct tagMSG {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  DWORD time;
  POINT pt;
} MSG;

typedef struct tagCREATESTRUCTA {
  void* lpCreateParams;
  HANDLE hInstance;
  HANDLE hMenu;
  HWND hwndParent;
  int cy;
  int cx;
  int y;
  int x;
  LONG style;
  const char* lpszName;
  const char* lpszClass;
  DWORD dwExStyle;
} CREATESTRUCTA, CREATESTRUCT;

#define CW_USEDEFAULT ((int)0x80000000)
#define WS_OVERLAPPEDWINDOW                                                   \
  (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | \
   WS_MAXIMIZEBOX)

#define MAKEWPARAM(l, h) \
  ((WPARAM)(DWORD)(((WORD)(l)) | (((DWORD)(WORD)(h)) << 16)))
#define MAKELPARAM(l, h) \
  ((LPARAM)(DWORD)(((WORD)(l)) | (((DWORD)(WORD)(h)) << 16)))
#define LOWORD(l) ((WORD)(((uintptr_t)(l)) & 0xffff))
#define HIWORD(l) ((WORD)((((uintptr_t)(l)) >> 16) & 0xffff))

// Messages not in WinTypes.h.
#define WM_NULL 0x0000
#define WM_SETFOCUS 0x0007
#define WM_ENABLE 0x000A
#define WM_SETTEXT 0x000C
#define WM_QUIT 0x0012
#define WM_NCDESTROY 0x0082
#define WM_INITDIALOG 0x0110
#define WM_SYSCOMMAND 0x0112
#define WM_RBUTTONUP 0x0205
#define WM_MBUTTONUP 0x0208
#define WM_SYSKEYUP 0x0105
#define WM_USER 0x0400
#define BM_GETCHECK 0x00F0
#define BM_SETCHECK 0x00F1
#define BM_CLICK 0x00F5
#define CB_GETCOUNT 0x0146
#define CB_GETCURSEL 0x0147
#define CB_SETCURSEL 0x014E
#define CB_ADDSTRING 0x0143
#define CB_GETLBTEXT 0x0148
#define CB_GETLBTEXTLEN 0x0149

// Notifications.
#define CBN_DROPDOWN 7

// Check states.
#define BST_UNCHECKED 0x0000
#define BST_CHECKED 0x0001
#define CB_ERR (-1)

// Window styles not in WinTypes.h.
#define WS_OVERLAPPED 0x00000000L
#define WS_DLGFRAME 0x00400000L
#define WS_VSCROLL 0x00200000L
#define WS_THICKFRAME 0x00040000L
#define WS_MINIMIZEBOX 0x00020000L
#define WS_MAXIMIZEBOX 0x00010000L
#define WS_EX_CLIENTEDGE 0x00000200L

// Dialog styles.
#define DS_SETFONT 0x40L
#define DS_MODALFRAME 0x80L
#define DS_CENTER 0x0800L

// Button styles.
#define BS_PUSHBUTTON 0x00000000L
#define BS_DEFPUSHBUTTON 0x00000001L
#define BS_CHECKBOX 0x00000002L
#define BS_AUTOCHECKBOX 0x00000003L
#define BS_RADIOBUTTON 0x00000004L
#define BS_GROUPBOX 0x00000007L
#define BS_AUTORADIOBUTTON 0x00000009L
#define BS_TYPEMASK 0x0000000FL
#define BS_TOP 0x00000400L
#define BS_MULTILINE 0x00002000L

// Static styles.
#define SS_LEFT 0x00000000L
#define SS_BLACKRECT 0x00000004L
#define SS_BITMAP 0x0000000EL
#define SS_TYPEMASK 0x0000001FL
#define SS_CENTERIMAGE 0x00000200L
#define SS_SUNKEN 0x00001000L

// Combo box styles.
#define CBS_DROPDOWNLIST 0x0003L
#define CBS_SORT 0x0100L

// System commands.
#define SC_CLOSE 0xF060

// Virtual keys.
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_MENU 0x12
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_F4 0x73
#define VK_F10 0x79

#endif  // _WIN32

// Standard commands of the framework (afxres.h): not in <windows.h>.
#ifndef ID_FILE_NEW
#define ID_FILE_NEW 0xE100
#endif
#ifndef ID_FILE_OPEN
#define ID_FILE_OPEN 0xE101
#endif
#ifndef ID_FILE_PRINT_SETUP
#define ID_FILE_PRINT_SETUP 0xE106
#endif
#ifndef ID_FILE_PRINT
#define ID_FILE_PRINT 0xE107
#endif
#ifndef ID_FILE_PRINT_DIRECT
#define ID_FILE_PRINT_DIRECT 0xE108
#endif
#ifndef ID_FILE_PRINT_PREVIEW
#define ID_FILE_PRINT_PREVIEW 0xE109
#endif
#ifndef ID_APP_ABOUT
#define ID_APP_ABOUT 0xE140
#endif
#ifndef ID_APP_EXIT
#define ID_APP_EXIT 0xE141
#endif

// A message with the given fields and the rest zero (MSG has more fields
// on Windows than the framework fills in).
inline MSG AfxMakeMsg(HWND hWnd, UINT message, WPARAM wParam = 0,
                      LPARAM lParam = 0) {
  MSG msg = {};
  msg.hwnd = hWnd;
  msg.message = message;
  msg.wParam = wParam;
  msg.lParam = lParam;
  return msg;
}

// Keyboard modifier state carried in a key message's lParam by the
// framework's input adapters (bit 29 is Windows' context code for Alt).
constexpr LPARAM kKeyAltDown = 1 << 29;
// The framework's own flag for Shift held with a key (Windows reads it with
// GetKeyState instead).
constexpr LPARAM kKeyShiftDown = 1 << 28;
