# taoci_embed_file(TARGET target FILE path SYMBOL name)
# Compiles a file's bytes into the target as
#   extern const unsigned char name[]; extern const std::size_t name_size;
# so that tests and the program hold the very same bytes, resources or not.
function(taoci_embed_file)
  cmake_parse_arguments(ARG "" "TARGET;FILE;SYMBOL" "" ${ARGN})
  set(out ${CMAKE_CURRENT_BINARY_DIR}/embedded/${ARG_SYMBOL}.cpp)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DIN=${ARG_FILE} -DOUT=${out} -DSYMBOL=${ARG_SYMBOL}
            -P ${PROJECT_SOURCE_DIR}/cmake/EmbedFileScript.cmake
    DEPENDS ${ARG_FILE} ${PROJECT_SOURCE_DIR}/cmake/EmbedFileScript.cmake
    VERBATIM)
  target_sources(${ARG_TARGET} PRIVATE ${out})
endfunction()
