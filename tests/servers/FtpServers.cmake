# Throwaway certificates for the TLS tests (see make-test-certificates for the
# set), made once per build tree by the fixture test_certificates into
# VOK_TEST_CERTIFICATES and kept there.
#   vok_use_test_certificates(<test>)
#     the test requires the fixture and finds the folder in the environment
#     variable VOK_TEST_CERTIFICATES.
set(VOK_TEST_CERTIFICATES ${CMAKE_BINARY_DIR}/test-certificates CACHE INTERNAL
    "folder of the test certificates")
add_test(NAME test_certificates_make
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/make-test-certificates ${VOK_TEST_CERTIFICATES})
set(labels servers)
if(WIN32)
  list(APPEND labels wine)
endif()
set_tests_properties(test_certificates_make PROPERTIES
  FIXTURES_SETUP test_certificates LABELS "${labels}")

function(vok_use_test_certificates test)
  set_property(TEST ${test} APPEND PROPERTY FIXTURES_REQUIRED test_certificates)
  set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT
    VOK_TEST_CERTIFICATES=${VOK_TEST_CERTIFICATES})
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/ServerFixtures.cmake)

# Real FTP servers on 127.0.0.1 as CTest fixtures, started before the first
# test that needs one and stopped after the last (also when tests fail).
# Each lives in ${CMAKE_BINARY_DIR}/ftp-servers/<name>, its home made fresh
# at every start.
#
#   vok_ftp_server(<name> <pyftpdlib|proftpd> <port> [REFUSE_PASV] [SEED <dir>]
#                  [TLS <certificate> [TLS_NO_REUSE]]
#                  [CUT_DATA_AFTER <bytes> [CUT_DATA_MODE reset|close]
#                   [CUT_DATA_FILE <name>]] [OPTIONS <option>...])
#     REFUSE_PASV  the server refuses PASV, so clients must use PORT
#     SEED <dir>   the home starts as a copy of <dir>
#     TLS <certificate>
#                  explicit FTPS required on control and data connections,
#                  with <certificate>.pem and .key: a path without the
#                  ending, or a name of VOK_TEST_CERTIFICATES (server,
#                  other-name, expired, self-signed, untrusted); the server
#                  starts after the fixture test_certificates
#     TLS_NO_REUSE proftpd stops requiring data connections to resume the
#                  control connection's TLS session: for clients under Wine,
#                  whose Schannel never resumes one
#     CUT_DATA_AFTER, CUT_DATA_MODE, CUT_DATA_FILE
#                  pyftpdlib cuts a RETR's data connection after that many
#                  bytes and answers 426: reset (default) or close in good
#                  order (close_notify under TLS), every RETR or only that
#                  file's; the fault proxy's data-reset and data-close for
#                  connections it cannot follow
#     OPTIONS      further options of the start script
#   vok_use_ftp_server(<test> <name>)
#     the test requires the server's fixture and finds it through the
#     environment: VOK_FTP_<NAME> holds "127.0.0.1:<port>", VOK_FTP_<NAME>_HOME
#     the home's path; for a TLS server also VOK_TEST_CERTIFICATES, whose
#     ca.pem is the CA to trust.
function(vok_ftp_server name kind port)
  cmake_parse_arguments(ARG "REFUSE_PASV;TLS_NO_REUSE"
    "SEED;TLS;CUT_DATA_AFTER;CUT_DATA_MODE;CUT_DATA_FILE" "OPTIONS" ${ARGN})
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "vok_ftp_server(${name}): unknown ${ARG_UNPARSED_ARGUMENTS}")
  endif()
  set(state_dir ${CMAKE_BINARY_DIR}/ftp-servers/${name})
  set(scripts ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
  set(options)
  if(ARG_REFUSE_PASV)
    list(APPEND options --refuse-pasv)
  endif()
  if(ARG_SEED)
    list(APPEND options --seed ${ARG_SEED})
  endif()
  if(ARG_TLS)
    cmake_path(ABSOLUTE_PATH ARG_TLS BASE_DIRECTORY ${VOK_TEST_CERTIFICATES})
    list(APPEND options --tls ${ARG_TLS})
  endif()
  if(ARG_TLS_NO_REUSE)
    list(APPEND options --tls-no-reuse)
  endif()
  foreach(option IN ITEMS CUT_DATA_AFTER CUT_DATA_MODE CUT_DATA_FILE)
    if(DEFINED ARG_${option})
      string(TOLOWER "--${option}" flag)
      string(REPLACE "_" "-" flag ${flag})
      list(APPEND options ${flag} ${ARG_${option}})
    endif()
  endforeach()
  list(APPEND options ${ARG_OPTIONS})
  vok_server_fixture(ftp_server_${name} ${state_dir} ${port}
                     ${scripts}/start-${kind} ${state_dir} ${port} ${options})
  if(ARG_TLS)
    set_tests_properties(ftp_server_${name}_start PROPERTIES FIXTURES_REQUIRED test_certificates)
  endif()
  set_property(GLOBAL PROPERTY VOK_FTP_SERVER_${name}_PORT ${port})
  set_property(GLOBAL PROPERTY VOK_FTP_SERVER_${name}_TLS "${ARG_TLS}")
endfunction()

function(vok_use_ftp_server test name)
  string(TOUPPER ${name} variable)
  vok_require_server(${test} ftp_server_${name} VOK_FTP_${variable})
  get_property(tls GLOBAL PROPERTY VOK_FTP_SERVER_${name}_TLS)
  if(tls)
    vok_use_test_certificates(${test})
  endif()
endfunction()
