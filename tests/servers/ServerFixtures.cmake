# What the FTP and HTTPS server fixtures share: a server that a start script
# of this folder runs in the background from its state directory, stopped by
# stop-ftp-server, with its home in <state_dir>/home.
#
#   vok_server_fixture(<fixture> <state_dir> <port> <start command...>)
#     the tests <fixture>_start and <fixture>_stop, as the fixture's setup
#     and cleanup, for a server on <port>
#   vok_require_server(<test> <fixture> <variable>)
#     the test requires the fixture and finds the server in the environment:
#     <variable> holds "127.0.0.1:<port>", <variable>_HOME the home's path
function(vok_server_fixture fixture state_dir port)
  add_test(NAME ${fixture}_start COMMAND ${ARGN})
  add_test(NAME ${fixture}_stop
           COMMAND ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/stop-ftp-server ${state_dir})
  set(labels servers)
  if(WIN32)
    list(APPEND labels wine)
  endif()
  set_tests_properties(${fixture}_start PROPERTIES FIXTURES_SETUP ${fixture} LABELS "${labels}")
  set_tests_properties(${fixture}_stop PROPERTIES FIXTURES_CLEANUP ${fixture} LABELS "${labels}")
  set_property(GLOBAL PROPERTY VOK_SERVER_${fixture}_PORT ${port})
  set_property(GLOBAL PROPERTY VOK_SERVER_${fixture}_STATE ${state_dir})
endfunction()

function(vok_require_server test fixture variable)
  get_property(port GLOBAL PROPERTY VOK_SERVER_${fixture}_PORT)
  if(NOT port)
    message(FATAL_ERROR "no server fixture ${fixture}")
  endif()
  get_property(state_dir GLOBAL PROPERTY VOK_SERVER_${fixture}_STATE)
  set_property(TEST ${test} APPEND PROPERTY FIXTURES_REQUIRED ${fixture})
  set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT
    ${variable}=127.0.0.1:${port} ${variable}_HOME=${state_dir}/home)
endfunction()
