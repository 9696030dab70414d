# qn_add_resources(<target> <description file>)
# Builds the resource table described in the file (see
# platform/qnrc/ResourceScript.h) and places it in the target's read-only
# ELF section "pi_rsrc". The table can be read from the built file without
# loading it (platform::ResourceTable::FromFile), and the running target
# finds its own through platform/OwnResources.h. The files the description
# names are dependencies of the build. A target this build leaves out (the
# tests of a benchmark build) gets nothing.
function(qn_add_resources target description)
  if(NOT TARGET ${target})
    return()
  endif()
  get_filename_component(description_path "${description}" ABSOLUTE)
  set(output "${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.c")
  add_custom_command(
    OUTPUT "${output}"
    COMMAND qnrc "${description_path}" "${output}" "${output}.d"
    DEPENDS qnrc "${description_path}"
    DEPFILE "${output}.d"
    COMMENT "Building the resources of ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE "${output}")
  # The table is data, not code to check: AddressSanitizer would pad it
  # inside the section.
  set_source_files_properties("${output}" PROPERTIES COMPILE_OPTIONS "-fno-sanitize=all")
endfunction()
