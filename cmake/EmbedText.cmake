# dek_embed_text(TARGET <target> NAMESPACE <ns> FILES <file>...)
# Compiles text files (layouts, form descriptions, sample returns) into the
# target as `std::string_view` constants, so the program needs no data files
# at run time. Each file becomes an entry of a table { file name, contents }
# returned by `<ns>::embedded_files()`.
function(dek_embed_text)
  cmake_parse_arguments(E "" "TARGET;NAMESPACE" "FILES" ${ARGN})
  set(out "${CMAKE_CURRENT_BINARY_DIR}/${E_TARGET}_embedded.cpp")
  set(script "${PROJECT_SOURCE_DIR}/cmake/embed_text_run.cmake")
  set(abs_files "")
  foreach(f IN LISTS E_FILES)
    get_filename_component(a "${f}" ABSOLUTE)
    list(APPEND abs_files "${a}")
  endforeach()
  string(REPLACE ";" "|" joined "${abs_files}")
  add_custom_command(
    OUTPUT "${out}"
    COMMAND ${CMAKE_COMMAND} "-DOUT=${out}" "-DNS=${E_NAMESPACE}" "-DFILES=${joined}" -P "${script}"
    DEPENDS ${abs_files} "${script}"
    COMMENT "Embedding text files into ${E_TARGET}"
    VERBATIM)
  target_sources(${E_TARGET} PRIVATE "${out}")
endfunction()
