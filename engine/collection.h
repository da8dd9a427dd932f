#pragma once
// The collection of pre-written poems: 108 poems kept as poem codes, and a
// last entry that opens a poem file. Titles, codes and the reason each poem
// fits its title are content, in corpus/collection.txt.

#include "state.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zoravina {

inline constexpr int kCollectionPoems = 108;
inline constexpr int kCollectionEntries = 109;   // the last opens a poem file

struct CollectionEntry {
    int number = 0;
    std::string title;
    std::string code;     // empty for the file entry
    std::string reason;
    int line = 0;
};

struct Collection {
    std::vector<CollectionEntry> entries;   // in number order
    std::vector<std::string> errors;

    const CollectionEntry* entry(int number) const;
};

// The kind of a collection poem follows from its number alone.
std::optional<PoemKind> kindOfEntry(int number);

Collection parseCollection(std::string_view text);
// The collection compiled into the program.
const Collection& embeddedCollection();

} // namespace zoravina
