# Turns every text file of a content folder into bytes compiled into the
# program. Run at build time:
#   cmake -DDIR=<folder> -DOUT=<file.cpp> [-DFUNCTION=<name>] [-DHEADER=<header>] -P embed.cmake
if(NOT FUNCTION)
    set(FUNCTION embeddedFiles)
endif()
if(NOT HEADER)
    set(HEADER corpus.h)
endif()
file(GLOB names RELATIVE "${DIR}" "${DIR}/*.txt")
list(SORT names)
set(arrays "")
set(entries "")
set(index 0)
foreach(name IN LISTS names)
    file(READ "${DIR}/${name}" hex HEX)
    string(LENGTH "${hex}" hexLength)
    math(EXPR length "${hexLength} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(APPEND arrays "const unsigned char file${index}[] = {${bytes}0};\n")
    string(APPEND entries "    {\"${name}\", std::string_view(reinterpret_cast<const char*>(file${index}), ${length})},\n")
    math(EXPR index "${index} + 1")
endforeach()
file(WRITE "${OUT}.tmp" "// Generated at build time from the corpus folder; do not edit.
#include \"${HEADER}\"

namespace zoravina {
namespace {
${arrays}} // namespace

const std::vector<CorpusFile>& ${FUNCTION}()
{
    static const std::vector<CorpusFile> files{
${entries}    };
    return files;
}

} // namespace zoravina
")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
