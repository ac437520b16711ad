// The Windows test program's entry: the program's resources and busy state
// are installed once, as the program's own entry does, before any test runs.
#include <gmock/gmock.h>

#include "app/ProgramServices.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleMock(&argc, argv);
  InstallProgramServices();
  return RUN_ALL_TESTS();
}
