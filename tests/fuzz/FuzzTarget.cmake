# Fuzz targets: libFuzzer programs over the portable code. The fuzz preset
# compiles the whole tree with coverage and the sanitizers; each target adds
# libFuzzer's driver and becomes a CTest test (label fuzz) that runs it for
# a few seconds from its seed corpus, corpus/<name>/.
#   vok_fuzz_target(<name> SOURCES <files...> [LIBS <targets...>] [OPTIONS <libFuzzer flags...>])
# builds fuzz_<name>; OPTIONS reach libFuzzer after the shared ones of run-target.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "The fuzz targets need clang (cmake --preset fuzz)")
endif()

# What the fuzz preset builds: every fuzz target and nothing else.
add_custom_target(fuzz_targets)

# Checks and inputs that every target shares.
add_library(fuzz_support STATIC
  ${CMAKE_CURRENT_LIST_DIR}/fuzz_check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input_file.cpp)
target_include_directories(fuzz_support PUBLIC ${PROJECT_SOURCE_DIR})

function(vok_fuzz_target name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;OPTIONS" ${ARGN})
  set(target fuzz_${name})
  add_executable(${target} ${ARG_SOURCES})
  target_compile_options(${target} PRIVATE -fsanitize=fuzzer)
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${target} PRIVATE fuzz_support ${ARG_LIBS})
  add_dependencies(fuzz_targets ${target})

  # Seconds from VOK_FUZZ_SECONDS (scripts/fuzz), else a short run.
  add_test(NAME ${target}
    COMMAND ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/run-target ${name} $<TARGET_FILE:${target}>
            ${CMAKE_CURRENT_SOURCE_DIR}/corpus/${name} ${CMAKE_BINARY_DIR}/fuzz-runs/${name}
            ${ARG_OPTIONS})
  set_tests_properties(${target} PROPERTIES LABELS fuzz)
endfunction()
