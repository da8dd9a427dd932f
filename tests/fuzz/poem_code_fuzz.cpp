// Any text as a poem code: it decodes or it does not, and a decoded code
// rebuilds its poem or reports an index outside the store, nothing else.
#include "corpus.h"
#include "grid.h"
#include "poem_code.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    static zoravina::Engine engine(zoravina::embeddedCorpus(), zoravina::Random(1));
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto code = zoravina::decodePoemCode(text);
    if (!code)
        return 0;
    try {
        zoravina::rebuildPoem(engine, *code, 1 + static_cast<int>(size % 108));
    } catch (const zoravina::IndexError&) {
    }
    return 0;
}
