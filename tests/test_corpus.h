#pragma once
// Small corpora that the tests build themselves.

#include "corpus.h"
#include "engine.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace zoravina::fixtures {

using Files = std::map<std::string, std::string>;

inline std::shared_ptr<const Corpus> corpusOf(const Files& files)
{
    std::vector<CorpusFile> list;
    for (const auto& [name, text] : files)
        list.push_back({name, text});
    return parseCorpus(list);
}

// The verse text of a synthetic corpus: "<side letter><block>.<position>.<group>.<variant>",
// so a test can tell which block wrote a text.
inline std::string tag(char side, int block, int position, int group, int variant)
{
    return std::string(1, side) + std::to_string(block) + "." + std::to_string(position) + "." + std::to_string(group) + "." +
           std::to_string(variant);
}

struct Shape {
    // groups and variants of a position; default 3 groups of 4 variants
    std::function<int(char side, int position)> groups = [](char, int) { return 3; };
    std::function<int(char side, int position, int group)> variants = [](char, int, int) { return 4; };
    std::function<std::string(char side, int block, int position, int group, int variant)> text = tag;
};

inline constexpr int kBlockPositions[7][2] = {{0, -1}, {1, 4}, {4, 8}, {8, 12}, {12, 16}, {16, 20}, {20, 23}};

inline Files syntheticFiles(const Shape& shape = {})
{
    Files files;
    for (char side : {'b', 'd'}) {
        for (int block = 1; block <= 6; ++block) {
            std::string text;
            for (int p = kBlockPositions[block][0]; p <= kBlockPositions[block][1]; ++p) {
                text += "@position " + std::to_string(p) + "\n";
                for (int g = 1; g <= shape.groups(side, p); ++g) {
                    text += "@group " + std::to_string(g) + " | gloss\n";
                    for (int v = 1; v <= shape.variants(side, p, g); ++v)
                        text += shape.text(side, block, p, g, v) + "\n";
                }
            }
            files[std::string(side == 'b' ? "bright-" : "dark-") + std::to_string(block) + ".txt"] = text;
        }
    }
    return files;
}

inline Engine engineOf(const Files& files, std::uint64_t seed = 1)
{
    return Engine(corpusOf(files), Random(seed));
}

} // namespace zoravina::fixtures
