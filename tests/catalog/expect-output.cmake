# Runs a program and compares its exit status with a number and what it
# prints with files. CR LF is read as LF, and "\" in the errors as "/", so
# that one expectation serves the native and the Windows build.
#   cmake -DSTATUS=<n> -DOUTPUT=<file> [-DERRORS=<file>] -P expect-output.cmake -- <program> <argument>...
set(command)
set(in_command FALSE)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(index RANGE ${last})
  if(in_command)
    list(APPEND command "${CMAKE_ARGV${index}}")
  elseif(CMAKE_ARGV${index} STREQUAL "--")
    set(in_command TRUE)
  endif()
endforeach()

execute_process(COMMAND ${command} RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
string(REPLACE "\r\n" "\n" output "${output}")
string(REPLACE "\r\n" "\n" errors "${errors}")
string(REPLACE "\\" "/" errors "${errors}")

if(NOT status STREQUAL "${STATUS}")
  message(SEND_ERROR "exit status ${status}, expected ${STATUS}")
endif()
foreach(stream IN ITEMS OUTPUT ERRORS)
  if(DEFINED ${stream})
    file(READ "${${stream}}" expected)
    string(REPLACE "\r\n" "\n" expected "${expected}")
    string(TOLOWER ${stream} name)
    if(NOT "${${name}}" STREQUAL "${expected}")
      message(SEND_ERROR "${name} differs from ${${stream}}:\n${${name}}")
    endif()
  endif()
endforeach()
