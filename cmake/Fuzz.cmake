# The libFuzzer targets; see QUORREL_FUZZ in CMakeLists.txt.
foreach(target RegFileFuzzer CommandLineFuzzer HiveFuzzer)
  add_executable(${target} fuzz/${target}.cpp)
  target_link_libraries(${target} PRIVATE quorrel_host)
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
endforeach()
