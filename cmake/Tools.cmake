# Build-machine tools: the generator of the Windows build's resource script
# and pictures (tools/rcgen), over the program's own resource data.
file(GLOB RCGEN_SOURCES CONFIGURE_DEPENDS tools/rcgen/*.cpp)
list(FILTER RCGEN_SOURCES EXCLUDE REGEX ".*/RcGenMain\\.cpp$")
add_library(quorrel_rcgen_lib STATIC ${RCGEN_SOURCES})
target_include_directories(quorrel_rcgen_lib PUBLIC tools/rcgen)
target_link_libraries(quorrel_rcgen_lib PUBLIC quorrel_core)

add_executable(quorrel_rcgen tools/rcgen/RcGenMain.cpp)
target_link_libraries(quorrel_rcgen PRIVATE quorrel_rcgen_lib)

if(TARGET quorrel_tests)
  target_link_libraries(quorrel_tests PRIVATE quorrel_rcgen_lib)
endif()
