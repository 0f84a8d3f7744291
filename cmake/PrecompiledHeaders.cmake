# Precompiled headers. Most of a source file's compile time is the Windows
# headers (and GoogleTest's, in a test): each set is compiled once per preset,
# by a target that holds only cmake/pch-donor.cpp, and every target of its
# kind reuses it. GCC takes a precompiled header only when the options that
# shape code match (-Winvalid-pch says when one is refused); warning options
# may differ.
set(SI_PCH_SYSTEM
  <windows.h> <commctrl.h> <shellapi.h> <ole2.h>
  <algorithm> <functional> <iterator> <memory> <string> <string_view> <utility> <vector>)

add_library(pch_program OBJECT ${CMAKE_CURRENT_LIST_DIR}/pch-donor.cpp)
target_precompile_headers(pch_program PRIVATE ${SI_PCH_SYSTEM})

add_library(pch_tests OBJECT ${CMAKE_CURRENT_LIST_DIR}/pch-donor.cpp)
target_link_libraries(pch_tests PRIVATE gmock gtest)
target_precompile_headers(pch_tests PRIVATE ${SI_PCH_SYSTEM} <gmock/gmock.h> <gtest/gtest.h>)
# GCC 12 reports mingw's inline wmemcpy, inlined into a std::wstring made
# from a short literal, as reading or writing out of bounds: a false
# positive that it holds back while the header counts as a system header,
# which a precompiled one no longer does. Only the tests meet it; the
# program's code keeps both warnings, as errors.
set(SI_PCH_OPTIONS_pch_tests -Wno-array-bounds -Wno-stringop-overread)
# Test code need not be fast, only quick to build: -O1 (the donor too, so
# that the set stays usable) takes a fifth less time than the release -O3.
target_compile_options(pch_tests PRIVATE -O1)
list(APPEND SI_PCH_OPTIONS_pch_tests -O1)

# si_use_pch(<donor> <target>...): the targets compile with the donor's set.
function(si_use_pch donor)
  foreach(target ${ARGN})
    target_precompile_headers(${target} REUSE_FROM ${donor})
    target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-Winvalid-pch ${SI_PCH_OPTIONS_${donor}}>)
  endforeach()
endfunction()
