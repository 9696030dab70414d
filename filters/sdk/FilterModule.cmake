# qn_add_filter_module(<name> SOURCES ... [LINKS ...] [OUTPUT_DIRECTORY <dir>]
#                      [OUTPUT_NAME <file stem>])
# A filter module: a module (qn_add_module) named <stem>.8bf whose exported
# entries are those marked PI_EXPORT, linked with the shared handle
# allocator.
function(qn_add_filter_module name)
  cmake_parse_arguments(A "" "OUTPUT_DIRECTORY;OUTPUT_NAME" "SOURCES;LINKS" ${ARGN})
  qn_add_module(${name} SUFFIX ".8bf" SOURCES ${A_SOURCES} LINKS pihandles ${A_LINKS}
    OUTPUT_DIRECTORY "${A_OUTPUT_DIRECTORY}" OUTPUT_NAME "${A_OUTPUT_NAME}")
endfunction()
