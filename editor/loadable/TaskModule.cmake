include_guard(GLOBAL)
# qn_add_task_module(<name> SOURCES ... [LINKS ...] [OUTPUT_DIRECTORY <dir>]
#                    [OUTPUT_NAME <file stem>])
# A task and tool module: an ELF shared object named <stem>.so, built with
# hidden visibility so that only the entries of LdModuleEntries.h are
# exported, linked with the shared task and tool base classes. It goes to
# build/bin beside the editor unless another folder is named (test modules).
function(qn_add_task_module name)
  cmake_parse_arguments(A "" "OUTPUT_DIRECTORY;OUTPUT_NAME" "SOURCES;LINKS" ${ARGN})
  if(NOT A_OUTPUT_DIRECTORY)
    set(A_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  endif()
  if(NOT A_OUTPUT_NAME)
    set(A_OUTPUT_NAME ${name})
  endif()
  add_library(${name} MODULE ${A_SOURCES})
  target_link_libraries(${name} PRIVATE LdLoadable ${A_LINKS})
  file(RELATIVE_PATH to_bin ${A_OUTPUT_DIRECTORY} ${CMAKE_BINARY_DIR}/bin)
  set_target_properties(${name} PROPERTIES
    PREFIX ""
    SUFFIX ".so"
    OUTPUT_NAME ${A_OUTPUT_NAME}
    LIBRARY_OUTPUT_DIRECTORY ${A_OUTPUT_DIRECTORY}
    C_VISIBILITY_PRESET hidden
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    INSTALL_RPATH "$ORIGIN/${to_bin}")
  target_link_options(${name} PRIVATE -Wl,--no-undefined)
endfunction()
