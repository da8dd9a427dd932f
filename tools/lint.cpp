#include "lint.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <set>
#include <sstream>

namespace zoravina {

namespace {

constexpr int kTitlePosition = 12;

// ---- text helpers -------------------------------------------------------

std::u32string decode(std::string_view utf8)
{
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        const int length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
        char32_t cp = length == 1 ? c : c & (0x7F >> length);
        for (int k = 1; k < length && i + k < utf8.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        out.push_back(cp);
        i += static_cast<std::size_t>(length);
    }
    return out;
}

bool isLetter(char32_t c)
{
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') ||
           (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7);
}

bool isCode(char32_t c) { return c >= U'3' && c <= U'9'; }

char32_t lower(char32_t c)
{
    if (c >= U'A' && c <= U'Z')
        return c + 32;
    if (c == U'Č' || c == U'Š' || c == U'Ž' || c == U'Ć' || c == U'Đ')
        return c + 1;
    return c;
}

// Characters a verse may hold: what the poem files can store (they are
// written in Windows-1250 between double quotes, without escapes).
bool isVerseCharacter(char32_t c)
{
    static const std::u32string extra = U"čšžćđČŠŽĆĐ…–—‘’„“”«»";
    if (c == U'"')
        return false;
    if (c >= 0x20 && c < 0x7F)
        return true;
    return extra.find(c) != std::u32string::npos;
}

std::string encode(char32_t c)
{
    std::string out;
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
    return out;
}

std::string withoutCodes(std::string_view text)
{
    std::string out;
    for (char c : text)
        if (c < '0' || c > '9')
            out.push_back(c);
    return out;
}

std::optional<int> toInt(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// ---- the shape ----------------------------------------------------------

struct PositionRules {
    std::u32string initials;
    std::u32string initialCodes;   // U'0' stands for no code
    char32_t mark = 0;             // U'?' for the question-mark lines
    std::u32string markCodes;
};

struct BlockPosition {
    std::vector<int> variants;     // per group; -1: the group is not written
};

struct GradeSet {
    int block = 0;
    TableId table{};
    int position = 0;              // 0 for the tables of positions 1 to 4
    std::vector<std::vector<int>> rows;   // leading indexes of every expected row
    std::map<int, int> wideRows;   // row -> columns, where it differs
    int columns = 0;
};

struct Shape {
    std::map<std::pair<Side, int>, PositionRules> rules;
    std::map<std::tuple<Side, int, int>, BlockPosition> blocks;   // side, block, position
    std::vector<GradeSet> grades;
    std::vector<std::string> errors;
};

std::vector<std::string> split(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string word; in >> word;)
        out.push_back(word);
    return out;
}

Shape parseShape(std::string_view text)
{
    Shape shape;
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
            const auto position = toInt(f[2]);
            const auto block = toInt(f[3]);
            if (!position || !block)
                return fail(), shape;
            PositionRules& rules = shape.rules[{side, *position}];
            rules.initials = decode(f[4]);
            rules.initialCodes = decode(f[5]);
            rules.mark = decode(f[6]).front();
            rules.markCodes = decode(f[7]);
            std::vector<int> variants;
            for (std::size_t k = 8; k < f.size(); ++k)
                variants.push_back(toInt(f[k]).value_or(0));
            composing[{side, *position}] = {*block, variants};
            shape.blocks[{side, *block, *position}] = {variants};
        } else if (f[0] == "copy" && f.size() >= 4) {
            const Side side = f[1] == "bright" ? Side::Bright : Side::Dark;
            const auto position = toInt(f[2]);
            const auto block = toInt(f[3]);
            const auto source = composing.find({side, position.value_or(0)});
            if (!block || source == composing.end())
                return fail(), shape;
            std::vector<int> variants = source->second.second;
            for (std::size_t k = 4; k < f.size(); ++k) {
                const auto eq = f[k].find('=');
                const auto group = toInt(std::string_view(f[k]).substr(0, eq));
                if (!group || *group < 1 || *group > static_cast<int>(variants.size()) || eq == std::string::npos)
                    return fail(), shape;
                const std::string value = f[k].substr(eq + 1);
                variants[*group - 1] = value == "-" ? -1 : toInt(value).value_or(0);
            }
            shape.blocks[{side, *block, *position}] = {variants};
        } else if (f[0] == "grades" && f.size() >= 6) {
            GradeSet set;
            const auto block = toInt(f[1]);
            const auto table = tableByName(f[2]);
            const auto columns = toInt(f[5]);
            if (!block || !table || !columns)
                return fail(), shape;
            set.block = *block;
            set.table = *table;
            set.position = f[3] == "-" ? 0 : toInt(f[3]).value_or(0);
            set.columns = *columns;
            const auto x = f[4].find('x');
            if (x == std::string::npos) {
                for (int r = 1; r <= toInt(f[4]).value_or(0); ++r)
                    set.rows.push_back(set.position ? std::vector<int>{set.position, r} : std::vector<int>{r});
            } else {
                const int first = toInt(std::string_view(f[4]).substr(0, x)).value_or(0);
                const int second = toInt(std::string_view(f[4]).substr(x + 1)).value_or(0);
                for (int a = 1; a <= first; ++a)
                    for (int b = 1; b <= second; ++b)
                        set.rows.push_back({a, b});
            }
            for (std::size_t k = 6; k < f.size(); ++k) {
                const auto eq = f[k].find('=');
                const auto row = toInt(std::string_view(f[k]).substr(0, eq));
                const auto wide = eq == std::string::npos ? std::nullopt : toInt(std::string_view(f[k]).substr(eq + 1));
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

// ---- verse rules ----------------------------------------------------------

class Checker {
public:
    Checker(const Shape& shape, LintReport& report) : shape_(shape), report_(report) {}

    void verse(Side side, int position, int variant, const std::string& file, int line, const std::string& text)
    {
        ++report_.versesChecked;
        const auto rules = shape_.rules.find({side, position});
        if (rules == shape_.rules.end())
            return;
        auto fail = [&](const std::string& rule) { report_.violations.push_back({file, line, rule, text}); };
        const std::u32string v = decode(text);
        const std::size_t length = v.size();

        if (rules->second.mark == U'?') {
            if (v != std::u32string(static_cast<std::size_t>(26 + variant), U'?'))
                fail("question-marks");
            return;
        }
        const auto [minimum, maximum] = side == Side::Bright ? std::pair{27u, 108u} : std::pair{25u, 112u};
        if (length < minimum || length > maximum)
            fail("length");
        markup(v, fail);
        if (side == Side::Bright)
            brightShape(position, v, rules->second, fail);
        else
            darkShape(position, v, rules->second, fail);
    }

private:
    template <class Fail>
    void markup(const std::u32string& v, Fail&& fail)
    {
        for (std::size_t i = 0; i < v.size(); ++i) {
            if (v[i] == U'0' || v[i] == U'1' || v[i] == U'2')
                return fail("printed-digit");
            if (isCode(v[i]) && i + 1 < v.size() && isCode(v[i + 1]))
                return fail("markup");
            if (!isVerseCharacter(v[i]))
                return fail("character " + encode(v[i]));
        }
        if (v.empty() || v.front() == U' ' || v.back() == U' ' || v.find(U"  ") != std::u32string::npos)
            fail("blanks");
    }

    template <class Fail>
    void initial(const std::u32string& v, const PositionRules& rules, std::size_t& next, Fail&& fail)
    {
        const bool coded = !v.empty() && isCode(v[0]);
        const char32_t code = coded ? v[0] : U'0';
        next = coded ? 1 : 0;
        if (rules.initialCodes.find(code) == std::u32string::npos)
            fail("initial-code");
        if (next >= v.size() || rules.initials.find(v[next]) == std::u32string::npos)
            fail("initial");
        ++next;
    }

    template <class Fail>
    void brightShape(int position, const std::u32string& v, const PositionRules& rules, Fail&& fail)
    {
        std::size_t next = 0;
        initial(v, rules, next, fail);
        if (position != kTitlePosition && (next >= v.size() || v[next] != U'3'))
            fail("initial-code");
        // ...[code]M[3|6]L[3 after 6]P
        std::size_t i = v.size();
        if (i == 0 || std::u32string(U".!?,").find(v[i - 1]) == std::u32string::npos)
            return fail("punctuation");
        --i;
        const bool yellowEnd = i >= 1 && v[i - 1] == U'3' && i >= 3 && v[i - 3] == U'6';
        if (yellowEnd)
            --i;
        if (i < 5 || !isLetter(v[i - 1]) || (v[i - 2] != U'3' && v[i - 2] != U'6') || !isLetter(v[i - 3]) ||
            rules.markCodes.find(v[i - 4]) == std::u32string::npos)
            return fail("marked-letter");
        if (lower(v[i - 3]) != rules.mark)
            fail("marked-letter");
    }

    template <class Fail>
    void darkShape(int position, const std::u32string& v, const PositionRules& rules, Fail&& fail)
    {
        std::size_t next = 0;
        initial(v, rules, next, fail);
        while (next < v.size() && isLetter(v[next]))
            ++next;
        if (next < v.size() && v[next] == U' ')
            ++next;
        if (next >= v.size() || (v[next] != U'7' && v[next] != U'6'))
            fail("initial-code");
        // ...8L7P, the title line closing with "?!"
        const std::u32string closing = position == kTitlePosition ? U"?!" : U"";
        std::size_t i = v.size();
        if (!closing.empty()) {
            if (!v.ends_with(closing))
                return fail("punctuation");
            i -= closing.size();
        } else {
            if (i == 0 || std::u32string(U".?!,:").find(v[i - 1]) == std::u32string::npos)
                return fail("punctuation");
            --i;
        }
        if (i < 3 || v[i - 1] != U'7' || v[i - 3] != U'8' || lower(v[i - 2]) != rules.mark)
            fail("marked-letter");
    }

    const Shape& shape_;
    LintReport& report_;
};

std::string sideName(Side side) { return side == Side::Bright ? "bright" : "dark"; }

void checkVerseFiles(const Corpus& corpus, const Shape& shape, LintReport& report)
{
    Checker checker(shape, report);
    struct Seen {
        Side side;
        int position;
        int block;
        std::string where;
    };
    std::map<std::string, Seen> seen;
    for (Side side : {Side::Bright, Side::Dark}) {
        for (int block = 1; block <= kBlockCount; ++block) {
            const CorpusVerseFile& file = corpus.verses(side, block);
            const std::string name = file.file.empty() ? sideName(side) + "-" + std::to_string(block) + ".txt" : file.file;
            std::set<int> present;
            for (const CorpusPosition& position : file.positions) {
                present.insert(position.position);
                const auto expected = shape.blocks.find({side, block, position.position});
                if (expected == shape.blocks.end()) {
                    report.violations.push_back({name, position.headerLine, "shape", "this block does not write the position"});
                    continue;
                }
                const std::vector<int>& variants = expected->second.variants;
                std::set<int> groups;
                for (const CorpusGroup& group : position.groups) {
                    groups.insert(group.number);
                    const int want = group.number <= static_cast<int>(variants.size()) ? variants[group.number - 1] : -1;
                    const int have = static_cast<int>(group.verses.size());
                    if (want < 0 || have > want) {
                        report.violations.push_back({name, group.headerLine, "shape",
                                                     "group " + std::to_string(group.number) + " has " + std::to_string(have) +
                                                         " variants, the shape " + (want < 0 ? "has no such group" : "has " + std::to_string(want))});
                    } else if (have < want) {
                        report.missingVerses += want - have;
                        report.missing.push_back(name + ": " + sideName(side) + " position " + std::to_string(position.position) +
                                                 " group " + std::to_string(group.number) + ": " + std::to_string(want - have) + " of " +
                                                 std::to_string(want) + " variants missing");
                    }
                    for (std::size_t v = 0; v < group.verses.size(); ++v) {
                        const std::string& text = group.verses[v];
                        checker.verse(side, position.position, static_cast<int>(v) + 1, name, group.verseLines[v], text);
                        const std::string key = withoutCodes(text);
                        const std::string where = name + ":" + std::to_string(group.verseLines[v]);
                        const auto [it, fresh] = seen.try_emplace(key, Seen{side, position.position, block, where});
                        const bool copyOfSamePosition = it->second.side == side && it->second.position == position.position &&
                                                        it->second.block != block;
                        const bool questionMarks = text.find_first_not_of('?') == std::string::npos;
                        if (!fresh && !copyOfSamePosition && !questionMarks)
                            report.violations.push_back({name, group.verseLines[v], "duplicate", "same as " + it->second.where + ": " + text});
                    }
                }
                for (std::size_t g = 0; g < variants.size(); ++g) {
                    if (variants[g] > 0 && !groups.count(static_cast<int>(g) + 1)) {
                        ++report.missingGroups;
                        report.missingVerses += variants[g];
                        report.missing.push_back(name + ": " + sideName(side) + " position " + std::to_string(position.position) +
                                                 " group " + std::to_string(g + 1) + " missing");
                    }
                }
            }
            for (const auto& [key, expected] : shape.blocks) {
                const auto& [keySide, keyBlock, keyPosition] = key;
                if (keySide != side || keyBlock != block || present.count(keyPosition))
                    continue;
                int verses = 0;
                for (int count : expected.variants)
                    verses += std::max(count, 0);
                report.missingGroups += static_cast<int>(std::count_if(expected.variants.begin(), expected.variants.end(),
                                                                       [](int c) { return c > 0; }));
                report.missingVerses += verses;
                report.missing.push_back(name + ": " + sideName(side) + " position " + std::to_string(keyPosition) + " missing (" +
                                         std::to_string(verses) + " verses)");
            }
        }
    }
}

void checkGradeFiles(const Corpus& corpus, const Shape& shape, LintReport& report)
{
    for (int block = 1; block <= kBlockCount; ++block) {
        const CorpusGradeFile& file = corpus.grades[block];
        const std::string name = file.file.empty() ? "grades-" + std::to_string(block) + ".txt" : file.file;
        std::set<std::pair<TableId, std::vector<int>>> written;
        for (const CorpusGradeRow& row : file.rows) {
            ++report.gradeRowsChecked;
            const int position = tableShape(row.table).rank == 3 && row.table >= TableId::fitBB ? row.leading[0] : 0;
            const GradeSet* set = nullptr;
            for (const GradeSet& candidate : shape.grades)
                if (candidate.block == block && candidate.table == row.table && candidate.position == position)
                    set = &candidate;
            auto fail = [&](const std::string& text) { report.violations.push_back({name, row.line, "grade-row", text}); };
            if (!set || std::find(set->rows.begin(), set->rows.end(), row.leading) == set->rows.end()) {
                fail("this block writes no such row");
                continue;
            }
            const auto wide = set->wideRows.find(row.leading.back());
            const int columns = wide != set->wideRows.end() ? wide->second : set->columns;
            if (static_cast<int>(row.digits.size()) != columns)
                fail("the row has " + std::to_string(row.digits.size()) + " grades, the table " + std::to_string(columns) + " columns");
            if (!written.insert({row.table, row.leading}).second)
                fail("row written twice");
        }
        for (const GradeSet& set : shape.grades) {
            if (set.block != block)
                continue;
            int absent = 0;
            for (const auto& leading : set.rows)
                absent += written.count({set.table, leading}) ? 0 : 1;
            if (absent > 0) {
                report.missingGradeRows += absent;
                report.missing.push_back(name + ": " + std::string(tableShape(set.table).name) +
                                         (set.position ? " position " + std::to_string(set.position) : "") + ": " +
                                         std::to_string(absent) + " of " + std::to_string(set.rows.size()) + " rows missing");
            }
        }
    }
}

} // namespace

LintReport lintCorpus(const std::vector<CorpusFile>& files, std::string_view shapeText)
{
    LintReport report;
    const Shape shape = parseShape(shapeText);
    for (const std::string& error : shape.errors)
        report.violations.push_back({"shape.txt", 0, "shape", error});
    const auto corpus = parseCorpus(files);
    report.violations.insert(report.violations.end(), corpus->diagnostics.begin(), corpus->diagnostics.end());
    checkVerseFiles(*corpus, shape, report);
    checkGradeFiles(*corpus, shape, report);
    std::stable_sort(report.violations.begin(), report.violations.end(), [](const Diagnostic& a, const Diagnostic& b) {
        return std::tie(a.file, a.line) < std::tie(b.file, b.line);
    });
    return report;
}

} // namespace zoravina
