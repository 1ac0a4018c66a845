# selvio_add_test(NAME SOURCES... LIBS... [TIMEOUT SECONDS]): one GoogleTest executable registered
# with CTest, run headless (offscreen Qt platform) with a private HOME, from the build's test
# folder. The programs the tests start speak Russian, the specified language, whatever the
# machine's locale (SELVIO_LANG); the tests of the language choice set their own. CTest stops a
# program after TIMEOUT seconds, 180 unless it says otherwise: the longest program takes about
# 25 s in the sanitizer build on a quiet machine with 2 cores and about 95 s with the cores shared
# four or five times over, so a hang costs three minutes, not ten.
set(SELVIO_TEST_TIMEOUT 180)

function(selvio_add_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT ${SELVIO_TEST_TIMEOUT})
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SELVIO_LANG=ru;HOME=${CMAKE_BINARY_DIR}/test-home;SELVIO_DATA_DIR=${PROJECT_SOURCE_DIR}/data;SELVIO_TEST_DATA_DIR=${PROJECT_SOURCE_DIR}/tests/data"
    TIMEOUT ${ARG_TIMEOUT})
endfunction()
