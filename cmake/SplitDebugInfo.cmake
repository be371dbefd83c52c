# tessarilo_split_debug_info(target): after each link, moves the program's
# debug information into <program>.debug beside it and leaves a stripped
# program that names that file (a GNU debug link), so a crash address in the
# shipped program resolves against the .debug file:
#   x86_64-w64-mingw32-addr2line -f -C -e tessarilo.exe.debug 0x140001234
function(tessarilo_split_debug_info target)
  set(_program $<TARGET_FILE:${target}>)
  set(_debug $<TARGET_FILE:${target}>.debug)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug ${_program} ${_debug}
    COMMAND ${CMAKE_STRIP} --strip-all ${_program}
    COMMAND ${CMAKE_OBJCOPY} --add-gnu-debuglink=${_debug} ${_program}
    WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
    COMMENT "Moving the debug information of ${target} beside it"
    VERBATIM)
endfunction()
