// The user-interface thread's message queue, as Windows keeps it: posted
// messages first, then the adapter's input, then WM_PAINT for windows that
// need painting, then WM_TIMER for timers that are due. Timers run on the
// Clock port, so tests drive them with a fake clock.
#pragma once

#include "platform/WinUserTypes.h"

void AfxPostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
void AfxPostQuitMessage(int nExitCode);

// Takes the next message, waiting for input when there is none. FALSE when
// it is WM_QUIT.
BOOL AfxGetMessage(MSG* pMsg);
// Takes the next message if there is one (PM_REMOVE); never waits.
BOOL AfxPeekMessage(MSG* pMsg);
// Gives a message to its window's WindowProc; 0 for unknown windows.
LRESULT AfxDispatchMessage(const MSG* pMsg);
// Takes, pre-translates and dispatches one message. FALSE on WM_QUIT.
BOOL AfxPumpMessage();
// Takes, pre-translates and dispatches every message waiting now, without
// waiting for more (the waits of long operations call this).
void AfxPumpPendingMessages();

UINT_PTR AfxSetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT nElapse);
BOOL AfxKillTimer(HWND hWnd, UINT_PTR nIDEvent);
// Drops the timers and queued messages of a window being destroyed.
void AfxForgetWindowMessages(HWND hWnd);
// Empties the queue and the timer list (tests run many programs in one
// process).
void AfxResetMessageQueue();

// TRUE for keyboard and mouse messages, which a disabled window never gets.
BOOL AfxIsInputMessage(UINT message);
