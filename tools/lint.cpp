#include "lint.h"

#include "corpus_shape.h"
#include "text.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

namespace zoravina {

namespace {

constexpr int kTitlePosition = 12;

// ---- text helpers -------------------------------------------------------

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

std::string withoutCodes(std::string_view text)
{
    std::string out;
    for (char c : text)
        if (c < '0' || c > '9')
            out.push_back(c);
    return out;
}

// ---- verse rules ----------------------------------------------------------

class Checker {
public:
    Checker(const CorpusShape& shape, LintReport& report) : shape_(shape), report_(report) {}

    void verse(Side side, int position, int variant, const std::string& file, int line, const std::string& text)
    {
        ++report_.versesChecked;
        const auto rules = shape_.rules.find({side, position});
        if (rules == shape_.rules.end())
            return;
        auto fail = [&](const std::string& rule) { report_.violations.push_back({file, line, rule, text}); };
        const std::u32string v = decodeUtf8(text);
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
                return fail("character " + encodeUtf8(v[i]));
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
        // An ellipsis lets the next line go on either as a new sentence or in lower case.
        if (i == 0 || std::u32string(U".!?,…").find(v[i - 1]) == std::u32string::npos)
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

    const CorpusShape& shape_;
    LintReport& report_;
};

std::string sideName(Side side) { return side == Side::Bright ? "bright" : "dark"; }

void checkVerseFiles(const Corpus& corpus, const CorpusShape& shape, LintReport& report)
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
                        // The title line's variants are one sentence in different markup.
                        const bool titleLine = position.position == kTitlePosition && it->second.side == side &&
                                               it->second.position == kTitlePosition;
                        if (!fresh && !copyOfSamePosition && !questionMarks && !titleLine)
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

void checkGradeFiles(const Corpus& corpus, const CorpusShape& shape, LintReport& report)
{
    // Rows that two blocks write are counted once in the mix.
    std::set<std::pair<TableId, std::vector<int>>> counted;
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
            // A row of zeros lets the next pass take any candidate at all.
            if (position >= 5 && row.digits.find_first_not_of('0') == std::string::npos)
                fail("every grade of the row is 0");
            if (counted.insert({row.table, row.leading}).second)
                for (char digit : row.digits)
                    if (digit >= '0' && digit <= '3')
                        ++report.gradeMix[static_cast<std::size_t>(digit - '0')];
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
    const CorpusShape shape = parseCorpusShape(shapeText);
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
