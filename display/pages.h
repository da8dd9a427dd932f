#pragma once
// The text pages: help and information series, example pages, the notice
// panel and the installation report, written in the page markup in
// display/pages/pages.txt and compiled into the program.

#include "corpus.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zoravina {

inline constexpr int kPageLines = 23;

struct PageText {
    std::string id;
    std::array<std::string, kPageLines + 1> lines;   // 1..23; a line not written is a single blank
    std::array<bool, kPageLines + 1> written{};
    int line = 0;                                    // where it starts in its file
};

struct Pages {
    std::vector<PageText> pages;
    std::vector<std::string> errors;

    const PageText* page(std::string_view id) const;
};

// "@page ID" starts a page; each line of it is "NN|text" with NN from 01 to 23.
Pages parsePages(std::string_view text);
const Pages& embeddedPages();
const std::vector<CorpusFile>& embeddedPageFiles();

// A page's text with "{name}" replaced, for the pages that report what happened.
std::string fillIn(std::string text, std::string_view name, std::string_view value);

} // namespace zoravina
