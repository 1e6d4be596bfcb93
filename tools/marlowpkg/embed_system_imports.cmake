# Writes a C++ source whose GetSystemImportsText() answers the text of the
# table of first platforms, one string literal per line (short literals keep
# every compiler's limits).
#
#   cmake -DINPUT=<system_imports.csv> -DOUTPUT=<file.cpp> -P embed_system_imports.cmake
file(STRINGS "${INPUT}" rows)
set(body "")
foreach(row IN LISTS rows)
  string(REPLACE "\\" "\\\\" row "${row}")
  string(REPLACE "\"" "\\\"" row "${row}")
  string(APPEND body "    \"${row}\\n\"\n")
endforeach()
file(WRITE "${OUTPUT}.tmp"
  "// Made from ${INPUT} at build time.\n"
  "#include \"dll_surface.h\"\n\n"
  "namespace marlow {\n\n"
  "const char* GetSystemImportsText() {\n"
  "    return\n${body}        \"\";\n"
  "}\n\n"
  "}  // namespace marlow\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
