#pragma once
// Block loading: only one block's verse texts are present at a time, while
// the counts and grades of every block loaded so far persist.

#include "engine.h"

namespace zoravina {

// Each writes what the block's corpus file holds and nothing else; an
// unknown block number writes nothing.
void loadBrightBlock(VerseStore& store, const Corpus& corpus, int block);
void loadDarkBlock(VerseStore& store, const Corpus& corpus, int block);
void loadTableBlock(GradeTables& grades, const Corpus& corpus, int block);

// The block that composes a position (1..27), or 0 for none.
int blockOfPosition(int position);

// Clears the texts outside the block of `position` and loads that block.
void loadBlockForPosition(Engine& engine, int position);
// The same for poem.currentPosition.
void loadVerseBlock(Engine& engine);

} // namespace zoravina
