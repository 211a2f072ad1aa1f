# A test that runs one of the vendor's tools (under Wine in the Windows tree)
# and compares its exit status and what it prints with files of the calling
# folder; the tests of every tool include this.
#   vok_tool_test(<name> STATUS <n> OUTPUT <file> [ERRORS <file>] COMMAND <target> <argument>...)
set(VOK_EXPECT_OUTPUT ${CMAKE_CURRENT_LIST_DIR}/expect-output.cmake)

function(vok_tool_test name)
  cmake_parse_arguments(ARG "" "STATUS;OUTPUT;ERRORS" "COMMAND" ${ARGN})
  list(POP_FRONT ARG_COMMAND target)
  set(expectations -DSTATUS=${ARG_STATUS} -DOUTPUT=${CMAKE_CURRENT_SOURCE_DIR}/${ARG_OUTPUT})
  if(ARG_ERRORS)
    list(APPEND expectations -DERRORS=${CMAKE_CURRENT_SOURCE_DIR}/${ARG_ERRORS})
  endif()
  add_test(NAME ${name}
           COMMAND ${CMAKE_COMMAND} ${expectations} -P ${VOK_EXPECT_OUTPUT} --
                   ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${target}> ${ARG_COMMAND})
  vok_test_properties(${name} unit)
endfunction()
