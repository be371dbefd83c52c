# Tests: Google Test executables registered with CTest.
# Windows tests run under Wine in the build folder's own prefix; the fixture
# "wine" starts that prefix's server before them and stops it after them.
include(CTest)
include(GoogleTest)

if(TESSARILO_WINDOWS)
  set(TESSARILO_WINE_SCRIPT ${CMAKE_SOURCE_DIR}/scripts/wine.sh)
  set(TESSARILO_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TESSARILO_WINE_SCRIPT} ${TESSARILO_WINEPREFIX} run)

  add_test(NAME wine.start COMMAND ${TESSARILO_WINE_SCRIPT} ${TESSARILO_WINEPREFIX} start)
  add_test(NAME wine.stop COMMAND ${TESSARILO_WINE_SCRIPT} ${TESSARILO_WINEPREFIX} stop)
  set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
  set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine)
endif()

# tessarilo_add_gtest(target SOURCES ... [LIBS ...] [LOCKS ...])
# LOCKS names shared things the tests must not use in parallel with other tests
# holding the same lock: "desktop" (keyboard focus, injected input),
# "program" (a running tessarilo.exe and its single-instance mutex),
# "clipboard" (the system clipboard's contents).
function(tessarilo_add_gtest target)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LOCKS" ${ARGN})
  set(_locks)
  if(T_LOCKS)
    set(_locks RESOURCE_LOCK "${T_LOCKS}")
  endif()
  add_executable(${target} ${T_SOURCES})
  target_link_libraries(${target} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  if(TESSARILO_WINDOWS)
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
      PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 120 ${_locks})
  else()
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST PROPERTIES TIMEOUT 120 ${_locks})
  endif()
endfunction()
