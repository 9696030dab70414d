# Helpers that give every library, test and benchmark the same shape.

# qn_add_library(<name> SOURCES ... [LINKS ...] [PRIVATE_LINKS ...])
# A shared library in build/bin; its headers are found from the source root.
function(qn_add_library name)
  cmake_parse_arguments(A "" "" "SOURCES;LINKS;PRIVATE_LINKS" ${ARGN})
  add_library(${name} SHARED ${A_SOURCES})
  target_link_libraries(${name} PUBLIC ${A_LINKS} PRIVATE ${A_PRIVATE_LINKS})
endfunction()

# qn_add_test(<name> LABEL <library> SOURCES ... [LINKS ...] [NO_MAIN])
# A GoogleTest program in build/tests whose cases ctest discovers one by one,
# each in a process of its own, labelled with the library it tests.
function(qn_add_test name)
  if(NOT QN_BUILD_TESTS)
    return()
  endif()
  cmake_parse_arguments(A "NO_MAIN" "LABEL;TIMEOUT" "SOURCES;LINKS;ENVIRONMENT" ${ARGN})
  if(NOT A_LABEL)
    message(FATAL_ERROR "qn_add_test(${name}): LABEL is required")
  endif()
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT 120)
  endif()
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_LINKS} GTest::gtest GTest::gmock)
  if(NOT A_NO_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  set_target_properties(${name} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests
    INSTALL_RPATH "$ORIGIN/../bin")
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS ${A_LABEL} TIMEOUT ${A_TIMEOUT}
               ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${A_ENVIRONMENT}")
endfunction()

# qn_add_bench(<name> SOURCES ... [LINKS ...])
# A benchmark program in build/bench; never part of the test run.
function(qn_add_bench name)
  cmake_parse_arguments(A "" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_LINKS})
  set_target_properties(${name} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench
    INSTALL_RPATH "$ORIGIN/../bin")
endfunction()
