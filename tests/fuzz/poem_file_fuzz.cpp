// Any bytes as a poem file: a defined outcome, and what is read writes back
// to a file that reads the same.
#include "poem_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto poem = zoravina::readPoemFile(bytes);
    if (!poem)
        return 0;
    const auto again = zoravina::readPoemFile(zoravina::writePoemFile(*poem));
    if (!again || again->kind != poem->kind || again->background != poem->background ||
        again->brightGroups != poem->brightGroups || again->darkGroups != poem->darkGroups)
        std::abort();
    return 0;
}
