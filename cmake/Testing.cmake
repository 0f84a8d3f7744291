# GoogleTest from Debian's sources, built with the cross toolchain; the
# tests run under wine64 inside a throwaway test environment (tools/testenv).
enable_testing()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# Quick to build rather than fast, as the tests (cmake/PrecompiledHeaders.cmake).
foreach(target gtest gtest_main gmock gmock_main)
  target_compile_options(${target} PRIVATE -O1)
endforeach()

set(SI_TESTENV_DIR ${CMAKE_BINARY_DIR}/testenv)
# Every test executable starts through this wrapper, which brings up the
# test environment on first use and runs the program in its prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/tools/wine-run ${SI_TESTENV_DIR})

# si_add_testenv(<fixture> <dir>): a test environment in dir, brought up
# afresh before the tests that require the fixture and taken down after them.
function(si_add_testenv fixture dir)
  add_test(NAME ${fixture}.up COMMAND ${CMAKE_SOURCE_DIR}/tools/testenv fresh ${dir} unmanaged)
  set_tests_properties(${fixture}.up PROPERTIES FIXTURES_SETUP ${fixture})
  add_test(NAME ${fixture}.down COMMAND ${CMAKE_SOURCE_DIR}/tools/testenv down ${dir})
  set_tests_properties(${fixture}.down PROPERTIES FIXTURES_CLEANUP ${fixture})
endfunction()
si_add_testenv(testenv ${SI_TESTENV_DIR})
# The tests that use the machine (drive letters among what they make and
# remove) run in a prefix of their own: a wine process keeps the drives'
# root folders it last read for up to a second, and a folder another test
# process makes meanwhile may take a removed root's inode, its files then
# passing for that drive's.
set(SI_MACHINE_TESTENV_DIR ${CMAKE_BINARY_DIR}/testenv-machine)
si_add_testenv(testenv-machine ${SI_MACHINE_TESTENV_DIR})

# si_add_gtest(<name> [MACHINE] SOURCES ... LIBS ... [ARGS ...]): one test
# executable, run whole as one test in the test environment, with ARGS on its
# command line: a wine process for every case, and one more to list them,
# would take longer than most cases do. MACHINE: its cases use what the
# environment has only once (the display and its focus, drive letters, the
# data folder, the program's named objects and instance, the debug output),
# so it runs alone among such tests; the others run beside them.
function(si_add_gtest name)
  cmake_parse_arguments(T "MACHINE" "" "SOURCES;LIBS;ARGS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} test_support gmock gtest_main)
  # One compilation for all of an executable's cases: a test file's names in
  # its anonymous namespace must not clash with another file's of the same
  # executable (shared ones live in tests/support). GCC takes the files the
  # unity source includes for headers, and a test case's fixture from an
  # anonymous namespace for a type that leaks out of one.
  si_use_pch(pch_tests ${name})
  set_target_properties(${name} PROPERTIES UNITY_BUILD ON)
  target_compile_options(${name} PRIVATE -Wno-subobject-linkage)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    if(T_MACHINE)
      add_test(NAME ${name} COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-run ${SI_MACHINE_TESTENV_DIR}
        $<TARGET_FILE:${name}> ${T_ARGS})
      set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED testenv-machine TIMEOUT 300
        RESOURCE_LOCK testenv-machine)
      set_property(GLOBAL APPEND PROPERTY SI_MACHINE_TESTS ${name})
    else()
      add_test(NAME ${name} COMMAND ${name} ${T_ARGS})
      set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED testenv TIMEOUT 300)
    endif()
  endif()
endfunction()
