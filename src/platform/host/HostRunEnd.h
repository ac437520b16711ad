// Ending a run in order on the host. SIGTERM, SIGHUP (the terminal closed)
// and SIGINT only note the signal; the host's waits (terminal input,
// sleeps) then ask the program to end as its user would, through the end
// request the entry point installs (the message loop ends, windows close,
// the store is closed). A restart request ends the run the same way, as
// Windows' shutdown ends its programs.
#pragma once

#include <functional>

void InstallHostEndSignals();
void SetHostEndRequest(std::function<void()> request);
// Asks for the end now (a restart request).
void RequestHostRunEnd();
// Called by the waits: runs the end request once when a signal arrived.
void CheckHostEndSignal();
// The signal that ended the run, or 0.
int HostEndSignal();
// TRUE once the end was asked for (a signal seen by a wait, the terminal
// gone, a restart request): waits for a person end at once from then on.
bool HostRunEnding();
