// What the system under the tests says about itself, for the end-to-end
// scripts to compare the program's figures with.
#pragma once

// "MAJOR.MINOR.BUILD NT|9x 32-bit|WOW64": the version GetVersionExA gives
// and whether this 32-bit program runs on a 64-bit system.
int CmdVersion();
// "TOTAL_KB AVAIL_KB PROCESSOR_TYPE FREE_KB": physical memory, the
// processor type, the free space of the current drive (FREE_KB "-" when
// the query fails).
int CmdFigures();
