// Bringing the running program forward when a second start asks for it:
// the second instance's SetForegroundWindow sends SIGUSR1. A terminal
// program cannot raise its terminal's window; it repaints, rings the bell
// (which many terminals turn into an urgent or flashing window) and, under
// tmux, makes its own pane the current one of its session.
#pragma once

void InstallComeForwardSignal();
// TRUE once for each request that came since the last call.
bool TakeComeForwardRequest();
// Under tmux, selects the window and pane this program runs in; nothing
// elsewhere.
void RaiseTmuxPane();
