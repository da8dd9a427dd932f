#include "corpus.h"

#include "text.h"

#include <optional>

namespace zoravina {

namespace {

enum class FileKind { Bright, Dark, Grades };

struct FileName {
    FileKind kind;
    int block;
};

std::optional<FileName> classify(std::string_view name)
{
    static constexpr std::pair<std::string_view, FileKind> prefixes[] = {
        {"bright-", FileKind::Bright}, {"dark-", FileKind::Dark}, {"grades-", FileKind::Grades}};
    for (auto [prefix, kind] : prefixes) {
        if (name.size() == prefix.size() + 5 && name.starts_with(prefix) && name.ends_with(".txt")) {
            const char digit = name[prefix.size()];
            if (digit >= '1' && digit <= '0' + kBlockCount)
                return FileName{kind, digit - '0'};
        }
    }
    return std::nullopt;
}

std::string_view trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

template <class LineFn>
void forEachLine(std::string_view text, LineFn&& fn)
{
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        ++number;
        const std::string_view content = trim(line);
        if (!content.empty() && content.front() != '#')
            fn(number, line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
}

class Parser {
public:
    explicit Parser(Corpus& corpus) : corpus_(corpus) {}

    void verses(const std::string& name, std::string_view text, CorpusVerseFile& out)
    {
        out.file = name;
        CorpusPosition* position = nullptr;
        CorpusGroup* group = nullptr;
        forEachLine(text, [&](int line, std::string_view raw) {
            if (raw.starts_with("@position")) {
                group = nullptr;
                position = nullptr;
                const auto fields = splitWords(raw);
                const auto number = fields.size() == 2 ? parseInt(fields[1]) : std::nullopt;
                if (!number || *number < 1 || *number > kLastPosition)
                    return report(name, line, "syntax", "expected @position N with N from 1 to 23");
                for (const CorpusPosition& seen : out.positions)
                    if (seen.position == *number)
                        return report(name, line, "syntax", "position written twice in one file");
                position = &out.positions.emplace_back();
                position->position = *number;
                position->headerLine = line;
            } else if (raw.starts_with("@group")) {
                group = nullptr;
                if (!position)
                    return report(name, line, "syntax", "group outside a position");
                const std::size_t bar = raw.find('|');
                const auto fields = splitWords(raw.substr(0, bar));
                const auto number = fields.size() == 2 ? parseInt(fields[1]) : std::nullopt;
                if (!number || *number < 1 || *number >= kGroupExtent)
                    return report(name, line, "syntax", "expected @group G | gloss with G from 1 to 40");
                if (!position->groups.empty() && position->groups.back().number >= *number)
                    return report(name, line, "syntax", "groups must be numbered in increasing order");
                group = &position->groups.emplace_back();
                group->number = *number;
                group->headerLine = line;
                position->groupCount = *number;
                if (bar != std::string_view::npos)
                    group->gloss = std::string(trim(raw.substr(bar + 1)));
                if (group->gloss.empty())
                    report(name, line, "gloss", "group without an English gloss");
            } else if (raw.starts_with("@")) {
                report(name, line, "syntax", "unknown header");
            } else if (!group) {
                report(name, line, "syntax", "verse outside a group");
            } else if (static_cast<int>(group->verses.size()) + 1 >= kVariantExtent) {
                report(name, line, "syntax", "more than 21 variants in a group");
            } else {
                group->verses.emplace_back(raw);
                group->verseLines.push_back(line);
            }
        });
    }

    void grades(const std::string& name, std::string_view text, CorpusGradeFile& out)
    {
        out.file = name;
        forEachLine(text, [&](int line, std::string_view raw) {
            const auto fields = splitWords(raw);
            const auto table = fields.empty() ? std::nullopt : tableByName(fields[0]);
            if (!table)
                return report(name, line, "grade-row", "unknown table");
            const TableShape& shape = tableShape(*table);
            if (static_cast<int>(fields.size()) != shape.rank + 1)
                return report(name, line, "grade-row", "expected the table, its row indexes and a digit string");
            CorpusGradeRow row;
            row.table = *table;
            row.digits = std::string(fields.back());
            row.line = line;
            for (int d = 0; d + 1 < shape.rank; ++d) {
                const auto index = parseInt(fields[1 + d]);
                if (!index || *index < 1 || *index >= shape.extents[d])
                    return report(name, line, "grade-row", "row index outside the table");
                row.leading.push_back(*index);
            }
            if (row.digits.size() >= static_cast<std::size_t>(shape.extents[shape.rank - 1]))
                return report(name, line, "grade-row", "more grades than the table has columns");
            if (row.digits.find_first_not_of("0123") != std::string::npos)
                return report(name, line, "grade-row", "grades are the digits 0 to 3");
            for (char digit : row.digits)
                row.grades.push_back(static_cast<std::int8_t>(digit - '0'));
            row.rowStart = gradeRowStart(shape, row.leading);
            out.rows.push_back(std::move(row));
        });
    }

    void report(const std::string& file, int line, std::string rule, std::string text)
    {
        corpus_.diagnostics.push_back({file, line, std::move(rule), std::move(text)});
    }

private:
    Corpus& corpus_;
};

} // namespace

std::shared_ptr<const Corpus> parseCorpus(const std::vector<CorpusFile>& files)
{
    auto corpus = std::make_shared<Corpus>();
    Parser parser(*corpus);
    for (const CorpusFile& file : files) {
        const auto kind = classify(file.name);
        if (!kind) {
            parser.report(file.name, 0, "syntax", "not a corpus file name");
            continue;
        }
        switch (kind->kind) {
        case FileKind::Bright: parser.verses(file.name, file.text, corpus->bright[kind->block]); break;
        case FileKind::Dark: parser.verses(file.name, file.text, corpus->dark[kind->block]); break;
        case FileKind::Grades: parser.grades(file.name, file.text, corpus->grades[kind->block]); break;
        }
    }
    for (auto* side : {&corpus->bright, &corpus->dark})
        for (CorpusVerseFile& file : *side)
            for (CorpusPosition& position : file.positions)
                for (CorpusGroup& group : position.groups)
                    group.verseViews.assign(group.verses.begin(), group.verses.end());
    return corpus;
}

std::shared_ptr<const Corpus> embeddedCorpus()
{
    static const std::shared_ptr<const Corpus> corpus = [] {
        std::vector<CorpusFile> content;
        for (const CorpusFile& file : embeddedFiles())
            if (classify(file.name))
                content.push_back(file);
        return parseCorpus(content);
    }();
    return corpus;
}

std::string_view embeddedFile(std::string_view name)
{
    for (const CorpusFile& file : embeddedFiles())
        if (file.name == name)
            return file.text;
    return {};
}

} // namespace zoravina
