# Helpers that give every library, test and benchmark the same shape.

# qn_add_library(<name> SOURCES ... [LINKS ...] [PRIVATE_LINKS ...])
# A shared library in build/bin; its headers are found from the source root.
function(qn_add_library name)
  cmake_parse_arguments(A "" "" "SOURCES;LINKS;PRIVATE_LINKS" ${ARGN})
  add_library(${name} SHARED ${A_SOURCES})
  target_link_libraries(${name} PUBLIC ${A_LINKS} PRIVATE ${A_PRIVATE_LINKS})
endfunction()

# The config folder every test shares unless it makes its own.
set(QN_TEST_CONFIG_HOME ${CMAKE_BINARY_DIR}/test-config)

# qn_add_test(<name> LABEL <library> SOURCES ... [LINKS ...] [NO_MAIN])
# A GoogleTest program in build/tests whose cases ctest discovers one by one,
# each in a process of its own, labelled with the library it tests. The
# locale is fixed, so that texts do not follow the machine's language, and
# settings go to a folder of the build, not the user's own.
function(qn_add_test name)
  if(NOT QN_BUILD_TESTS)
    return()
  endif()
  cmake_parse_arguments(A "NO_MAIN" "TIMEOUT" "LABEL;SOURCES;LINKS;ENVIRONMENT" ${ARGN})
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
    PROPERTIES TIMEOUT ${A_TIMEOUT})
  # The labels and the environment are set by a script of their own that
  # ctest reads after the discovered tests: a list handed through the
  # discovery would lose all but its first element.
  string(JOIN ";" labels ${A_LABEL})
  string(JOIN ";" environment QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 QN_CONFIG_HOME=${QN_TEST_CONFIG_HOME}
         ${A_ENVIRONMENT})
  set(script "${CMAKE_CURRENT_BINARY_DIR}/${name}_properties.cmake")
  file(WRITE "${script}"
       "if(${name}_TESTS)\n"
       "  set_tests_properties(\${${name}_TESTS} PROPERTIES LABELS \"${labels}\"\n"
       "                       ENVIRONMENT \"${environment}\")\n"
       "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${script}")
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

# qn_add_module(<name> SUFFIX <.ext> SOURCES ... [LINKS ...]
#               [OUTPUT_DIRECTORY <dir>] [OUTPUT_NAME <file stem>])
# A loadable module: an ELF shared object named <stem><ext>, built with
# hidden visibility so that only the entries marked for export are exported,
# and linked with no undefined symbols. It goes to build/bin (the modules the
# suite ships) unless another folder is named (test modules), and finds the
# suite's libraries in build/bin either way.
function(qn_add_module name)
  cmake_parse_arguments(A "" "SUFFIX;OUTPUT_DIRECTORY;OUTPUT_NAME" "SOURCES;LINKS" ${ARGN})
  if(NOT A_OUTPUT_DIRECTORY)
    set(A_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  endif()
  if(NOT A_OUTPUT_NAME)
    set(A_OUTPUT_NAME ${name})
  endif()
  add_library(${name} MODULE ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_LINKS})
  file(RELATIVE_PATH to_bin ${A_OUTPUT_DIRECTORY} ${CMAKE_BINARY_DIR}/bin)
  set_target_properties(${name} PROPERTIES
    PREFIX ""
    SUFFIX "${A_SUFFIX}"
    OUTPUT_NAME ${A_OUTPUT_NAME}
    LIBRARY_OUTPUT_DIRECTORY ${A_OUTPUT_DIRECTORY}
    C_VISIBILITY_PRESET hidden
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    INSTALL_RPATH "$ORIGIN/${to_bin}")
  # Under clang's AddressSanitizer (the fuzz build) its runtime is linked
  # into programs only, so a module's sanitizer calls stay open until loaded.
  if(NOT QN_BUILD_FUZZ)
    target_link_options(${name} PRIVATE -Wl,--no-undefined)
  endif()
endfunction()

# qn_add_fuzz_target(<name> SOURCES ... [LINKS ...] [DEFINITIONS ...] [SEEDS <dir>])
# A libFuzzer target fuzz_<name> in build-fuzz/fuzz, built only when
# QN_BUILD_FUZZ is on. Its seed corpus is <dir> (default: seeds/<name> beside
# the calling CMakeLists.txt); imexp/fuzz/run.sh runs every target listed.
function(qn_add_fuzz_target name)
  if(NOT QN_BUILD_FUZZ)
    return()
  endif()
  cmake_parse_arguments(A "" "SEEDS" "SOURCES;LINKS;DEFINITIONS" ${ARGN})
  if(NOT A_SEEDS)
    set(A_SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/seeds/${name})
  endif()
  add_executable(fuzz_${name} ${A_SOURCES})
  target_compile_definitions(fuzz_${name} PRIVATE ${A_DEFINITIONS})
  target_compile_options(fuzz_${name} PRIVATE -fsanitize=fuzzer,address)
  target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer,address)
  target_link_libraries(fuzz_${name} PRIVATE ${A_LINKS})
  set_target_properties(fuzz_${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz
    INSTALL_RPATH "$ORIGIN/../bin")
  set_property(GLOBAL APPEND PROPERTY QN_FUZZ_TARGETS "${name}")
  set_property(GLOBAL APPEND PROPERTY QN_FUZZ_LIST "${name} ${A_SEEDS}\n")
endfunction()

# qn_add_fuzz_seed_maker(<name> SOURCES ... [LINKS ...])
# A program make_seeds_<name> in build-fuzz/fuzz that writes the seed corpus
# of fuzz target <name> into the folder it is given, with the suite's own
# writers; built only when QN_BUILD_FUZZ is on. The seeds it wrote are
# checked in (seeds/<name>/), so it runs only when the stored forms change.
function(qn_add_fuzz_seed_maker name)
  if(NOT QN_BUILD_FUZZ)
    return()
  endif()
  cmake_parse_arguments(A "" "" "SOURCES;LINKS" ${ARGN})
  add_executable(make_seeds_${name} ${A_SOURCES})
  target_link_libraries(make_seeds_${name} PRIVATE ${A_LINKS})
  set_target_properties(make_seeds_${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz
    INSTALL_RPATH "$ORIGIN/../bin")
endfunction()
