// The information series of the start screen, the return to it, the
// example pages, the notice panel, and the colour menu.

#include "form.h"

#include "page_display.h"
#include "pages.h"
#include "poem_display.h"

namespace zoravina {

namespace {

constexpr Control kInfoButtons[] = {Control::Command11, Control::Command12, Control::Command14, Control::Command15,
                                    Control::Command16};
constexpr Control kNoticeLabels[] = {Control::Label8,  Control::Label11, Control::Label12,
                                     Control::Label13, Control::Label14, Control::Label15};
constexpr const char* kNextPage = "Naslednja stran";
constexpr Colour kHeadingOrange = rgb(255, 128, 0);

struct SeriesPage {
    const char* id;
    const char* captionAfter;
};

// Each button's pages, and the caption it shows after each; the caption is
// the whole state of a series.
struct InfoSeries {
    Control button;
    std::array<SeriesPage, 3> pages;
    int count;
};
constexpr InfoSeries kSeries[] = {
    {Control::Command11, {{{"program-1", kNextPage}, {"program-2", "O programu"}, {}}}, 2},
    {Control::Command12, {{{"author-1", "Kontaktni naslov"}, {"author-2", "O avtorju"}, {}}}, 2},
    {Control::Command14, {{{"design-1", kNextPage}, {"design-2", "Zasnova pesmi"}, {}}}, 2},
    {Control::Command15, {{{"reading-1", kNextPage}, {"reading-2", "Napotki za branje in oblikovanje"}, {}}}, 2},
    {Control::Command16, {{{"poem-1", "O interaktivnosti"}, {"poem-2", kNextPage}, {"poem-3", "O vsebini"}}}, 3},
};

const InfoSeries* seriesOf(Control button)
{
    for (const InfoSeries& s : kSeries)
        if (s.button == button)
            return &s;
    return nullptr;
}

void fillPage(DisplaySettings& display, const char* id)
{
    for (int p = 1; p <= kPageLines; ++p)
        display.displayLines(p) = " ";
    if (const PageText* page = embeddedPages().page(id))
        for (int p = 1; p <= kPageLines; ++p)
            display.displayLines(p) = page->lines[static_cast<std::size_t>(p)];
}

} // namespace

void Form::showNoticeTexts()
{
    const PageText* notice = embeddedPages().page("notice");
    for (std::size_t i = 0; i < std::size(kNoticeLabels); ++i)
        controls_.setCaption(kNoticeLabels[i], notice ? notice->lines[i + 1] : std::string());
}

void Form::showInfoPage(Control button)
{
    const InfoSeries* series = seriesOf(button);
    if (!series)
        return;
    controls_.hide(Control::Picture7);
    controls_.hide(Control::Frame6);
    window_.helpPage = 1;
    const std::string caption = controls_.caption(button);
    if (caption == series->pages[0].captionAfter)
        window_.helpPage = 2;
    if (series->count == 3 && caption == kNextPage)
        window_.helpPage = 3;
    const SeriesPage& page = series->pages[static_cast<std::size_t>(window_.helpPage - 1)];
    fillPage(display_, page.id);
    const bool last = window_.helpPage == series->count;
    for (Control other : kInfoButtons)
        if (other != button)
            controls_.setVisible(other, kNoIndex, last);
    if (last)
        controls_.show(Control::Command13);
    controls_.setCaption(button, page.captionAfter);
    showPage(display_, engine_.poem.lastPosition, surface_, controls_);
    controls_.setForeColour(Control::Label9, kHeadingOrange);
}

void Form::showStartScreen()
{
    display_.revealOnHover = 0;
    for (Control c : {Control::Label5, Control::Label6, Control::Label9, Control::Label10})
        controls_.hide(c);
    controls_.hide(Control::Label16, 0);
    for (int p = 1; p <= kPageLines; ++p)
        display_.displayLines(p) = " ";
    display_.alignment = Alignment::Left;
    controls_.setBackColour(Control::Form1, rgb(0, 0, 128));
    controls_.hide(Control::Picture6);
    controls_.show(Control::Picture7);
    controls_.hide(Control::Frame6);
    controls_.hide(Control::Label25, 0);
    controls_.hide(Control::Label25, 1);
    for (Control c : {Control::Label18, Control::Label20, Control::Label22, Control::Label24, Control::Picture8, Control::Picture9,
                      Control::Picture10, Control::Picture11, Control::Picture12, Control::Picture13, Control::Text1,
                      Control::List1})
        controls_.hide(c);
    const bool small = display_.resolution == Resolution::Small;
    controls_.setLeft(Control::Label5, small ? 3170 : 4170);
    controls_.setLeft(Control::Label6, small ? 3110 : 4110);
    display_.markup.background = static_cast<int>(Background::Universe);
    for (int i = 1; i <= 46; ++i) {
        controls_.hide(Control::Label1, i);
        controls_.hide(Control::Label2, i);
    }
    controls_.setEnabled(Control::zbir, kNoIndex, false);
    controls_.setEnabled(Control::Timer1, kNoIndex, false);
    controls_.setCaption(Control::Label5, "Zoravina je Orn je Zoravina");
    controls_.setCaption(Control::Label6, "Zoravina je Orn je Zoravina");
    controls_.hide(Control::Label7);
    controls_.hide(Control::Labl7);
    controls_.setBackground(static_cast<int>(Background::Universe));
    for (Control c : {Control::Frame1, Control::Frame2, Control::Frame3, Control::Frame4, Control::Frame5, Control::Command2,
                      Control::Command3, Control::Command4})
        controls_.hide(c);
    for (Control c : kInfoButtons)
        controls_.show(c);
    controls_.show(Control::Command13);
    // The start screen has no poem on it: what a poem or page drew goes.
    surface_.clear();
}

void Form::showExample(int index)
{
    static const char* const kExamples[] = {"example-A", "example-B", "example-C", "example-D"};
    if (index < 1 || index > 4)
        return;
    display_.examplePage = kExamplePage;
    // The start picture would cover the example.
    controls_.hide(Control::Picture7);
    fillPage(display_, kExamples[index - 1]);
    showPage(display_, engine_.poem.lastPosition, surface_, controls_);
    controls_.setEnabled(Control::primer, kNoIndex, false);
}

void Form::infoButtonHover(Control button)
{
    if (button == Control::Command6 || display_.revealOnHover != 1)
        controls_.show(Control::Frame6);
    controls_.hide(Control::Picture7);
}

void Form::chooseColour(int item)
{
    controls_.hide(Control::Frame6);
    const auto colour = platform_.colours.chooseColour(rgb(0, 0, 255));
    if (!colour)
        return;
    switch (item) {
    case 1:
        display_.markup.initialColour = *colour;
        controls_.setForeColour(Control::Label5, *colour);
        break;
    case 2:
        display_.markup.textColour = *colour;
        controls_.setForeColour(Control::Label6, *colour);
        break;
    case 3: controls_.setBackColour(Control::Form1, *colour); break;
    default: return;
    }
    if (controls_.isEnabled(Control::zbir))
        redrawPoem();
}

} // namespace zoravina
