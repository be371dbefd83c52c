# Delay-loaded system DLLs (Windows builds). A DLL the program needs only
# after its window shows (the common controls, the open dialog, the shell,
# COM) costs start-up time when Wine or Windows loads it with the program;
# delayed, it loads on the first call of one of its functions.
#
# tessarilo_delay_loaded_library(name dll) makes the target delayed_<name>:
# an import library that loads <dll> on first use, built from the functions
# of the toolchain's lib<name>.a; data exports still come from that library.
function(tessarilo_delay_loaded_library name dll)
  set(_folder ${CMAKE_BINARY_DIR}/delayed)
  set(_library ${_folder}/lib${name}_delayed.a)
  if(NOT EXISTS ${_library})
    find_library(_import_${name} NAMES lib${name}.a REQUIRED)
    execute_process(COMMAND ${CMAKE_NM} --defined-only ${_import_${name}} OUTPUT_VARIABLE _symbols COMMAND_ERROR_IS_FATAL ANY)
    # " T name" is a function's jump stub; data exports have only __imp_ entries.
    string(REGEX MATCHALL "[0-9a-f]+ T [A-Za-z_][A-Za-z0-9_]*" _stubs "${_symbols}")
    list(TRANSFORM _stubs REPLACE "^[0-9a-f]+ T " "")
    list(REMOVE_DUPLICATES _stubs)
    list(JOIN _stubs "\n" _exports)
    file(WRITE ${_folder}/${name}.def "LIBRARY ${dll}\nEXPORTS\n${_exports}\n")
    execute_process(
      COMMAND ${CMAKE_DLLTOOL} --input-def ${_folder}/${name}.def --dllname ${dll} --output-delaylib ${_library}
      COMMAND_ERROR_IS_FATAL ANY)
  endif()
  add_library(delayed_${name} STATIC IMPORTED GLOBAL)
  set_target_properties(delayed_${name} PROPERTIES IMPORTED_LOCATION ${_library} INTERFACE_LINK_LIBRARIES ${name})
endfunction()

if(TESSARILO_WINDOWS)
  tessarilo_delay_loaded_library(comctl32 comctl32.dll)
  tessarilo_delay_loaded_library(comdlg32 comdlg32.dll)
  tessarilo_delay_loaded_library(shell32 shell32.dll)
  tessarilo_delay_loaded_library(ole32 ole32.dll)
endif()
