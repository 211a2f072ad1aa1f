# Helpers shared by the library's modules and by the tests.

# One module of the support library: an object library whose code ends up in
# every form of the library (shared, DLL and static). Only the names that
# sapi/sapi.h marks are visible outside; the code stays C-linkable (no C++
# runtime needed by whoever links the static library).
# With VOK_SANITIZE a second, sanitized object library <name>_sanitized is built
# from the same sources for the tests.
function(sapi_module name)
  set(variants ${name})
  if(VOK_SANITIZE)
    list(APPEND variants ${name}_sanitized)
  endif()
  foreach(variant IN LISTS variants)
    add_library(${variant} OBJECT ${ARGN})
    target_include_directories(${variant} PUBLIC ${PROJECT_SOURCE_DIR})
    target_compile_definitions(${variant} PRIVATE SAPI_BUILD)
    target_compile_options(${variant} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions -fno-rtti>)
    set_target_properties(${variant} PROPERTIES
      POSITION_INDEPENDENT_CODE ON
      C_VISIBILITY_PRESET hidden
      CXX_VISIBILITY_PRESET hidden
      VISIBILITY_INLINES_HIDDEN ON)
  endforeach()
  if(VOK_SANITIZE)
    vok_sanitize(${name}_sanitized)
  endif()
endfunction()

# AddressSanitizer and UndefinedBehaviorSanitizer on one target, when asked for.
function(vok_sanitize target)
  if(VOK_SANITIZE)
    target_compile_options(${target} PRIVATE
      -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# A test program registered with CTest. Under the Windows build it runs through
# Wine (the toolchain's emulator) once the throwaway prefix exists.
#   vok_add_test(<name> SOURCES <files...> [LIBS <targets...>] [LABELS <labels...>])
function(vok_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  vok_sanitize(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  add_test(NAME ${name} COMMAND ${name})
  set(labels ${ARG_LABELS})
  if(NOT labels)
    set(labels unit)
  endif()
  vok_test_properties(${name} ${labels})
endfunction()

# Labels and, on Windows, the Wine prefix fixture for a test already added.
function(vok_test_properties test)
  set(labels ${ARGN})
  if(WIN32)
    list(APPEND labels wine)
    set_tests_properties(${test} PROPERTIES FIXTURES_REQUIRED wine_prefix
      ENVIRONMENT "WINEPREFIX=${VOK_WINEPREFIX}")
  endif()
  set_tests_properties(${test} PROPERTIES LABELS "${labels}"
    WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()

# A static library of the wizard's logic that needs no window: built on every
# platform, so that it is tested natively (sanitized) as well as under Wine.
#   vok_portable_library(<name> SOURCES <files...> LIBS <targets...>)
function(vok_portable_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  vok_sanitize(${name})
endfunction()
