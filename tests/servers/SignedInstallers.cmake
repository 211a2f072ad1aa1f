# Installers signed at test time (see make-signed-installers for the set),
# made by the fixture signed_installers into VOK_SIGNED_INSTALLERS from a tiny
# PE program that mingw-w64 builds in either tree.
#   vok_use_signed_installers(<test>)
#     the test requires the fixture and finds the folder in the environment
#     variable VOK_SIGNED_INSTALLERS.
find_program(VOK_MINGW_GCC x86_64-w64-mingw32-gcc REQUIRED)
set(tiny_installer ${CMAKE_BINARY_DIR}/tiny-installer.exe)
add_custom_command(OUTPUT ${tiny_installer}
  COMMAND ${VOK_MINGW_GCC} -Os -s -o ${tiny_installer} ${CMAKE_CURRENT_LIST_DIR}/tiny-installer.c
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/tiny-installer.c VERBATIM)
add_custom_target(tiny_installer ALL DEPENDS ${tiny_installer})

set(VOK_SIGNED_INSTALLERS ${CMAKE_BINARY_DIR}/signed-installers CACHE INTERNAL
    "folder of the installers signed at test time")
add_test(NAME signed_installers_make
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/make-signed-installers ${VOK_TEST_CERTIFICATES}
                 ${tiny_installer} ${VOK_SIGNED_INSTALLERS})
set_tests_properties(signed_installers_make PROPERTIES
  FIXTURES_SETUP signed_installers FIXTURES_REQUIRED test_certificates LABELS "${labels}")

function(vok_use_signed_installers test)
  set_property(TEST ${test} APPEND PROPERTY FIXTURES_REQUIRED signed_installers)
  set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT
    VOK_SIGNED_INSTALLERS=${VOK_SIGNED_INSTALLERS})
endfunction()
