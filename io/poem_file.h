#pragma once
// The poem file and the file of the reader's own verses: text in
// Windows-1250 with CR LF, numbers bare, texts between double quotes.
// Reading is all-or-nothing: a file that is broken or hostile anywhere
// gives nothing, and nothing it held is taken half.

#include "state.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zoravina {

// A file larger than this is not a poem the program wrote; it is not read.
inline constexpr std::size_t kLargestPoemFile = 256 * 1024;
inline constexpr std::size_t kLargestVerseFile = 4 * 1024 * 1024;

struct PoemFile {
    PoemKind kind = PoemKind::Bright;
    std::array<int, kPositionExtent> brightGroups{};
    std::array<int, kPositionExtent> darkGroups{};
    std::array<std::string, kPositionExtent> brightLines;
    std::array<std::string, kPositionExtent> darkLines;
    int background = 0;
};

// UTF-8 to Windows-1250 and back. Characters the code page lacks become
// "?"; bytes that are no Windows-1250 text make decoding fail.
std::string toWindows1250(std::string_view utf8);
std::optional<std::string> fromWindows1250(std::string_view bytes);

// A double quote would end the text field early: it is stored as a
// typographic quote.
std::string withoutStraightQuotes(std::string_view text);

std::string writePoemFile(const PoemFile& poem);
std::optional<PoemFile> readPoemFile(std::string_view bytes);

// The verse file: a count line, then one record per line.
struct VerseFile {
    std::vector<std::string> records;
    bool whole = true;   // false: something could not be read; the records are what could
};
std::string writeVerseFile(const std::vector<std::string>& records);
// Gives nothing only when the bytes are no Windows-1250 text at all.
std::optional<VerseFile> readVerseFile(std::string_view bytes);

// Files the program writes replace the old file whole, or not at all.
bool writeFileAtomically(const std::string& path, std::string_view bytes);
// The file's bytes, or nothing when it cannot be read or is larger than the limit.
std::optional<std::string> readSmallFile(const std::string& path, std::size_t limit);

} // namespace zoravina
