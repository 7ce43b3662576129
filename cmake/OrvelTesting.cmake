# orvel_add_test(NAME SOURCES file... LIBS target...): one GoogleTest executable registered with CTest.
# orvel_add_qt_test(NAME SOURCES file... LIBS target...): one Qt Test executable, labelled gui.
find_package(GTest REQUIRED)
include(GoogleTest)

set(ORVEL_TEST_DATA_DIR ${CMAKE_SOURCE_DIR}/tests/data)

# The folders a test finds its data in, passed in rather than searched for.
function(orvel_test_paths name)
  target_compile_definitions(${name} PRIVATE
    ORVEL_TEST_DATA_DIR="${ORVEL_TEST_DATA_DIR}"
    ORVEL_EPHE_DIR="${ORVEL_PROGRAM_DIR}/Ephem"
    ORVEL_PROGRAM_DIR="${ORVEL_PROGRAM_DIR}")
endfunction()

function(orvel_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} orvel_testsupport GTest::gtest GTest::gtest_main)
  orvel_test_paths(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 TEST_PREFIX "${name}." NO_PRETTY_VALUES
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

function(orvel_add_qt_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} orvel_testsupport Qt6::Test)
  orvel_test_paths(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS gui)
endfunction()
