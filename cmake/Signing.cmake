# Signing what ships. SIGNING_CERT (a PKCS#12 code-signing certificate) and
# SIGNING_TIMESTAMP_URL are taken from the environment when the build is
# configured; the certificate's password, SIGNING_PASSWORD, only when
# tools/sign runs, so it never lands in the build files. A relative
# SIGNING_CERT counts from the source folder, where cmake --preset runs.
set(SI_SIGN_TOOL ${CMAKE_SOURCE_DIR}/tools/sign)
set(SI_SIGNING_CERT "$ENV{SIGNING_CERT}")
set(SI_SIGNING_TIMESTAMP_URL "$ENV{SIGNING_TIMESTAMP_URL}")
if(SI_SIGNING_CERT)
  file(REAL_PATH "${SI_SIGNING_CERT}" SI_SIGNING_CERT BASE_DIRECTORY ${CMAKE_SOURCE_DIR})
  if(NOT EXISTS ${SI_SIGNING_CERT})
    message(FATAL_ERROR "SIGNING_CERT names no file: ${SI_SIGNING_CERT}")
  endif()
  find_program(OSSLSIGNCODE osslsigncode REQUIRED)
  message(STATUS "Signing with ${SI_SIGNING_CERT}")
endif()

# What is shipped depends on this record of how it is signed, and on the
# certificate itself: a change to either makes every shipped file again from
# its unsigned original, so none is signed twice or left unsigned.
set(SI_SIGNING_STAMP ${CMAKE_BINARY_DIR}/signing.txt)
file(CONFIGURE OUTPUT ${SI_SIGNING_STAMP}
  CONTENT "certificate: ${SI_SIGNING_CERT}\ntime-stamp server: ${SI_SIGNING_TIMESTAMP_URL}\n")
set(SI_SIGNING_INPUTS ${SI_SIGNING_STAMP} ${SI_SIGNING_CERT})

# si_ship_commands(<var> <in> <out>): sets <var> to the custom-command steps
# that make <out> from <in>: a signed copy when signing, a plain one otherwise.
function(si_ship_commands var in out)
  if(SI_SIGNING_CERT)
    set(${var} COMMAND ${SI_SIGN_TOOL} ${SI_SIGNING_CERT} ${in} ${out} ${SI_SIGNING_TIMESTAMP_URL} PARENT_SCOPE)
  else()
    set(${var} COMMAND ${CMAKE_COMMAND} -E copy_if_different ${in} ${out} PARENT_SCOPE)
  endif()
endfunction()
