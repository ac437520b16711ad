# The bench's machine generator: the tests' hive writer and suite seed
# (tests/support) over the program's .reg store, built with the program so
# the bench never finds it stale. The bench scripts themselves are Python.
set(BENCH_SUPPORT_SOURCES RegfWriter.cpp HiveMaker.cpp HiveSeed.cpp
  SuiteInstallation.cpp TempDirectory.cpp ProcessRunner.cpp RegfCheck.cpp)
list(TRANSFORM BENCH_SUPPORT_SOURCES PREPEND tests/support/)
add_executable(quorrel-bench-machine bench/BenchMachine.cpp
  ${BENCH_SUPPORT_SOURCES})
target_include_directories(quorrel-bench-machine PRIVATE tests/support)
target_link_libraries(quorrel-bench-machine PRIVATE quorrel_host
  PkgConfig::HIVEX)
