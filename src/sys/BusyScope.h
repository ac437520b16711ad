// The busy state (wait cursor, main window disabled, nesting) as the
// operations use it: a scope that begins it and ends it again. The state
// itself is the application object's, installed here at start.
#pragma once

#include "platform/WinTypes.h"

class IBusyState {
 public:
  // TRUE begins, FALSE ends one level of the busy state.
  virtual void SetBusy(BOOL bBusy) = 0;

 protected:
  ~IBusyState() = default;
};

// The owner of the busy state; null (the default) makes scopes do nothing.
// Gives the previous owner.
IBusyState* SetBusyState(IBusyState* pState);

class CBusyScope {
 public:
  CBusyScope();
  // Ends the busy state unless End or Keep came first.
  ~CBusyScope();
  CBusyScope(const CBusyScope&) = delete;
  CBusyScope& operator=(const CBusyScope&) = delete;

  // Ends it now, before what follows the work (a message box).
  void End();
  // Leaves it in force past the scope: the program ends with the system.
  void Keep();

 private:
  IBusyState* m_pState;
};
