# GoogleTest from Debian's sources, built with the cross toolchain; the
# tests run under wine64 inside a throwaway test environment (tools/testenv).
enable_testing()
include(GoogleTest)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

set(SI_TESTENV_DIR ${CMAKE_BINARY_DIR}/testenv)
# Every test executable starts through this wrapper, which brings up the
# test environment on first use and runs the program in its prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/tools/wine-run ${SI_TESTENV_DIR})

add_test(NAME testenv.up COMMAND ${CMAKE_SOURCE_DIR}/tools/testenv fresh ${SI_TESTENV_DIR})
set_tests_properties(testenv.up PROPERTIES FIXTURES_SETUP testenv)
add_test(NAME testenv.down COMMAND ${CMAKE_SOURCE_DIR}/tools/testenv down ${SI_TESTENV_DIR})
set_tests_properties(testenv.down PROPERTIES FIXTURES_CLEANUP testenv)

# si_add_gtest(<name> SOURCES ... LIBS ...): one test executable, its cases
# discovered through the emulator when ctest starts.
function(si_add_gtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} test_support gmock gtest_main)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    gtest_discover_tests(${name}
      DISCOVERY_MODE PRE_TEST
      DISCOVERY_TIMEOUT 120
      PROPERTIES FIXTURES_REQUIRED testenv TIMEOUT 300 RUN_SERIAL TRUE)
  endif()
endfunction()
