#include "collection.h"

#include "corpus.h"

#include <charconv>

namespace zoravina {

namespace {

constexpr std::string_view kSeparator = " | ";

std::vector<std::string_view> split(std::string_view line)
{
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t at = line.find(kSeparator);
        if (at == std::string_view::npos) {
            parts.push_back(line);
            return parts;
        }
        parts.push_back(line.substr(0, at));
        line.remove_prefix(at + kSeparator.size());
    }
}

} // namespace

const CollectionEntry* Collection::entry(int number) const
{
    for (const CollectionEntry& e : entries)
        if (e.number == number)
            return &e;
    return nullptr;
}

std::optional<PoemKind> kindOfEntry(int number)
{
    if ((number >= 1 && number <= 3) || (number >= 10 && number <= 42))
        return PoemKind::Bright;
    if ((number >= 4 && number <= 6) || (number >= 43 && number <= 75))
        return PoemKind::Combination;
    if ((number >= 7 && number <= 9) || (number >= 76 && number <= 108))
        return PoemKind::Dark;
    return std::nullopt;
}

Collection parseCollection(std::string_view text)
{
    Collection collection;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;
        const auto parts = split(line);
        CollectionEntry entry;
        entry.line = lineNumber;
        const auto [ptr, error] = std::from_chars(parts[0].data(), parts[0].data() + parts[0].size(), entry.number);
        const bool numbered = error == std::errc() && ptr == parts[0].data() + parts[0].size();
        const int expected = static_cast<int>(collection.entries.size()) + 1;
        if (!numbered || entry.number != expected || parts.size() < 2) {
            collection.errors.push_back("line " + std::to_string(lineNumber) + ": expected entry " + std::to_string(expected) +
                                        " as \"number | title | code | reason\"");
            continue;
        }
        entry.title = std::string(parts[1]);
        if (parts.size() > 2)
            entry.code = std::string(parts[2]);
        if (parts.size() > 3)
            entry.reason = std::string(parts[3]);
        collection.entries.push_back(std::move(entry));
    }
    return collection;
}

const Collection& embeddedCollection()
{
    static const Collection collection = parseCollection(embeddedFile("collection.txt"));
    return collection;
}

} // namespace zoravina
