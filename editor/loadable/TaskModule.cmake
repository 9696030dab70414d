include_guard(GLOBAL)
# qn_add_task_module(<name> SOURCES ... [LINKS ...] [OUTPUT_DIRECTORY <dir>]
#                    [OUTPUT_NAME <file stem>])
# A task and tool module: a module (qn_add_module) named <stem>.so whose
# exported entries are those of LdModuleEntries.h, linked with the shared
# task and tool base classes.
function(qn_add_task_module name)
  cmake_parse_arguments(A "" "OUTPUT_DIRECTORY;OUTPUT_NAME" "SOURCES;LINKS" ${ARGN})
  qn_add_module(${name} SUFFIX ".so" SOURCES ${A_SOURCES} LINKS LdLoadable ${A_LINKS}
    OUTPUT_DIRECTORY "${A_OUTPUT_DIRECTORY}" OUTPUT_NAME "${A_OUTPUT_NAME}")
endfunction()
