# Tests of the Windows build, run under Wine (CMAKE_CROSSCOMPILING_EMULATOR):
# GoogleTest compiled for Windows from Debian's sources (libgtest-dev), the
# adapter tests of tests/win32 and the end-to-end scripts of tests/win32.
set(QUORREL_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${QUORREL_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest
                 EXCLUDE_FROM_ALL)
# Their sources are not held to this project's warning flags.
foreach(target gtest gtest_main gmock gmock_main)
  set_property(TARGET ${target} PROPERTY COMPILE_OPTIONS "")
endforeach()
# The win32 thread model of the NT 4.0 toolchain has no std::mutex: the
# tests' customisation of GoogleTest stands in where it needs one.
target_include_directories(gtest BEFORE PUBLIC
                           ${CMAKE_SOURCE_DIR}/tests/win32/gtest-custom)

file(GLOB WIN32_TEST_SOURCES CONFIGURE_DEPENDS tests/win32/*.cpp)
# The registry conformance suite, with the real registry as its subject.
if(EXISTS ${CMAKE_SOURCE_DIR}/tests/conformance/RegistryConformanceTest.cpp)
  list(APPEND WIN32_TEST_SOURCES tests/conformance/RegistryConformanceTest.cpp)
else()
  list(FILTER WIN32_TEST_SOURCES EXCLUDE REGEX ".*/RegistryConformanceWin32\\.cpp$")
endif()
# The dialogs on the native window system, with the framework.
if(NOT EXISTS ${CMAKE_SOURCE_DIR}/src/fw/UiAdapter.h)
  list(FILTER WIN32_TEST_SOURCES EXCLUDE REGEX
       ".*/DialogScreenshotTest\\.cpp$")
endif()
add_executable(quorrel_win32_tests ${WIN32_TEST_SOURCES} ${QUORREL_RC}
               ${QUORREL_MANIFEST_RC})
target_include_directories(quorrel_win32_tests PRIVATE tests
                           ${QUORREL_RES_DIR})
target_link_libraries(quorrel_win32_tests PRIVATE quorrel_win32 gmock gtest)
target_link_options(quorrel_win32_tests PRIVATE ${QUORREL_STATIC_RUNTIME})

enable_testing()
add_test(NAME win32_unit COMMAND quorrel_win32_tests)

# End to end, in the Wine prefix of the test run (WINEPREFIX): the scripts
# drive quorrel.exe and read the registry back with Wine's own `reg`.
add_test(NAME win32_silent_update
  COMMAND sh ${CMAKE_SOURCE_DIR}/tests/win32/silent_update.sh
          $<TARGET_FILE:quorrel> ${CMAKE_SOURCE_DIR}/tests/data/CardDatabase.txt)

# The window driver of the interactive end-to-end test.
file(GLOB UIDRIVER_SOURCES CONFIGURE_DEPENDS tests/win32/uidriver/*.cpp)
add_executable(quorrel_uidriver ${UIDRIVER_SOURCES})
target_link_libraries(quorrel_uidriver PRIVATE user32)
target_link_options(quorrel_uidriver PRIVATE ${QUORREL_STATIC_RUNTIME})
add_test(NAME win32_silent_delete
  COMMAND sh ${CMAKE_SOURCE_DIR}/tests/win32/silent_delete.sh
          $<TARGET_FILE:quorrel>)
# The interactive program, once its main window is part of it.
if(EXISTS ${CMAKE_SOURCE_DIR}/src/app/MainFrame.cpp)
  add_test(NAME win32_interactive
    COMMAND sh ${CMAKE_SOURCE_DIR}/tests/win32/interactive.sh
            $<TARGET_FILE:quorrel> $<TARGET_FILE:quorrel_uidriver>)
  add_test(NAME win32_native_input
    COMMAND sh ${CMAKE_SOURCE_DIR}/tests/win32/native_input.sh
            $<TARGET_FILE:quorrel> $<TARGET_FILE:quorrel_uidriver>)
endif()
