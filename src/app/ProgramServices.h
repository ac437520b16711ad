// What the lower layers find at run time: the framework the program's
// resources, the operations the busy state of the one application object.
#pragma once

// Once at start, before the application object runs: by each entry of the
// program and by the test harness.
void InstallProgramServices();
