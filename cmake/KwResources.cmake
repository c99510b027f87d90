# kw_embed_resources(TARGET <target> NAME <unit> FILES <files...>)
# Embeds resource files (form texts, bitmaps) into <target>. A generated C++
# source holds each file's bytes and registers them at load time under the
# file name without folder and extension ("TfrmBaseGene" for
# forms/TfrmBaseGene.kfm), where platform/Resources.h finds them.
function(kw_embed_resources)
  cmake_parse_arguments(R "" "TARGET;NAME" "FILES" ${ARGN})
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${R_NAME}_resources.cpp)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DOUT=${out} -DUNIT=${R_NAME} "-DFILES=${R_FILES}"
            -P ${CMAKE_SOURCE_DIR}/cmake/KwEmbed.cmake
    DEPENDS ${R_FILES} ${CMAKE_SOURCE_DIR}/cmake/KwEmbed.cmake
    COMMENT "Embedding resources of ${R_NAME}"
    VERBATIM)
  get_target_property(kind ${R_TARGET} TYPE)
  if(kind STREQUAL "STATIC_LIBRARY")
    # A static library would let the linker drop the unreferenced
    # registration; an object library handed to every consumer keeps it.
    add_library(${R_NAME}_resources OBJECT ${out})
    target_link_libraries(${R_NAME}_resources PRIVATE kwplatform)
    target_sources(${R_TARGET} INTERFACE $<TARGET_OBJECTS:${R_NAME}_resources>)
  else()
    target_sources(${R_TARGET} PRIVATE ${out})
  endif()
endfunction()
