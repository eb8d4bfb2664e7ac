# Wine tests of the setup program: a test setup whose archive carries a stand-in program, the
# probe that drives the wizard, and one scripted scenario per test.
if(NOT KORVALITH_WINDOWS OR NOT TARGET korvalith10 OR NOT COMMAND korvalith_pack_setup)
  return()
endif()

korvalith_windows_program(korvalith_setup_probe SOURCES setup_probe.cpp DEPS user32 CONSOLE)
korvalith_windows_program(korvalith_payload_stub SOURCES payload_stub.cpp)

korvalith_pack_setup(OUTPUT ${CMAKE_BINARY_DIR}/bin/korvalith10_test.exe TARGET korvalith10_test
  PROGRAM $<TARGET_FILE:korvalith_payload_stub>
  LICENSE ${PROJECT_SOURCE_DIR}/resources/License.txt
  HELP ${CMAKE_CURRENT_SOURCE_DIR}/payload_help.txt
  DEPENDS korvalith_payload_stub)

set(scenarios first_install running_copy stubborn_copy locked_file decline_and_cancel
              finish_close_box damaged_trailer bench)
foreach(s ${scenarios})
  korvalith_wine_script(wine.setup.${s} SCRIPT ${CMAKE_CURRENT_SOURCE_DIR}/wine_setup.sh
                        TIMEOUT 150 ARGS ${s} ${KORVALITH_SETUP_IMAGE_DIR}/korvalith10.exe)
endforeach()

korvalith_windows_test(setup_files_test SOURCES attach_files_wine_test.cpp
                       DEPS korvalith_setup_win ZLIB::ZLIB TIMEOUT 120)
