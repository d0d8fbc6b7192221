# GoogleTest, cross-built from Debian's sources; test programs run under Wine through CTest.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
include(GoogleTest)

# End-to-end tests run the installed programs; this test installs the build into the
# Program Files folder of the test prefix first.
add_test(NAME install_suite
         COMMAND sh -c "test -n \"$WINEPREFIX\" || { echo 'WINEPREFIX is not set: run the tests with scripts/test.sh' >&2; exit 1; }
                        cmake --install \"$0\" --prefix \"$WINEPREFIX/drive_c/$1\" >/dev/null"
                 "${CMAKE_BINARY_DIR}" "${SUITE_PROGRAM_FILES}")
set_tests_properties(install_suite PROPERTIES FIXTURES_SETUP installed_suite)

# suite_add_gtest(<target> SOURCES ... [LIBRARIES ...] [INSTALLED] [RUN_SERIAL] [RESOURCE_LOCK <name>]
#                 [FIXTURES_SETUP <name>])
# INSTALLED: the tests start installed programs, so the suite is installed before they run.
# RUN_SERIAL: the tests change what every program started meanwhile would see; `ctest -j` runs
# them alone.
# RESOURCE_LOCK: the tests share files of that name's resource, so that `ctest -j` runs none of
# them alongside another test holding the same lock.
# FIXTURES_SETUP: the tests make what tests requiring that fixture check.
function(suite_add_gtest target)
  cmake_parse_arguments(ARG "INSTALLED;RUN_SERIAL" "RESOURCE_LOCK;FIXTURES_SETUP" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBRARIES} GTest::gtest_main)
  set(properties "")
  if(ARG_INSTALLED)
    list(APPEND properties FIXTURES_REQUIRED installed_suite)
  endif()
  if(ARG_RUN_SERIAL)
    list(APPEND properties RUN_SERIAL TRUE)
  endif()
  if(ARG_RESOURCE_LOCK)
    list(APPEND properties RESOURCE_LOCK ${ARG_RESOURCE_LOCK})
  endif()
  if(ARG_FIXTURES_SETUP)
    list(APPEND properties FIXTURES_SETUP ${ARG_FIXTURES_SETUP})
  endif()
  if(properties)
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 PROPERTIES ${properties})
  else()
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# suite_add_gtest_german_user(<target> <filter>): the matching tests of an INSTALLED test
# program once more, as "GermanUser.<test>", for a user whose language is German. Wine takes a
# process's user and interface language from LC_ALL, and the programs a test starts inherit it.
function(suite_add_gtest_german_user target filter)
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 TEST_PREFIX "GermanUser."
                       TEST_FILTER "${filter}"
                       PROPERTIES FIXTURES_REQUIRED installed_suite ENVIRONMENT "LC_ALL=de_DE.UTF-8")
endfunction()

# suite_add_fuzz_target(<target> SOURCES ... [LIBRARIES ...] CORPUS <folder>)
# A fuzz target, run under Wine by the test of its name: every input of its corpus folder,
# then SUITE_FUZZ_RUNS inputs made from a fixed seed, each ending at a no-access page.
# scripts/fuzz.sh runs the same test at length.
set(SUITE_FUZZ_RUNS 20000 CACHE STRING "New inputs each fuzz target tries in the test run")
function(suite_add_fuzz_target target)
  cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_options(${target} PRIVATE -municode)
  target_link_libraries(${target} PRIVATE ${ARG_LIBRARIES} fuzz_runner)
  add_test(NAME ${target}
           COMMAND ${target} "${CMAKE_CURRENT_SOURCE_DIR}/${ARG_CORPUS}" --runs ${SUITE_FUZZ_RUNS} --seed 1)
endfunction()
