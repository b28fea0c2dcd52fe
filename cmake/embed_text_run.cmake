# Script half of dek_embed_text: writes OUT with one raw string per file.
string(REPLACE "|" ";" files "${FILES}")
set(body "// Generated from the repository's text files; do not edit.\n#include <string_view>\n#include <utility>\n#include <vector>\nnamespace ${NS} {\nconst std::vector<std::pair<std::string_view, std::string_view>>& embedded_files() {\n  static const std::vector<std::pair<std::string_view, std::string_view>> files = {\n")
foreach(f IN LISTS files)
  get_filename_component(name "${f}" NAME)
  file(READ "${f}" content HEX)
  # Emit the bytes as a char array literal so any content (quotes, )" ...) is safe.
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${content}")
  string(LENGTH "${content}" hexlen)
  math(EXPR len "${hexlen} / 2")
  string(APPEND body "    {\"${name}\", std::string_view(\"${escaped}\", ${len})},\n")
endforeach()
string(APPEND body "  };\n  return files;\n}\n}  // namespace ${NS}\n")
file(WRITE "${OUT}" "${body}")
