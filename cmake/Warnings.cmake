# Warnings on everywhere; sanitizers on in the native configuration.
add_compile_options(-Wall -Wextra)

if(TESSARILO_WINDOWS)
  # One self-contained exe: no mingw runtime DLLs beside it.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
else()
  option(TESSARILO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" ON)
  if(TESSARILO_FUZZ)
    # Libraries get coverage instrumentation; fuzz targets link the fuzzer.
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
  elseif(TESSARILO_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
  endif()
endif()

if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  # Lookup tables (the bitmap library's blend tables) are computed at compile
  # time; clang's default evaluation step limit is too small for them.
  add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-fconstexpr-steps=33554432>)
endif()
