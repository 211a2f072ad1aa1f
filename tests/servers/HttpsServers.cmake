# HTTPS servers on 127.0.0.1 as CTest fixtures, as FtpServers.cmake starts
# the FTP ones: each lives in ${CMAKE_BINARY_DIR}/https-servers/<name>, its
# document root (home) made fresh at every start, after the fixture
# test_certificates.
#
#   vok_https_server(<name> <nginx|scripted> <port>)
#     nginx     the test CA's server certificate on <port>, and the flawed
#               ones on <port>+1 to +4 (see start-nginx)
#     scripted  the faults of https-scripted-server.py, with the server
#               certificate
#   vok_use_https_server(<test> <name>)
#     the test requires the server's fixture and finds it through the
#     environment: VOK_HTTPS_<NAME> holds "127.0.0.1:<port>",
#     VOK_HTTPS_<NAME>_HOME the document root; for nginx also
#     VOK_HTTPS_<NAME>_<CERTIFICATE> (OTHER_NAME, EXPIRED, UNTRUSTED,
#     SELF_SIGNED) with the flawed certificates' addresses; and
#     VOK_TEST_CERTIFICATES, whose ca.pem is the CA to trust.
include(${CMAKE_CURRENT_LIST_DIR}/ServerFixtures.cmake)

function(vok_https_server name kind port)
  set(state_dir ${CMAKE_BINARY_DIR}/https-servers/${name})
  set(scripts ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
  if(kind STREQUAL "nginx")
    set(start ${scripts}/start-nginx ${state_dir} ${port} ${VOK_TEST_CERTIFICATES})
  elseif(kind STREQUAL "scripted")
    set(start ${scripts}/start-https-scripted ${state_dir} ${port}
        ${VOK_TEST_CERTIFICATES}/server)
  else()
    message(FATAL_ERROR "vok_https_server(${name}): no server kind ${kind}")
  endif()
  vok_server_fixture(https_server_${name} ${state_dir} ${port} ${start})
  set_tests_properties(https_server_${name}_start PROPERTIES FIXTURES_REQUIRED test_certificates)
  set_property(GLOBAL PROPERTY VOK_HTTPS_SERVER_${name}_KIND ${kind})
endfunction()

function(vok_use_https_server test name)
  string(TOUPPER ${name} variable)
  vok_require_server(${test} https_server_${name} VOK_HTTPS_${variable})
  get_property(port GLOBAL PROPERTY VOK_SERVER_https_server_${name}_PORT)
  get_property(kind GLOBAL PROPERTY VOK_HTTPS_SERVER_${name}_KIND)
  if(kind STREQUAL "nginx")
    # In the order of their ports, as start-nginx gives them.
    foreach(certificate IN ITEMS other-name expired untrusted self-signed)
      math(EXPR port "${port} + 1")
      string(TOUPPER ${certificate} suffix)
      string(REPLACE "-" "_" suffix ${suffix})
      set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT
        VOK_HTTPS_${variable}_${suffix}=127.0.0.1:${port})
    endforeach()
  endif()
  vok_use_test_certificates(${test})
endfunction()
