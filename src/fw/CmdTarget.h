// Message maps: static tables that bind a window message, a command ID or a
// control notification to a member handler, searched from the most derived
// class to its bases as the framework's BEGIN_MESSAGE_MAP tables are.
#pragma once

#include "platform/WinUserTypes.h"

class CCmdTarget;
class CWnd;

// Calls the handler of one entry with the message's arguments and gives the
// message's result.
typedef LRESULT (*AFX_PMSG)(CCmdTarget* pTarget, const MSG& msg);

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;  // WM_COMMAND for commands and notifications; 0 ends a map
  UINT nCode;     // notification code (BN_CLICKED ...), 0 for commands
  UINT nID;       // command or control ID, 0 for window messages
  AFX_PMSG pfn;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* pBaseMap;
  const AFX_MSGMAP_ENTRY* lpEntries;
};

class CCmdTarget {
 public:
  virtual ~CCmdTarget() = default;

  // Routes a command (nCode 0) or a control notification to this object's
  // map; TRUE when a handler took it.
  virtual BOOL OnCmdMsg(UINT nID, UINT nCode);

 protected:
  virtual const AFX_MSGMAP* GetMessageMap() const;
  // The first entry for the message in this object's maps; null when none.
  const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode,
                                           UINT nID) const;
  static const AFX_MSGMAP messageMap;
  static const AFX_MSGMAP_ENTRY _messageEntries[];
};

// Member handler traits used by the map macros.
template <typename T>
struct AfxMemberClass;
template <typename C, typename R, typename... A>
struct AfxMemberClass<R (C::*)(A...)> {
  using type = C;
};

template <auto pfn>
LRESULT AfxThunkVoid(CCmdTarget* pTarget, const MSG&) {
  using C = typename AfxMemberClass<decltype(pfn)>::type;
  (static_cast<C*>(pTarget)->*pfn)();
  return 0;
}

template <auto pfn>
LRESULT AfxThunkTimer(CCmdTarget* pTarget, const MSG& msg) {
  using C = typename AfxMemberClass<decltype(pfn)>::type;
  (static_cast<C*>(pTarget)->*pfn)(static_cast<UINT_PTR>(msg.wParam));
  return 0;
}

template <auto pfn>
LRESULT AfxThunkShowWindow(CCmdTarget* pTarget, const MSG& msg) {
  using C = typename AfxMemberClass<decltype(pfn)>::type;
  (static_cast<C*>(pTarget)->*pfn)(static_cast<BOOL>(msg.wParam),
                                   static_cast<UINT>(msg.lParam));
  return 0;
}

// WM_SETCURSOR: the window under the cursor, the hit-test code, the mouse
// message.
CWnd* AfxWndFromHandle(HWND hWnd);
template <auto pfn>
LRESULT AfxThunkSetCursor(CCmdTarget* pTarget, const MSG& msg) {
  using C = typename AfxMemberClass<decltype(pfn)>::type;
  return (static_cast<C*>(pTarget)->*pfn)(
      AfxWndFromHandle(reinterpret_cast<HWND>(msg.wParam)), LOWORD(msg.lParam),
      HIWORD(msg.lParam));
}

template <auto pfn>
LRESULT AfxThunkCreate(CCmdTarget* pTarget, const MSG&) {
  using C = typename AfxMemberClass<decltype(pfn)>::type;
  return (static_cast<C*>(pTarget)->*pfn)();
}

#define DECLARE_MESSAGE_MAP()                      \
 protected:                                        \
  static const AFX_MSGMAP messageMap;              \
  static const AFX_MSGMAP_ENTRY _messageEntries[]; \
  const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                             \
  const AFX_MSGMAP* theClass::GetMessageMap() const {                      \
    return &theClass::messageMap;                                          \
  }                                                                        \
  const AFX_MSGMAP theClass::messageMap = {&baseClass::messageMap,         \
                                           &theClass::_messageEntries[0]}; \
  const AFX_MSGMAP_ENTRY theClass::_messageEntries[] = {
#define END_MESSAGE_MAP() \
  { 0, 0, 0, nullptr }    \
  }                       \
  ;

// void handler()
#define ON_COMMAND(id, memberFxn) \
  {WM_COMMAND, 0, (id), &AfxThunkVoid<memberFxn>},
#define ON_BN_CLICKED(id, memberFxn) \
  {WM_COMMAND, BN_CLICKED, (id), &AfxThunkVoid<memberFxn>},
#define ON_CBN_SELCHANGE(id, memberFxn) \
  {WM_COMMAND, CBN_SELCHANGE, (id), &AfxThunkVoid<memberFxn>},
// void OnPaint()
#define ON_WM_PAINT(memberFxn) {WM_PAINT, 0, 0, &AfxThunkVoid<memberFxn>},
// void OnTimer(UINT_PTR nIDEvent)
#define ON_WM_TIMER(memberFxn) {WM_TIMER, 0, 0, &AfxThunkTimer<memberFxn>},
// void OnShowWindow(BOOL bShow, UINT nStatus)
#define ON_WM_SHOWWINDOW(memberFxn) \
  {WM_SHOWWINDOW, 0, 0, &AfxThunkShowWindow<memberFxn>},
// BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
#define ON_WM_SETCURSOR(memberFxn) \
  {WM_SETCURSOR, 0, 0, &AfxThunkSetCursor<memberFxn>},
// int OnCreate(): -1 fails the creation
#define ON_WM_CREATE(memberFxn) {WM_CREATE, 0, 0, &AfxThunkCreate<memberFxn>},
