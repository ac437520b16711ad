# Every header compiles on its own: for each header of src (the Windows
# adapters' aside, which the Windows build compiles), a one-line file that
# includes only it is compiled with the host build's include paths. A header
# that leans on an include it doesn't make fails the build of the tests.
file(GLOB_RECURSE QUORREL_CHECKED_HEADERS CONFIGURE_DEPENDS
  RELATIVE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/src/*.h)
list(FILTER QUORREL_CHECKED_HEADERS EXCLUDE REGEX "^platform/win32/")
set(QUORREL_HEADER_CHECK_DIR ${CMAKE_BINARY_DIR}/header-check)
set(QUORREL_HEADER_CHECK_SOURCES)
foreach(header ${QUORREL_CHECKED_HEADERS})
  string(MAKE_C_IDENTIFIER ${header} name)
  set(source ${QUORREL_HEADER_CHECK_DIR}/${name}.cpp)
  file(WRITE ${source}.in "#include \"${header}\"\n")
  configure_file(${source}.in ${source} COPYONLY)
  list(APPEND QUORREL_HEADER_CHECK_SOURCES ${source})
endforeach()
add_library(quorrel_header_check OBJECT ${QUORREL_HEADER_CHECK_SOURCES})
target_include_directories(quorrel_header_check PRIVATE ${CMAKE_SOURCE_DIR}/src
                           ${CURSES_INCLUDE_DIRS})
target_link_libraries(quorrel_header_check PRIVATE quorrel_host
                      PkgConfig::HIVEX)
add_dependencies(quorrel_tests quorrel_header_check)
