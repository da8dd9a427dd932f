// Keeping poems: the poem file and the poem code, the collection of
// pre-written poems, and the reader's own verses.

#include "form.h"

#include "collection.h"
#include "guard.h"
#include "loaders.h"
#include "poem_code.h"
#include "poem_display.h"
#include "poem_file.h"

#include <filesystem>
#include <fstream>

namespace zoravina {

namespace {

constexpr int kLinesPerColumn = 23;
constexpr const char* kPlainTitle = "Zoravina je Orn je Zoravina";
constexpr const char* kOwnVersePrompt = "Vpišite svoj verz";
constexpr const char* kSubtitle = " > Prva slovenska interaktivna pesem < ";

bool hasBright(PoemKind kind) { return kind == PoemKind::Bright || kind == PoemKind::Combination; }
bool hasDark(PoemKind kind) { return kind == PoemKind::Dark || kind == PoemKind::Combination; }

std::string twoDigits(int n) { return std::string(1, static_cast<char>('0' + n / 10 % 10)) + static_cast<char>('0' + n % 10); }

std::string lineText(const PoemState& poem, int p)
{
    switch (poem.poemKind) {
    case PoemKind::Bright: return poem.brightLines(p);
    case PoemKind::Dark: return poem.darkLines(p);
    case PoemKind::Combination: return poem.brightLines(p) + " " + poem.darkLines(p);
    }
    return {};
}

bool opens(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return file.good();
}

// Whether every number of a code names a verse the corpus holds.
bool namesExistingVerses(const Corpus& corpus, const PoemCode& code)
{
    for (int p = 1; p <= kLastPosition; ++p) {
        const int block = blockOfPosition(p);
        const auto& [bg, bv, dg, dv] = code.numbers[p];
        for (Side side : {Side::Bright, Side::Dark}) {
            if ((side == Side::Bright && !hasBright(code.kind)) || (side == Side::Dark && !hasDark(code.kind)))
                continue;
            const int group = side == Side::Bright ? bg : dg;
            const int variant = side == Side::Bright ? bv : dv;
            bool found = false;
            for (const CorpusPosition& position : corpus.verses(side, block).positions)
                if (position.position == p)
                    for (const CorpusGroup& g : position.groups)
                        found |= g.number == group && variant >= 1 && variant <= static_cast<int>(g.verses.size());
            if (!found)
                return false;
        }
    }
    return true;
}

} // namespace

FileDialogSetup Form::poemFileDialog() const
{
    FileDialogSetup setup;
    setup.filters = {{"Tekstovne dat. (*.txt)", "*.txt"}, {"Zbirka (*.Orn)", "*.Orn"}};
    setup.defaultExtension = "Orn";
    setup.askBeforeOverwrite = true;
    setup.proposedName = window_.proposedName;
    const Folders folders = platform_.roots.folders();
    const std::filesystem::path poems = std::filesystem::path(folders.documents) / "pesem";
    std::error_code error;
    setup.initialFolder = std::filesystem::is_directory(poems, error) ? poems.string() : folders.documents;
    return setup;
}

void Form::savePoem()
{
    const PoemState& poem = engine_.poem;
    controls_.setText(Control::Text2, "");
    std::string text;
    if (display_.markup.background > 0) {
        for (int p = 1; p <= kLastPosition; ++p)
            text += "\r\n" + lineText(poem, p);
    } else {
        text = encodePoemCode(poem, 1, poem.poemKind, 0);
        text.insert(text.size() - 1, " ");
        text += "\r\n";
    }
    controls_.setText(Control::Text2, text);
    platform_.clipboard.setText(text);

    const auto path = platform_.files.saveFile(poemFileDialog());
    if (!path)
        return;
    PoemFile file;
    file.kind = poem.poemKind;
    file.background = display_.markup.background;
    for (int p = 1; p <= kLastPosition; ++p) {
        const auto pi = static_cast<std::size_t>(p);
        file.brightGroups[pi] = poem.chosenBrightGroup(p);
        file.darkGroups[pi] = poem.chosenDarkGroup(p);
        file.brightLines[pi] = poem.brightLines(p);
        file.darkLines[pi] = poem.darkLines(p);
    }
    // The old file stays whole unless the new one was written whole.
    if (!writeFileAtomically(*path, writePoemFile(file)))
        return;
    ++window_.saveCounter;
    window_.proposedName = "zoravi" + std::to_string(window_.saveCounter);
}

void Form::loadPoemFile()
{
    // Any failure leaves the poem on screen as it was; the poem is drawn in any case.
    if (const auto path = platform_.files.openFile(poemFileDialog())) {
        const auto bytes = readSmallFile(*path, kLargestPoemFile);
        if (const auto file = bytes ? readPoemFile(*bytes) : std::nullopt) {
            PoemState& poem = engine_.poem;
            poem.poemKind = file->kind;
            for (int p = 1; p <= kLastPosition; ++p) {
                const auto pi = static_cast<std::size_t>(p);
                if (hasBright(file->kind)) {
                    poem.chosenBrightGroup(p) = static_cast<std::int16_t>(file->brightGroups[pi]);
                    poem.brightLines(p) = file->brightLines[pi];
                }
                if (hasDark(file->kind)) {
                    poem.chosenDarkGroup(p) = static_cast<std::int16_t>(file->darkGroups[pi]);
                    poem.darkLines(p) = file->darkLines[pi];
                }
            }
            display_.markup.background = file->background;
        }
    }
    redrawPoem();
}

// The sound files stand in a folder "zbirka" in one of the roots: the
// program's folder, the reader's data folder, the system's data folders.
std::vector<std::string> Form::soundRoots() const
{
    const Folders folders = platform_.roots.folders();
    std::vector<std::string> roots{folders.program, folders.userData};
    roots.insert(roots.end(), folders.systemData.begin(), folders.systemData.end());
    std::erase(roots, std::string());
    return roots;
}

// The first root that holds the file, else the last root.
std::string Form::collectionFile(const std::string& name) const
{
    const std::vector<std::string> roots = soundRoots();
    for (const std::string& root : roots)
        if (opens(std::filesystem::path(root) / "zbirka" / name))
            return (std::filesystem::path(root) / "zbirka" / name).string();
    return roots.empty() ? name : (std::filesystem::path(roots.back()) / "zbirka" / name).string();
}

// The recordings' root is the first that holds Pesem1.wav; without one the
// last root is kept and nothing plays.
void Form::openCollectionMenu()
{
    controls_.show(Control::List1);
    const std::vector<std::string> roots = soundRoots();
    window_.recordingRoot = roots.empty() ? std::string() : roots.back();
    for (const std::string& root : roots)
        if (opens(std::filesystem::path(root) / "zbirka" / "Pesem1.wav")) {
            window_.recordingRoot = root;
            break;
        }
    if (controls_.itemCount(Control::List1) < 2)
        for (const CollectionEntry& entry : embeddedCollection().entries)
            controls_.addItem(Control::List1, entry.title);
}

void Form::chooseCollectionEntry(int row)
{
    if (row < 0 || row >= controls_.itemCount(Control::List1))
        return;
    auto step = [](auto&& f) {
        try {
            f();
        } catch (...) {
        }
    };
    step([&] { controls_.setEnabled(Control::zvokec, kNoIndex, false); });
    const std::string recording =
        (std::filesystem::path(window_.recordingRoot) / "zbirka" / ("Pesem" + std::to_string(row) + ".wav")).string();
    step([&] {
        controls_.hide(Control::List1);
        engine_.poem.currentPosition = static_cast<std::int16_t>(row);
    });
    step([&] { controls_.setEnabled(Control::Timer1, kNoIndex, true); });
    step([&] { controls_.setText(Control::Text1, controls_.item(Control::List1, row)); });
    step([&] {
        controls_.setFontSize(Control::Label7, 12);
        controls_.setFontSize(Control::Labl7, 9.75);
        controls_.setCaption(Control::Label7, kSubtitle);
        controls_.setCaption(Control::Labl7, std::string(controlSpec(Control::Label7).caption));
    });
    step([&] {
        std::string title = controls_.text(Control::Text1);
        const double wanted = surface_.textWidth(kPlainTitle);
        for (int blanks = 0; surface_.textWidth(title) < wanted && blanks < 100; ++blanks)
            title = " " + title + " ";
        controls_.setText(Control::Text1, title);
        window_.collectionPoemTitle = title;
    });
    step([&] {
        window_.soundMode = 1;
        // A recording that cannot play sends no completion: the menu must not wait for one.
        if (!platform_.sound.open(recording) || !platform_.sound.play())
            controls_.setEnabled(Control::zvokec, kNoIndex, true);
    });
    openCollectionEntry();
}

void Form::applyBackgroundPresets(int background)
{
    display_.markup.background = background;
    if (background == 0) {
        selectOption(OptionGroup::ColourMode, 0);
        display_.markup.colourMode = ColourMode::Multi;
        return;
    }
    constexpr Colour kPairs[][2] = {{rgb(37, 67, 228), rgb(255, 0, 255)},
                                    {rgb(255, 0, 0), rgb(0, 255, 0)},
                                    {rgb(255, 0, 255), rgb(0, 255, 255)},
                                    {rgb(0, 0, 255), rgb(255, 0, 255)}};
    selectOption(OptionGroup::ColourMode, 1);
    display_.markup.colourMode = ColourMode::Two;
    display_.markup.initialColour = kPairs[background - 1][0];
    display_.markup.textColour = kPairs[background - 1][1];
}

void Form::openCollectionEntry()
{
    PoemState& poem = engine_.poem;
    const int n = poem.currentPosition + 1;
    window_.currentSlot = n;
    const auto kind = kindOfEntry(n);
    if (!kind) {
        loadPoemFile();
        return;
    }
    const CollectionEntry* entry = embeddedCollection().entry(n);
    const auto code = entry ? decodePoemCode(entry->code) : std::nullopt;
    if (!code || !namesExistingVerses(*engine_.corpus, *code))
        return;
    poem.poemKind = *kind;
    applyBackgroundPresets(code->background);
    PoemCode asKind = *code;
    asKind.kind = *kind;
    Guard guard(surface_);
    guard.step([&] { rebuildPoem(engine_, asKind, n); });
    guard.drawing([&] { showPoem(engine_, display_, surface_, controls_); });
}

// Ctrl+V on the poem: a poem code a friend sent opens that poem.
void Form::pastePoemCode()
{
    const auto code = decodePoemCode(platform_.clipboard.text());
    if (!code || !namesExistingVerses(*engine_.corpus, *code))
        return;
    engine_.poem.poemKind = code->kind;
    applyBackgroundPresets(code->background);
    window_.collectionPoemTitle.clear();
    Guard guard(surface_);
    guard.step([&] { rebuildPoem(engine_, *code, 1); });
    guard.drawing([&] { showPoem(engine_, display_, surface_, controls_); });
}

std::string Form::ownVerseFile() const
{
    return (std::filesystem::path(platform_.roots.folders().userData) / "verzi.orn").string();
}

void Form::openOwnVerses()
{
    controls_.hide(Control::combo1);
    controls_.show(Control::Combo2);
    controls_.setTop(Control::Combo2, kNoIndex, controls_.state(Control::Command5).rect.top);
    controls_.clearItems(Control::combo1);
    controls_.clearItems(Control::Combo2);
    listedGroups_.clear();
    const auto bytes = readSmallFile(ownVerseFile(), kLargestVerseFile);
    const auto file = bytes ? readVerseFile(*bytes) : std::nullopt;
    const int line = engine_.poem.clickedLine;
    const PoemKind kind = engine_.poem.poemKind;
    if (file)
        for (const std::string& record : file->records) {
            controls_.addItem(Control::combo1, record);
            const std::string tag = record.substr(record.size() - 2);
            const int k = tag[0] >= '0' && tag[0] <= '9' && tag[1] >= '0' && tag[1] <= '9' ? std::stoi(tag) : -1;
            const bool fits = kind == PoemKind::Bright   ? k == line || k == line - kLinesPerColumn
                              : kind == PoemKind::Dark   ? k == line || k == line + kLinesPerColumn
                                                         : k == line;
            if (fits)
                controls_.addItem(Control::Combo2, record.substr(0, record.size() - 2));
        }
    controls_.setText(Control::Combo2, kOwnVersePrompt);
}

void Form::storeOwnVerse()
{
    controls_.hide(Control::combo1);
    controls_.hide(Control::Combo2);
    controls_.hide(Control::Command5);
    PoemState& poem = engine_.poem;
    if (poem.poemKind == PoemKind::Bright && poem.clickedLine > kLinesPerColumn)
        poem.clickedLine = static_cast<std::int16_t>(poem.clickedLine - kLinesPerColumn);
    else if (poem.poemKind == PoemKind::Dark && poem.clickedLine < kLinesPerColumn + 1)
        poem.clickedLine = static_cast<std::int16_t>(poem.clickedLine + kLinesPerColumn);
    const std::string verse = withoutStraightQuotes(controls_.text(Control::Combo2));

    // Every verse the file holds is written again, also those the list could
    // not show; a file that cannot be read at all is set aside, never lost.
    const std::string path = ownVerseFile();
    std::vector<std::string> records;
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        const auto bytes = readSmallFile(path, kLargestVerseFile);
        const auto file = bytes ? readVerseFile(*bytes) : std::nullopt;
        if (file && file->whole) {
            records = file->records;
        } else {
            if (file)
                records = file->records;
            std::filesystem::path aside = path + ".nečitljivo";
            for (int n = 2; std::filesystem::exists(aside, error); ++n)
                aside = path + ".nečitljivo" + std::to_string(n);
            std::filesystem::copy_file(path, aside, error);
            if (error)
                return;
        }
    }
    records.push_back(verse + twoDigits(poem.clickedLine));
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    if (!writeFileAtomically(path, writeVerseFile(records)))
        return;

    const bool dark = poem.poemKind == PoemKind::Dark ||
                      (poem.poemKind == PoemKind::Combination && poem.clickedLine > kLinesPerColumn);
    poem.lines(dark ? Side::Dark : Side::Bright)(poem.firstPosition) = verse;
    redrawPoem();
}

void Form::playbackDone()
{
    controls_.setEnabled(Control::zvokec, kNoIndex, true);
    platform_.sound.close();
    if (window_.soundMode == 1)
        return;
    if (platform_.sound.open(collectionFile("Melodija" + std::to_string(window_.melodyChoice) + ".wav")))
        replayWithNotice();
}

} // namespace zoravina
