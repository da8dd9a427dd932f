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
            store.variantCount(side)(p, group.number) = static_cast<std::int16_t>(group.verseViews.size());
            store.setGroupVerses(side, p, group.number, group.verseViews);
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
    for (const CorpusGradeRow& row : corpus.grades[block].rows)
        grades[row.table].writeRow(row.rowStart, row.grades);
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
    // Loading the block that is already present, into a store and grades
    // untouched since, would leave everything exactly as it is.
    Engine::LoadedBlock& loaded = engine.loaded;
    if (loaded.corpus == engine.corpus.get() && loaded.block == range->block && loaded.clearTo == clearTo &&
        loaded.storeRevision == engine.store.revision() && loaded.gradeRevision == engine.grades.revision())
        return;
    for (int p = range->clearFrom; p <= clearTo; ++p)
        engine.store.clearPosition(p);
    loadBrightBlock(engine.store, *engine.corpus, range->block);
    loadDarkBlock(engine.store, *engine.corpus, range->block);
    loadTableBlock(engine.grades, *engine.corpus, range->block);
    loaded = {engine.corpus.get(), range->block, clearTo, engine.store.revision(), engine.grades.revision()};
}

void loadVerseBlock(Engine& engine)
{
    loadBlockForPosition(engine, engine.poem.currentPosition);
}

} // namespace zoravina
