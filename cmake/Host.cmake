# Host build: adapters for any POSIX machine, the quorrel executable, tests.
file(GLOB HOST_SOURCES CONFIGURE_DEPENDS src/platform/host/*.cpp
  src/platform/host/store/*.cpp src/platform/host/regfile/*.cpp
  src/platform/host/hive/*.cpp src/platform/host/services/*.cpp
  src/platform/host/files/*.cpp src/platform/host/tui/*.cpp)
list(FILTER HOST_SOURCES EXCLUDE REGEX ".*/HostMain\\.cpp$")
add_library(quorrel_host STATIC ${HOST_SOURCES})
set(CURSES_NEED_WIDE TRUE)
find_package(Curses REQUIRED)
target_include_directories(quorrel_host PRIVATE ${CURSES_INCLUDE_DIRS})
target_link_libraries(quorrel_host PUBLIC quorrel_core ${CURSES_LIBRARIES})

add_executable(quorrel src/platform/host/HostMain.cpp)
target_link_libraries(quorrel PRIVATE quorrel_host)

enable_testing()
find_package(GTest REQUIRED)
# The store reads and writes NT hives itself (src/platform/host/hive);
# libhivex is one of the independent readers the tests check it with.
find_package(PkgConfig REQUIRED)
pkg_check_modules(HIVEX REQUIRED IMPORTED_TARGET hivex)
# The tests sit in folders by the layer they exercise, as src does. A test
# put directly in tests/ (one written before the folders) stops the
# configure, so that it gets its place rather than staying loose.
file(GLOB TESTS_NOT_IN_A_FOLDER CONFIGURE_DEPENDS tests/*.cpp)
if(TESTS_NOT_IN_A_FOLDER)
  message(FATAL_ERROR "tests/ holds ${TESTS_NOT_IN_A_FOLDER}: move each test "
    "into the folder of the layer it exercises (tests/fw, tests/clear, "
    "tests/host/store, tests/endtoend ...; see the README)")
endif()
file(GLOB_RECURSE TEST_SOURCES CONFIGURE_DEPENDS tests/*.cpp)
# Windows only: built by the Windows tests (cmake/Win32Tests.cmake).
list(FILTER TEST_SOURCES EXCLUDE REGEX "/tests/win32/")
add_executable(quorrel_tests ${TEST_SOURCES})
target_include_directories(quorrel_tests PRIVATE tests)
target_link_libraries(quorrel_tests PRIVATE quorrel_host GTest::gtest GTest::gmock
  PkgConfig::HIVEX)
target_compile_definitions(quorrel_tests PRIVATE
  QUORREL_EXE="$<TARGET_FILE:quorrel>"
  QUORREL_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
add_dependencies(quorrel_tests quorrel)
include(GoogleTest)
gtest_discover_tests(quorrel_tests DISCOVERY_TIMEOUT 60)

# quorrel-reg: the registry store of the machine directory from the shell.
file(GLOB REG_TOOL_SOURCES CONFIGURE_DEPENDS src/platform/host/tools/*.cpp)
add_executable(quorrel-reg ${REG_TOOL_SOURCES})
target_link_libraries(quorrel-reg PRIVATE quorrel_host)
add_dependencies(quorrel_tests quorrel-reg)
target_compile_definitions(quorrel_tests PRIVATE
  QUORREL_REG_EXE="$<TARGET_FILE:quorrel-reg>")
include(cmake/Bench.cmake)
