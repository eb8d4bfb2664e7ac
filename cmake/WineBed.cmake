# Registers Windows programs as ctest tests that run under Wine, each in a private prefix.
#
# One fixture per build starts a private Xvfb and makes the template prefix once; every test
# then runs in its own copy of the template, with its own wineserver, and ends only what it
# started. tests/wine/winebed.sh does the work.

set(KORVALITH_WINEBED ${PROJECT_SOURCE_DIR}/tests/wine/winebed.sh)
set(KORVALITH_WINEBED_STATE ${CMAKE_BINARY_DIR}/winebed)

add_test(NAME wine.bed.start COMMAND bash ${KORVALITH_WINEBED} start ${KORVALITH_WINEBED_STATE})
set_tests_properties(wine.bed.start PROPERTIES FIXTURES_SETUP winebed TIMEOUT 180)
add_test(NAME wine.bed.stop COMMAND bash ${KORVALITH_WINEBED} stop ${KORVALITH_WINEBED_STATE})
set_tests_properties(wine.bed.stop PROPERTIES FIXTURES_CLEANUP winebed TIMEOUT 60)

# korvalith_wine_test(name [TIMEOUT s] [LOCK] COMMAND exe args...)
#   LOCK: the test sends input through the X server (keys, pointer) and must not overlap
#   another such test on the shared display.
function(korvalith_wine_test name)
  cmake_parse_arguments(A "LOCK" "TIMEOUT" "COMMAND" ${ARGN})
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT 120)
  endif()
  add_test(NAME ${name}
           COMMAND bash ${KORVALITH_WINEBED} run ${KORVALITH_WINEBED_STATE} ${name} ${A_TIMEOUT} ${A_COMMAND})
  math(EXPR ctest_timeout "${A_TIMEOUT} + 60")
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED winebed TIMEOUT ${ctest_timeout})
  if(A_LOCK)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK x_input)
  endif()
endfunction()

# korvalith_wine_script(name SCRIPT file [TIMEOUT s] [LOCK] [ARGS ...])
#   A bash script that drives Windows programs itself. It sees WINEBED (the harness, to be
#   sourced), WINEBED_STATE, WINEBED_GROUP and KORVALITH_BIN (the folder of the built programs).
function(korvalith_wine_script name)
  cmake_parse_arguments(A "LOCK" "SCRIPT;TIMEOUT" "ARGS" ${ARGN})
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT 120)
  endif()
  add_test(NAME ${name}
           COMMAND timeout -k 10 ${A_TIMEOUT} bash ${A_SCRIPT} ${A_ARGS})
  math(EXPR ctest_timeout "${A_TIMEOUT} + 30")
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED winebed TIMEOUT ${ctest_timeout}
    ENVIRONMENT "WINEBED=${KORVALITH_WINEBED};WINEBED_STATE=${KORVALITH_WINEBED_STATE};WINEBED_GROUP=${name};KORVALITH_BIN=${CMAKE_BINARY_DIR}/bin")
  if(A_LOCK)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK x_input)
  endif()
endfunction()
