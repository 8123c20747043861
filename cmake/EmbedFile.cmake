# Writes OUTPUT, a C++ source that defines FUNCTION (returning std::string_view in namespace
# tafomat) over the bytes of INPUT, so that the Qt-free core carries the file without resources.
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE "${OUTPUT}.tmp"
    "#include <string_view>\n"
    "namespace tafomat {\n"
    "namespace {\n"
    "const unsigned char Daten[] = {${bytes}};\n"
    "}\n"
    "std::string_view ${FUNCTION}() {\n"
    "    return {reinterpret_cast<const char*>(Daten), sizeof Daten};\n"
    "}\n"
    "}\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
