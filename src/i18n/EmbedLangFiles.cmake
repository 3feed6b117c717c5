# Writes OUTPUT, a C++ source holding every *.lang file of LANG_DIR as a byte array.
# Run as: cmake -DLANG_DIR=<dir> -DOUTPUT=<file.cpp> -P EmbedLangFiles.cmake
file(GLOB files "${LANG_DIR}/*.lang")
list(SORT files)

set(arrays "")
set(table "")
set(index 0)
foreach(path IN LISTS files)
    get_filename_component(name "${path}" NAME_WE)
    file(READ "${path}" hex HEX)
    string(LENGTH "${hex}" hexLength)
    math(EXPR size "${hexLength} / 2")
    # Sixteen bytes to a line; a NUL after the last byte keeps the array non-empty.
    set(bytes "")
    set(offset 0)
    while(offset LESS hexLength)
        string(SUBSTRING "${hex}" ${offset} 32 chunk)
        string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," chunk "${chunk}")
        string(APPEND bytes "${chunk}\n    ")
        math(EXPR offset "${offset} + 32")
    endwhile()
    string(APPEND arrays "const unsigned char file${index}[] = {\n    ${bytes}0x00};\n\n")
    string(APPEND table "    {\"${name}\", file${index}, ${size}},\n")
    math(EXPR index "${index} + 1")
endforeach()
if(index EQUAL 0)
    message(FATAL_ERROR "No .lang files in ${LANG_DIR}")
endif()

file(WRITE "${OUTPUT}"
"// Generated from ${LANG_DIR} by EmbedLangFiles.cmake. Do not edit.
#include \"EmbeddedLangFiles.h\"

namespace twinsweep::embedded {

namespace {

${arrays}} // namespace

const LangFile kLangFiles[] = {
${table}};

const std::size_t kLangFileCount = ${index};

} // namespace twinsweep::embedded
")
