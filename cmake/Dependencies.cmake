# zlib, libdeflate, libjpeg and Google Test for the configuration being built.
#   Windows: Debian's mingw zlib, libjpeg-turbo and libdeflate cross-built by scripts/setup.sh,
#            Google Test compiled here from Debian's googletest sources.
#   native:  the system's -dev packages.

if(TESSARILO_WINDOWS)
  # Link zlib into the exe: the program ships as one file, without zlib1.dll.
  set(ZLIB_USE_STATIC_LIBS ON)
endif()
find_package(ZLIB REQUIRED)

if(TESSARILO_WINDOWS)
  if(DEFINED ENV{XDG_CACHE_HOME})
    set(_cache "$ENV{XDG_CACHE_HOME}")
  else()
    set(_cache "$ENV{HOME}/.cache")
  endif()
  set(TESSARILO_JPEG_PREFIX "${_cache}/tessarilo/libjpeg-turbo-mingw64" CACHE PATH
      "libjpeg-turbo cross-built for x86_64-w64-mingw32 (made by scripts/setup.sh)")
  find_path(JPEG_INCLUDE_DIR jpeglib.h PATHS "${TESSARILO_JPEG_PREFIX}/include"
            NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  find_library(JPEG_LIBRARY NAMES libjpeg.a jpeg PATHS "${TESSARILO_JPEG_PREFIX}/lib"
               NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(NOT JPEG_INCLUDE_DIR OR NOT JPEG_LIBRARY)
    message(FATAL_ERROR "libjpeg-turbo for Windows not found in ${TESSARILO_JPEG_PREFIX}: run scripts/setup.sh")
  endif()
  add_library(JPEG::JPEG STATIC IMPORTED)
  set_target_properties(JPEG::JPEG PROPERTIES
    IMPORTED_LOCATION "${JPEG_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${JPEG_INCLUDE_DIR}")

  set(TESSARILO_DEFLATE_PREFIX "${_cache}/tessarilo/libdeflate-mingw64" CACHE PATH
      "libdeflate cross-built for x86_64-w64-mingw32 (made by scripts/setup.sh)")
  find_path(LIBDEFLATE_INCLUDE_DIR libdeflate.h PATHS "${TESSARILO_DEFLATE_PREFIX}/include"
            NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  find_library(LIBDEFLATE_LIBRARY NAMES libdeflate.a PATHS "${TESSARILO_DEFLATE_PREFIX}/lib"
               NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(NOT LIBDEFLATE_INCLUDE_DIR OR NOT LIBDEFLATE_LIBRARY)
    message(FATAL_ERROR "libdeflate for Windows not found in ${TESSARILO_DEFLATE_PREFIX}: run scripts/setup.sh")
  endif()

  set(_gtest_src /usr/src/googletest)
  if(NOT EXISTS ${_gtest_src}/CMakeLists.txt)
    message(FATAL_ERROR "Google Test sources not found in ${_gtest_src}: run scripts/setup.sh")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(${_gtest_src} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(JPEG REQUIRED)
  find_package(GTest REQUIRED)
  find_path(LIBDEFLATE_INCLUDE_DIR libdeflate.h)
  find_library(LIBDEFLATE_LIBRARY NAMES deflate)
  if(NOT LIBDEFLATE_INCLUDE_DIR OR NOT LIBDEFLATE_LIBRARY)
    message(FATAL_ERROR "libdeflate not found: run scripts/setup.sh (libdeflate-dev)")
  endif()
endif()
add_library(Libdeflate::Libdeflate UNKNOWN IMPORTED)
set_target_properties(Libdeflate::Libdeflate PROPERTIES
  IMPORTED_LOCATION "${LIBDEFLATE_LIBRARY}"
  INTERFACE_INCLUDE_DIRECTORIES "${LIBDEFLATE_INCLUDE_DIR}")
