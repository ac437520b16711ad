// The request to restart the computer at once, made only after the user
// agreed (or at the end of a MAC database repair); never in a silent run.
#pragma once

// Enters the busy state and never leaves it: on success the program ends
// with the system. Failures go to the debug channel only.
void RestartComputer();
