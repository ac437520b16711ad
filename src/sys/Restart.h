// The request to restart the computer at once, made only after the user
// agreed (or at the end of a MAC database repair); never in a silent run.
#pragma once

// Enters the busy state; on success the program ends with the system. A
// request that fails goes to the debug channel, ends the busy state and
// tells the user why, with the Windows error.
void RestartComputer();
