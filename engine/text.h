#pragma once
// Small text helpers shared by the parsers and checkers. Texts are UTF-8.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zoravina {

std::optional<int> parseInt(std::string_view text);
// Words separated by blanks or tabs.
std::vector<std::string_view> splitWords(std::string_view text);

// Bytes of the UTF-8 character that starts with `lead` (1 for a stray byte).
std::size_t utf8Length(unsigned char lead);
std::u32string decodeUtf8(std::string_view utf8);
std::string encodeUtf8(char32_t c);
// Length in characters (code points), as the verse rules count it.
std::size_t characterCount(std::string_view utf8);

} // namespace zoravina
