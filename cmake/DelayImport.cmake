# si_delay_import(<dll target> <def file>): the target <dll target>_delayed,
# which links the DLL's exports delay-loaded: a program linked with it loads
# the DLL at its first call into it, not at its start. The .def file lists
# the exports (the DLL is built from the same file, so the two cannot
# differ).
function(si_delay_import target def)
  set(lib ${CMAKE_CURRENT_BINARY_DIR}/lib${target}-delayed.a)
  add_custom_command(OUTPUT ${lib}
    COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --dllname ${target}.dll --output-delaylib ${lib}
    DEPENDS ${def}
    COMMENT "Delay-import library for ${target}.dll"
    VERBATIM)
  add_custom_target(${target}_delayed_lib DEPENDS ${lib})
  add_library(${target}_delayed INTERFACE)
  add_dependencies(${target}_delayed ${target}_delayed_lib)
  target_link_libraries(${target}_delayed INTERFACE ${lib})
  target_include_directories(${target}_delayed INTERFACE $<TARGET_PROPERTY:${target},INTERFACE_INCLUDE_DIRECTORIES>)
endfunction()
