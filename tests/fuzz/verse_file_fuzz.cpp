// Any bytes as the file of the reader's own verses: every record read is
// written back and read again unchanged.
#include "poem_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto file = zoravina::readVerseFile(bytes);
    if (!file)
        return 0;
    const auto again = zoravina::readVerseFile(zoravina::writeVerseFile(file->records));
    if (!again || !again->whole || again->records.size() != file->records.size())
        std::abort();
    return 0;
}
