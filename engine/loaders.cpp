#include "loaders.h"

#include <algorithm>

namespace zoravina {

namespace {

struct BlockRange {
    int firstPosition;
    int lastPosition;
    int block;
    int clearFrom;
    int clearTo;       // 0 stands for the poem's last position
};

// Which block a position loads and which texts are cleared before it.
constexpr BlockRange kBlockRanges[] = {
    {1, 4, 1, 5, 0},
    {5, 8, 2, 1, 0},
    {9, 12, 3, 1, 0},
    {13, 16, 4, 1, 0},
    {17, 20, 5, 1, 0},
    {21, 27, 6, 1, 20},
};

const BlockRange* rangeOf(int position)
{
    for (const BlockRange& range : kBlockRanges)
        if (position >= range.firstPosition && position <= range.lastPosition)
            return &range;
    return nullptr;
}

void loadSide(VerseStore& store, const Corpus& corpus, Side side, int block)
{
    if (block < 1 || block > kBlockCount)
        return;
    for (const CorpusPosition& position : corpus.verses(side, block).positions) {
        const int p = position.position;
        store.groupCount(side)(p) = static_cast<std::int16_t>(position.groupCount);
        for (const CorpusGroup& group : position.groups) {
            const int variants = static_cast<int>(group.verses.size());
            store.variantCount(side)(p, group.number) = static_cast<std::int16_t>(variants);
            for (int v = 1; v <= variants; ++v)
                store.setVerse(side, p, group.number, v, group.verses[v - 1]);
        }
    }
}

} // namespace

void loadBrightBlock(VerseStore& store, const Corpus& corpus, int block)
{
    loadSide(store, corpus, Side::Bright, block);
}

void loadDarkBlock(VerseStore& store, const Corpus& corpus, int block)
{
    loadSide(store, corpus, Side::Dark, block);
}

void loadTableBlock(GradeTables& grades, const Corpus& corpus, int block)
{
    if (block < 1 || block > kBlockCount)
        return;
    for (const CorpusGradeRow& row : corpus.grades[block].rows) {
        std::span<std::int8_t> cells = grades[row.table].row(row.leading);
        std::copy(row.grades.begin(), row.grades.end(), cells.begin() + 1);
    }
}

int blockOfPosition(int position)
{
    const BlockRange* range = rangeOf(position);
    return range ? range->block : 0;
}

void loadBlockForPosition(Engine& engine, int position)
{
    const BlockRange* range = rangeOf(position);
    if (!range)
        return;
    const int clearTo = range->clearTo ? range->clearTo : engine.poem.lastPosition;
    for (int p = range->clearFrom; p <= clearTo; ++p)
        engine.store.clearPosition(p);
    loadBrightBlock(engine.store, *engine.corpus, range->block);
    loadDarkBlock(engine.store, *engine.corpus, range->block);
    loadTableBlock(engine.grades, *engine.corpus, range->block);
}

void loadVerseBlock(Engine& engine)
{
    loadBlockForPosition(engine, engine.poem.currentPosition);
}

} // namespace zoravina
