#include "corpus_shape.h"

#include "text.h"

#include <sstream>

namespace zoravina {

namespace {

std::vector<std::string> split(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string word; in >> word;)
        out.push_back(word);
    return out;
}

} // namespace

CorpusShape parseCorpusShape(std::string_view text)
{
    CorpusShape shape;
    std::istringstream in{std::string(text)};
    std::map<std::pair<Side, int>, std::pair<int, std::vector<int>>> composing;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        const auto f = split(line);
        if (f.empty() || f[0].starts_with("#"))
            continue;
        auto fail = [&] { shape.errors.push_back("shape.txt:" + std::to_string(number) + ": unreadable line"); };
        if (f[0] == "verses" && f.size() >= 9) {
            const Side side = f[1] == "bright" ? Side::Bright : Side::Dark;
            const auto position = parseInt(f[2]);
            const auto block = parseInt(f[3]);
            if (!position || !block)
                return fail(), shape;
            PositionRules& rules = shape.rules[{side, *position}];
            rules.initials = decodeUtf8(f[4]);
            rules.initialCodes = decodeUtf8(f[5]);
            rules.mark = decodeUtf8(f[6]).front();
            rules.markCodes = decodeUtf8(f[7]);
            std::vector<int> variants;
            for (std::size_t k = 8; k < f.size(); ++k)
                variants.push_back(parseInt(f[k]).value_or(0));
            composing[{side, *position}] = {*block, variants};
            shape.blocks[{side, *block, *position}] = {variants};
        } else if (f[0] == "copy" && f.size() >= 4) {
            const Side side = f[1] == "bright" ? Side::Bright : Side::Dark;
            const auto position = parseInt(f[2]);
            const auto block = parseInt(f[3]);
            const auto source = composing.find({side, position.value_or(0)});
            if (!block || source == composing.end())
                return fail(), shape;
            std::vector<int> variants = source->second.second;
            for (std::size_t k = 4; k < f.size(); ++k) {
                const auto eq = f[k].find('=');
                const auto group = parseInt(std::string_view(f[k]).substr(0, eq));
                if (!group || *group < 1 || *group > static_cast<int>(variants.size()) || eq == std::string::npos)
                    return fail(), shape;
                const std::string value = f[k].substr(eq + 1);
                variants[*group - 1] = value == "-" ? -1 : parseInt(value).value_or(0);
            }
            shape.blocks[{side, *block, *position}] = {variants};
        } else if (f[0] == "grades" && f.size() >= 6) {
            GradeSet set;
            const auto block = parseInt(f[1]);
            const auto table = tableByName(f[2]);
            const auto columns = parseInt(f[5]);
            if (!block || !table || !columns)
                return fail(), shape;
            set.block = *block;
            set.table = *table;
            set.position = f[3] == "-" ? 0 : parseInt(f[3]).value_or(0);
            set.columns = *columns;
            const auto x = f[4].find('x');
            if (x == std::string::npos) {
                for (int r = 1; r <= parseInt(f[4]).value_or(0); ++r)
                    set.rows.push_back(set.position ? std::vector<int>{set.position, r} : std::vector<int>{r});
            } else {
                const int first = parseInt(std::string_view(f[4]).substr(0, x)).value_or(0);
                const int second = parseInt(std::string_view(f[4]).substr(x + 1)).value_or(0);
                for (int a = 1; a <= first; ++a)
                    for (int b = 1; b <= second; ++b)
                        set.rows.push_back({a, b});
            }
            for (std::size_t k = 6; k < f.size(); ++k) {
                const auto eq = f[k].find('=');
                const auto row = parseInt(std::string_view(f[k]).substr(0, eq));
                const auto wide = eq == std::string::npos ? std::nullopt : parseInt(std::string_view(f[k]).substr(eq + 1));
                if (!row || !wide)
                    return fail(), shape;
                set.wideRows[*row] = *wide;
            }
            shape.grades.push_back(std::move(set));
        } else {
            fail();
        }
    }
    return shape;
}


} // namespace zoravina
