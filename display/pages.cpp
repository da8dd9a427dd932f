#include "pages.h"

namespace zoravina {

const PageText* Pages::page(std::string_view id) const
{
    for (const PageText& p : pages)
        if (p.id == id)
            return &p;
    return nullptr;
}

Pages parsePages(std::string_view text)
{
    Pages result;
    PageText* current = nullptr;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        auto error = [&](const std::string& what) { result.errors.push_back("line " + std::to_string(number) + ": " + what); };
        if (line.empty() || line.front() == '#')
            continue;
        if (line.starts_with("@page ")) {
            PageText page;
            page.id = std::string(line.substr(6));
            page.line = number;
            page.lines.fill(" ");
            if (result.page(page.id))
                error("page " + page.id + " written twice");
            result.pages.push_back(std::move(page));
            current = &result.pages.back();
            continue;
        }
        const bool numbered = line.size() >= 3 && line[2] == '|' && line[0] >= '0' && line[0] <= '2' && line[1] >= '0' &&
                              line[1] <= '9';
        const int at = numbered ? (line[0] - '0') * 10 + (line[1] - '0') : 0;
        if (!current || !numbered || at < 1 || at > kPageLines) {
            error("expected \"NN|text\" with NN from 01 to 23 inside a page");
            continue;
        }
        if (current->written[static_cast<std::size_t>(at)])
            error("line " + std::to_string(at) + " of page " + current->id + " written twice");
        std::string_view content = line.substr(3);
        current->lines[static_cast<std::size_t>(at)] = content.empty() ? " " : std::string(content);
        current->written[static_cast<std::size_t>(at)] = true;
    }
    return result;
}

const Pages& embeddedPages()
{
    static const Pages pages = [] {
        Pages all;
        for (const CorpusFile& file : embeddedPageFiles()) {
            Pages one = parsePages(file.text);
            for (PageText& p : one.pages)
                all.pages.push_back(std::move(p));
            for (std::string& e : one.errors)
                all.errors.push_back(file.name + ": " + e);
        }
        return all;
    }();
    return pages;
}

std::string fillIn(std::string text, std::string_view name, std::string_view value)
{
    const std::string key = "{" + std::string(name) + "}";
    for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + value.size()))
        text.replace(at, key.size(), value);
    return text;
}

} // namespace zoravina
