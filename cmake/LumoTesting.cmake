# Test registration. Each GoogleTest executable is discovered into one ctest
# entry per test, named "<tree>.<Suite>.<Test>" so that the native and the
# Windows trees can run side by side in one ctest invocation.

if(NOT LUMO_BUILD_TESTS)
  return()
endif()

enable_testing()
include(GoogleTest)

if(WIN32)
  set(LUMO_TEST_TREE win64)
  # Windows tests run under wine64 in the tree's own prefix; the wrapper
  # creates the prefix on first use, so ctest works on its own as well.
  set(LUMO_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  configure_file(${PROJECT_SOURCE_DIR}/tools/wine/wine-run.in
                 ${CMAKE_BINARY_DIR}/wine-run @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                  GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
else()
  set(LUMO_TEST_TREE native)
endif()

# lumo_gtest(NAME SOURCES... [LIBS libs...] [PROPERTIES ctest properties...])
# PROPERTIES go to every test of the executable: RESOURCE_LOCK for tests that
# change the same registry values (browser_launch_command,
# machine_identity_registry) or move the real mouse pointer (lumo_input).
function(lumo_gtest name)
  cmake_parse_arguments(ARG "" "" "LIBS;PROPERTIES" ${ARGN})
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  # Discovery runs the executable; under wine that belongs to the test run,
  # where the harness keeps a wineserver warm, not to the build.
  gtest_discover_tests(${name} TEST_PREFIX "${LUMO_TEST_TREE}."
                       DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
                       PROPERTIES TIMEOUT 120 ${ARG_PROPERTIES})
endfunction()

if(NOT WIN32)
  add_test(NAME native.SourcesAreClangFormatClean COMMAND ${PROJECT_SOURCE_DIR}/tools/check-format.sh)
endif()
