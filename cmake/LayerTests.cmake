# The layers point one way: for each layer, a file that includes a header of
# a layer it must not see is compiled with the layer's own include paths and
# flags, and the test passes only when the compiler cannot find that header.
# The probe targets are outside the normal build; each probe's header
# exists, so that a probe never passes for want of it.
set(QUORREL_LAYER_PROBES
  "quorrel_platform fw/Wnd.h"
  "quorrel_platform platform/win32/Win32Registry.h"
  "quorrel_fw res/Resource.h"
  "quorrel_res sys/MainForm.h"
  "quorrel_sys update/UpdateRegistry.h"
  "quorrel_update clear/ClearRegistry.h"
  "quorrel_custom update/UpdateRegistry.h"
  "quorrel_repair custom/CustomizationsDlg.h"
  "quorrel_clear app/quorrelApp.h")
set(QUORREL_PROBE_DIR ${CMAKE_BINARY_DIR}/layer-probes)
set(nProbe 0)
foreach(probe ${QUORREL_LAYER_PROBES})
  separate_arguments(probe)
  list(GET probe 0 layer)
  list(GET probe 1 header)
  # A header that isn't there would make the probe pass for nothing.
  if(NOT EXISTS ${CMAKE_SOURCE_DIR}/src/${header})
    message(FATAL_ERROR "layer probe: src/${header} does not exist")
  endif()
  math(EXPR nProbe "${nProbe} + 1")
  set(target ${layer}_probe${nProbe})
  set(source ${QUORREL_PROBE_DIR}/${target}.cpp)
  file(WRITE ${source}.in "#include \"${header}\"\n")
  configure_file(${source}.in ${source} COPYONLY)
  add_library(${target} OBJECT EXCLUDE_FROM_ALL ${source})
  target_link_libraries(${target} PRIVATE ${layer})
  string(REPLACE "." "\\." pattern ${header})
  add_test(NAME LayerSeesNothingAbove.${layer}.${header}
    COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target ${target})
  # GCC's message, then Clang's.
  set_tests_properties(LayerSeesNothingAbove.${layer}.${header} PROPERTIES
    PASS_REGULAR_EXPRESSION "${pattern}: No such file|'${pattern}' file not found"
    RESOURCE_LOCK quorrel_build_tree)
endforeach()
