# Windows build (cross-compiled with cmake/mingw-w64-i686.cmake): the Win32
# adapters, quorrel.exe with its resources, and the tests that run under
# Wine.
enable_language(RC)

# The program is for Windows NT 4.0: the headers offer nothing newer, and
# the image says it runs there (subsystem and OS version 4.0; the linker's
# default, 5.1 and later, makes NT 4.0's loader refuse it).
add_compile_definitions(_WIN32_WINNT=0x0400 WINVER=0x0400)
set(QUORREL_NT4_IMAGE
  -Wl,--major-subsystem-version,4 -Wl,--minor-subsystem-version,0
  -Wl,--major-os-version,4 -Wl,--minor-os-version,0)

# Windows' MSG has a member (pt) more than the portable one; the logic's
# MSG{...} initialisers leave it zero, as intended.
foreach(layer ${QUORREL_LAYERS})
  target_compile_options(${layer} PRIVATE -Wno-missing-field-initializers)
endforeach()

file(GLOB WIN32_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp)
list(FILTER WIN32_SOURCES EXCLUDE REGEX ".*/Win32Main\\.cpp$")
# The UI adapter renders the framework's windows (src/fw).
if(EXISTS ${CMAKE_SOURCE_DIR}/src/fw/UiAdapter.h)
  file(GLOB WIN32_UI_SOURCES CONFIGURE_DEPENDS src/platform/win32/ui/*.cpp)
  list(APPEND WIN32_SOURCES ${WIN32_UI_SOURCES})
endif()
add_library(quorrel_win32 STATIC ${WIN32_SOURCES})
target_link_libraries(quorrel_win32 PUBLIC
  quorrel_core advapi32 user32 gdi32 shell32 ole32 comctl32)

# The C and C++ runtimes linked in: quorrel.exe runs on its own.
set(QUORREL_STATIC_RUNTIME -static -static-libgcc -static-libstdc++
  ${QUORREL_NT4_IMAGE})

# The resource script and its pictures come from a generator built for, and
# run on, the build machine: taken from a host build of the same sources
# when QUORREL_HOST_TOOLS names one (tools/test.sh has just built it),
# else built here.
set(QUORREL_HOST_TOOLS "" CACHE PATH
    "Host build folder holding quorrel_rcgen")
if(QUORREL_HOST_TOOLS)
  set(QUORREL_RCGEN ${QUORREL_HOST_TOOLS}/quorrel_rcgen)
  add_custom_target(quorrel_host_tools)
else()
  include(ExternalProject)
  include(ProcessorCount)
  ProcessorCount(QUORREL_JOBS)
  set(QUORREL_HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools)
  set(QUORREL_RCGEN ${QUORREL_HOST_TOOLS_DIR}/quorrel_rcgen)
  ExternalProject_Add(quorrel_host_tools
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${QUORREL_HOST_TOOLS_DIR}
    CMAKE_ARGS -DQUORREL_TOOLS_ONLY=ON -DCMAKE_BUILD_TYPE=Release
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> -j ${QUORREL_JOBS}
                  --target quorrel_rcgen
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${QUORREL_RCGEN})
endif()

set(QUORREL_RES_DIR ${CMAKE_BINARY_DIR}/res)
set(QUORREL_RC ${QUORREL_RES_DIR}/quorrel.rc)
add_custom_command(
  OUTPUT ${QUORREL_RC}
         ${QUORREL_RES_DIR}/splash105.bmp
         ${QUORREL_RES_DIR}/logo211.bmp
         ${QUORREL_RES_DIR}/main101.ico
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QUORREL_RES_DIR}
  COMMAND ${QUORREL_RCGEN} ${QUORREL_RES_DIR}
  DEPENDS ${QUORREL_RCGEN} quorrel_host_tools
  COMMENT "Generating the resource script")

# The program's manifest (resource 1 of type 24, RT_MANIFEST).
set(QUORREL_MANIFEST_RC ${QUORREL_RES_DIR}/manifest.rc)
file(WRITE ${QUORREL_MANIFEST_RC}.in
     "1 24 \"${CMAKE_SOURCE_DIR}/src/platform/win32/quorrel.exe.manifest\"\n")
configure_file(${QUORREL_MANIFEST_RC}.in ${QUORREL_MANIFEST_RC} COPYONLY)
set_source_files_properties(${QUORREL_MANIFEST_RC} PROPERTIES OBJECT_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/platform/win32/quorrel.exe.manifest)

add_executable(quorrel WIN32 src/platform/win32/Win32Main.cpp ${QUORREL_RC}
               ${QUORREL_MANIFEST_RC})
target_include_directories(quorrel PRIVATE ${QUORREL_RES_DIR})
target_link_libraries(quorrel PRIVATE quorrel_win32)
target_link_options(quorrel PRIVATE ${QUORREL_STATIC_RUNTIME})

include(cmake/Win32Tests.cmake)
