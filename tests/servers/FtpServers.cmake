# Real FTP servers on 127.0.0.1 as CTest fixtures, started before the first
# test that needs one and stopped after the last (also when tests fail).
# Each lives in ${CMAKE_BINARY_DIR}/ftp-servers/<name>, its home made fresh
# at every start.
#
#   vok_ftp_server(<name> <pyftpdlib|proftpd> <port> [REFUSE_PASV] [SEED <dir>])
#     REFUSE_PASV  the server refuses PASV, so clients must use PORT
#     SEED <dir>   the home starts as a copy of <dir>
#   vok_use_ftp_server(<test> <name>)
#     the test requires the server's fixture and finds it through the
#     environment: VOK_FTP_<NAME> holds "127.0.0.1:<port>", VOK_FTP_<NAME>_HOME
#     the home's path.
function(vok_ftp_server name kind port)
  cmake_parse_arguments(ARG "REFUSE_PASV" "SEED" "" ${ARGN})
  set(state_dir ${CMAKE_BINARY_DIR}/ftp-servers/${name})
  set(scripts ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
  set(options)
  if(ARG_REFUSE_PASV)
    list(APPEND options --refuse-pasv)
  endif()
  if(ARG_SEED)
    list(APPEND options --seed ${ARG_SEED})
  endif()
  add_test(NAME ftp_server_${name}_start
           COMMAND ${scripts}/start-${kind} ${state_dir} ${port} ${options})
  add_test(NAME ftp_server_${name}_stop
           COMMAND ${scripts}/stop-ftp-server ${state_dir})
  set(labels servers)
  if(WIN32)
    list(APPEND labels wine)
  endif()
  set_tests_properties(ftp_server_${name}_start PROPERTIES
    FIXTURES_SETUP ftp_server_${name} LABELS "${labels}")
  set_tests_properties(ftp_server_${name}_stop PROPERTIES
    FIXTURES_CLEANUP ftp_server_${name} LABELS "${labels}")
  set_property(GLOBAL PROPERTY VOK_FTP_SERVER_${name}_PORT ${port})
endfunction()

function(vok_use_ftp_server test name)
  get_property(port GLOBAL PROPERTY VOK_FTP_SERVER_${name}_PORT)
  if(NOT port)
    message(FATAL_ERROR "no FTP server named ${name}")
  endif()
  string(TOUPPER ${name} variable)
  set_property(TEST ${test} APPEND PROPERTY FIXTURES_REQUIRED ftp_server_${name})
  set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT
    VOK_FTP_${variable}=127.0.0.1:${port}
    VOK_FTP_${variable}_HOME=${CMAKE_BINARY_DIR}/ftp-servers/${name}/home)
endfunction()
