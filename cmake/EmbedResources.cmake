# kmv_embed_resources(TARGET <libname> ITEMS <number> <file> [<number> <file> ...])
#
# Builds the static library <libname> holding every listed file, each byte
# XOR 0xA7, and FindRawResource() to look them up by number. The table is
# generated at build time so that editing a resource file rebuilds it.

set(KMV_EMBED_RESOURCES_SCRIPT "${CMAKE_CURRENT_LIST_DIR}/EmbedResourcesScript.cmake")

function(kmv_embed_resources)
  cmake_parse_arguments(PARSE_ARGV 0 ARG "" "TARGET" "ITEMS")
  if(NOT ARG_TARGET)
    message(FATAL_ERROR "kmv_embed_resources: TARGET is required")
  endif()
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "kmv_embed_resources: unexpected arguments: ${ARG_UNPARSED_ARGUMENTS}")
  endif()
  list(LENGTH ARG_ITEMS item_count)
  math(EXPR odd "${item_count} % 2")
  if(odd)
    message(FATAL_ERROR "kmv_embed_resources: ITEMS must be <number> <file> pairs")
  endif()

  set(numbers "")
  set(files "")
  set(manifest_items "")
  while(NOT "${ARG_ITEMS}" STREQUAL "")
    list(POP_FRONT ARG_ITEMS number file)
    if(NOT number MATCHES "^[0-9]+$")
      message(FATAL_ERROR "kmv_embed_resources: '${number}' is not a resource number")
    endif()
    # Leading zeros would make "0139" and "139" distinct names for one entry.
    math(EXPR number "${number}")
    if(number IN_LIST numbers)
      message(FATAL_ERROR "kmv_embed_resources: resource number ${number} listed twice")
    endif()
    cmake_path(ABSOLUTE_PATH file BASE_DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}" NORMALIZE)
    if(NOT EXISTS "${file}" OR IS_DIRECTORY "${file}")
      message(FATAL_ERROR "kmv_embed_resources: resource file '${file}' not found")
    endif()
    list(APPEND numbers "${number}")
    list(APPEND files "${file}")
    string(APPEND manifest_items "${number}\n${file}\n")
  endwhile()

  # The item list travels to the build step as a file: it cannot be passed
  # safely on a command line, and a changed list must trigger regeneration.
  set(manifest "${CMAKE_CURRENT_BINARY_DIR}/${ARG_TARGET}_items.txt")
  set(old_manifest_items "")
  if(EXISTS "${manifest}")
    file(READ "${manifest}" old_manifest_items)
  endif()
  if(NOT EXISTS "${manifest}" OR NOT old_manifest_items STREQUAL manifest_items)
    file(WRITE "${manifest}" "${manifest_items}")
  endif()

  set(output "${CMAKE_CURRENT_BINARY_DIR}/${ARG_TARGET}_table.cpp")
  add_custom_command(
    OUTPUT "${output}"
    COMMAND "${CMAKE_COMMAND}" "-DMANIFEST=${manifest}" "-DOUTPUT=${output}" -P "${KMV_EMBED_RESOURCES_SCRIPT}"
    DEPENDS "${KMV_EMBED_RESOURCES_SCRIPT}" "${manifest}" ${files}
    COMMENT "Embedding resources into ${ARG_TARGET}"
    VERBATIM
  )
  # An object library: its table reaches every executable that links it,
  # whatever the order of the static libraries that call FindRawResource.
  add_library(${ARG_TARGET} OBJECT "${output}")
  target_include_directories(${ARG_TARGET} PRIVATE "${CMAKE_SOURCE_DIR}/src/common")
endfunction()
