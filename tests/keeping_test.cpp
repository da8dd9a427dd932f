// Keeping poems: the file formats, hostile files, saving and loading through
// scripted dialogs, the collection, the reader's own verses, and writes that
// survive being killed.

#include "collection.h"
#include "compose.h"
#include "form.h"
#include "poem_code.h"
#include "poem_file.h"
#include "form_harness.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

using namespace zoravina;
namespace fs = std::filesystem;

namespace {

using fixtures::slurp;
using fixtures::spit;
using fixtures::TempFolder;

using Harness = fixtures::FormHarness;

PoemFile samplePoem(PoemKind kind)
{
    PoemFile poem;
    poem.kind = kind;
    poem.background = 2;
    for (int p = 1; p <= 23; ++p) {
        const auto pi = static_cast<std::size_t>(p);
        poem.brightGroups[pi] = p % 7 + 1;
        poem.darkGroups[pi] = p % 5 + 1;
        poem.brightLines[pi] = "Z3arja še spi v tiši5n3i, čeprav je že čas " + std::to_string(p % 10);
        poem.darkLines[pi] = "4D7an se nagiba k noč8i7 – " + std::string(p % 2 ? "čez" : "žar");
    }
    return poem;
}

int lineCount(const std::string& bytes)
{
    int n = 0;
    for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2))
        ++n;
    return n;
}

} // namespace

TEST(PoemFiles, ComeBackAsTheyWereWrittenInWindows1250WithCrLf)
{
    for (PoemKind kind : {PoemKind::Bright, PoemKind::Dark, PoemKind::Combination}) {
        const PoemFile poem = samplePoem(kind);
        const std::string bytes = writePoemFile(poem);
        EXPECT_EQ(lineCount(bytes), kind == PoemKind::Combination ? 72 : 49);
        EXPECT_EQ(bytes.find('\n', 0), bytes.find("\r\n") + 1);
        EXPECT_NE(bytes.find('\xE8'), std::string::npos) << "č is one byte in Windows-1250";
        EXPECT_EQ(bytes.find("č"), std::string::npos);
        const auto back = readPoemFile(bytes);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->kind, kind);
        EXPECT_EQ(back->background, 2);
        for (int p = 1; p <= 23; ++p) {
            const auto pi = static_cast<std::size_t>(p);
            if (kind != PoemKind::Dark) {
                EXPECT_EQ(back->brightGroups[pi], poem.brightGroups[pi]);
                EXPECT_EQ(back->brightLines[pi], poem.brightLines[pi]);
            }
            if (kind != PoemKind::Bright) {
                EXPECT_EQ(back->darkGroups[pi], poem.darkGroups[pi]);
                EXPECT_EQ(back->darkLines[pi], poem.darkLines[pi]);
            }
        }
    }
    EXPECT_NE(writePoemFile(samplePoem(PoemKind::Combination)).find("\r\n2,4\r\n"), std::string::npos)
        << "a combination poem's group pair shares a line";
}

TEST(PoemFiles, ABrokenOrHostileFileGivesNothing)
{
    const std::string good = writePoemFile(samplePoem(PoemKind::Combination));
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string s = good;
        s.replace(s.find(from), from.size(), to);
        return s;
    };
    const std::string cases[] = {
        "4" + good.substr(1),                        // a kind outside 1 to 3
        replaced("\r\n2,4\r\n", "\r\n2,41\r\n"),     // a group beyond the store
        replaced("\r\n2,4\r\n", "\r\n2,-1\r\n"),
        replaced("\r\n2,4\r\n", "\r\nx,4\r\n"),      // not a number
        good.substr(0, good.size() / 2),             // ends early
        good.substr(0, good.rfind("2\r\n\"EOF")),    // no background
        replaced("\"Z3arja", "\"Z3ar\x81ja"),        // a byte that is no Windows-1250 text
        replaced("\"Z3arja", "\"Z3ar\x07ja"),        // a control character inside a text
        replaced("\"Z3arja", "Z3arja\"bad"),        // a quote that never closes properly
        good + std::string(kLargestPoemFile, ' '),   // far too large to be a poem
        "",
    };
    for (const std::string& bytes : cases)
        EXPECT_FALSE(readPoemFile(bytes)) << bytes.substr(0, 80);
}

TEST(PoemFiles, ToleratesWhatEditorsDoToLineEndsAndBlanksButNoGarbage)
{
    const std::string good = writePoemFile(samplePoem(PoemKind::Combination));
    auto everywhere = [](std::string s, const std::string& from, const std::string& to) {
        for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
            s.replace(at, from.size(), to);
        return s;
    };
    const auto unix = readPoemFile(everywhere(good, "\r\n", "\n"));
    ASSERT_TRUE(unix) << "a file saved again with LF line ends";
    EXPECT_EQ(unix->darkLines[23], samplePoem(PoemKind::Combination).darkLines[23]);
    const auto blanks = readPoemFile(everywhere(good, "\r\n2,4\r\n", "\r\n  2 ,\t4 \r\n"));
    ASSERT_TRUE(blanks);
    EXPECT_EQ(blanks->brightGroups, readPoemFile(good)->brightGroups);
    EXPECT_EQ(blanks->darkGroups, readPoemFile(good)->darkGroups);

    std::string longLine = good;
    longLine.insert(longLine.find("\"Z3arja") + 1, std::string(2001, 'a'));
    std::string trailing = good;
    trailing.insert(trailing.find("\"\r\n", trailing.find("\"Z3arja") + 1) + 1, " x");
    std::string unclosed = good.substr(0, good.rfind("\"EOF"));
    unclosed = unclosed.substr(0, unclosed.rfind('"')) + "\r\n2\r\n";
    for (const std::string& bytes : {longLine, trailing, unclosed})
        EXPECT_FALSE(readPoemFile(bytes)) << bytes.substr(0, 60);
}

TEST(FileAccess, ReadsAreBoundedAndFailedWritesLeaveNothing)
{
    fixtures::TempFolder folder;
    const std::string path = (folder.path / "pesem.orn").string();
    ASSERT_TRUE(writeFileAtomically(path, "12345"));
    EXPECT_EQ(readSmallFile(path, 5), "12345");
    EXPECT_FALSE(readSmallFile(path, 4)) << "a file over the limit is not read";
    EXPECT_FALSE(readSmallFile((folder.path / "ni.orn").string(), 5));
    const std::string nowhere = (folder.path / "ni" / "mape.orn").string();
    EXPECT_FALSE(writeFileAtomically(nowhere, "x"));
    EXPECT_FALSE(std::filesystem::exists(folder.path / "ni"));

    EXPECT_EQ(toWindows1250("日č"), "?\xE8") << "what the code page lacks becomes a question mark";
    EXPECT_EQ(withoutStraightQuotes("\"da\""), "”da”");
    EXPECT_FALSE(readVerseFile(std::string(kLargestVerseFile + 1, 'a')));
    const auto gaps = readVerseFile("2\r\n\r\n\"Prvi07\"\r\n  \t\r\n\"x\"\r\n\"Drugi08\"");
    ASSERT_TRUE(gaps);
    EXPECT_EQ(gaps->records, (std::vector<std::string>{"Prvi07", "Drugi08"}));
    EXPECT_FALSE(gaps->whole) << "a record too short to hold a verse and its number";
}

TEST(VerseFiles, KeepEveryReadableRecordWhateverTheCountSays)
{
    const auto good = readVerseFile(writeVerseFile({"Moj verz07", "Drugi verz30"}));
    ASSERT_TRUE(good);
    EXPECT_TRUE(good->whole);
    EXPECT_EQ(good->records, (std::vector<std::string>{"Moj verz07", "Drugi verz30"}));
    const auto shortCount = readVerseFile("1\r\n\"Prvi07\"\r\n\"Drugi08\"\r\n\"Tretji09\"\r\n");
    ASSERT_TRUE(shortCount);
    EXPECT_FALSE(shortCount->whole);
    EXPECT_EQ(shortCount->records.size(), 3u);
    const auto noCount = readVerseFile("kar nekaj\r\n\"Prvi07\"\r\n\"nedokončan\r\n\"Tretji09\"\r\n");
    ASSERT_TRUE(noCount);
    EXPECT_FALSE(noCount->whole);
    EXPECT_EQ(noCount->records, (std::vector<std::string>{"Prvi07", "Tretji09"}));
    EXPECT_FALSE(readVerseFile("1\r\n\"\x81\"\r\n"));
}

TEST(Saving, PutsTheCodeOrTheLinesOnTheClipboardAndProposesTheNextName)
{
    Harness h;
    h.compose(3);
    h.display.markup.background = 0;
    h.scripted.fileAnswers = {std::nullopt};
    h.form.savePoem();
    const std::string code = h.scripted.clipboard;
    EXPECT_EQ(code.size(), 184u + 5u);
    EXPECT_TRUE(code.ends_with("S 0\r\n"));
    EXPECT_EQ(code.substr(0, 8), encodePoemCode(h.engine.poem, 1, PoemKind::Combination, 0).substr(0, 8));
    ASSERT_EQ(h.scripted.fileDialogs.size(), 1u);
    const FileDialogSetup& dialog = h.scripted.fileDialogs[0];
    EXPECT_EQ(dialog.proposedName, "zoravi1.orn");
    EXPECT_EQ(dialog.defaultExtension, "Orn");
    EXPECT_TRUE(dialog.askBeforeOverwrite);
    EXPECT_EQ(dialog.filters[0].first, "Tekstovne dat. (*.txt)");
    EXPECT_EQ(dialog.filters[1].first, "Zbirka (*.Orn)");
    EXPECT_EQ(dialog.initialFolder, h.folder.path.string()) << "no folder \"pesem\" yet: the documents folder";
    EXPECT_EQ(h.form.window().saveCounter, 1) << "a cancelled save counts nothing";

    fs::create_directories(h.folder.path / "pesem");
    h.display.markup.background = 3;
    h.scripted.fileAnswers = {h.folder.file("pesem/moja.Orn")};
    h.form.savePoem();
    EXPECT_EQ(h.scripted.fileDialogs[1].initialFolder, (h.folder.path / "pesem").string());
    EXPECT_TRUE(h.scripted.clipboard.starts_with("\r\n"));
    EXPECT_NE(h.scripted.clipboard.find(h.engine.poem.brightLines(5) + " " + h.engine.poem.darkLines(5)), std::string::npos);
    EXPECT_EQ(lineCount(slurp(h.folder.file("pesem/moja.Orn"))), 72);
    EXPECT_EQ(h.form.window().saveCounter, 2);
    h.scripted.fileAnswers = {std::nullopt};
    h.form.savePoem();
    EXPECT_EQ(h.scripted.fileDialogs[2].proposedName, "zoravi2");
}

TEST(Loading, BringsBackKindGroupsTextsAndBackgroundAndAHostileFileChangesNothing)
{
    Harness writer;
    writer.compose(3);
    writer.display.markup.background = 4;
    writer.scripted.fileAnswers = {writer.folder.file("p.Orn")};
    writer.form.savePoem();

    Harness reader;
    reader.compose(1);
    reader.scripted.fileAnswers = {writer.folder.file("p.Orn")};
    reader.form.loadPoemFile();
    EXPECT_EQ(reader.engine.poem.poemKind, PoemKind::Combination);
    EXPECT_EQ(reader.display.markup.background, 4);
    for (int p = 1; p <= 23; ++p) {
        EXPECT_EQ(reader.engine.poem.brightLines(p), writer.engine.poem.brightLines(p));
        EXPECT_EQ(reader.engine.poem.darkLines(p), writer.engine.poem.darkLines(p));
        EXPECT_EQ(reader.engine.poem.chosenDarkGroup(p), writer.engine.poem.chosenDarkGroup(p));
    }
    EXPECT_TRUE(reader.controls.isVisible(Control::Label16, 0));

    std::string hostile = slurp(writer.folder.file("p.Orn"));
    hostile.replace(hostile.find("\r\n") + 2, 1, "9");   // the first group becomes 9x, beyond the tables
    hostile.insert(hostile.find("\r\n") + 2, "9");
    spit(writer.folder.file("bad.Orn"), hostile);
    const std::string before = reader.engine.poem.darkLines(7);
    reader.compose(2);
    const std::string shown = reader.engine.poem.darkLines(7);
    reader.scripted.fileAnswers = {writer.folder.file("bad.Orn")};
    reader.form.loadPoemFile();
    EXPECT_EQ(reader.engine.poem.poemKind, PoemKind::Dark) << "the poem on screen stays";
    EXPECT_EQ(reader.engine.poem.darkLines(7), shown);
    EXPECT_NE(shown, before);
}

TEST(OwnVerses, AreStoredWithTheirLineAndOfferedAgainWhereTheyFit)
{
    Harness h;
    h.compose(1);
    h.form.selectOption(OptionGroup::Correction, 1);
    h.form.lineClicked(30);   // second column, position 7
    h.form.openOwnVerses();
    EXPECT_EQ(h.controls.text(Control::Combo2), "Vpišite svoj verz");
    h.controls.noteText(Control::Combo2, "Moj \"lastni\" verz");
    h.form.storeOwnVerse();
    EXPECT_EQ(slurp(h.form.ownVerseFile()), toWindows1250("1\r\n\"Moj ”lastni” verz07\"\r\n"));
    EXPECT_EQ(h.engine.poem.brightLines(7), "Moj ”lastni” verz");

    for (int line : {7, 30}) {
        h.form.lineClicked(line);
        h.form.openOwnVerses();
        ASSERT_EQ(h.controls.itemCount(Control::Combo2), 1) << "line " << line;
        EXPECT_EQ(h.controls.item(Control::Combo2, 0), "Moj ”lastni” verz");
    }
    h.compose(3);
    h.form.lineClicked(30);
    h.form.openOwnVerses();
    EXPECT_EQ(h.controls.itemCount(Control::Combo2), 0) << "a combination poem offers a verse for its own column only";
    h.controls.noteText(Control::Combo2, "Temni verz");
    h.form.storeOwnVerse();
    const auto file = readVerseFile(slurp(h.form.ownVerseFile()));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->records, (std::vector<std::string>{"Moj ”lastni” verz07", "Temni verz30"}));
    EXPECT_EQ(h.engine.poem.darkLines(7), "Temni verz");
    h.form.lineClicked(7);
    h.form.openOwnVerses();
    ASSERT_EQ(h.controls.itemCount(Control::Combo2), 1);
    EXPECT_EQ(h.controls.item(Control::Combo2, 0), "Moj ”lastni” verz");
}

TEST(OwnVerses, ABrokenFileIsSetAsideAndItsReadableVersesStay)
{
    Harness h;
    h.compose(1);
    fs::create_directories(h.scripted.roots.userData);
    const std::string broken = "dva\r\n\"Stari verz03\"\r\n\"pokvarjen\r\n";
    spit(h.form.ownVerseFile(), broken);
    h.form.lineClicked(3);
    h.form.openOwnVerses();
    h.controls.noteText(Control::Combo2, "Novi verz");
    h.form.storeOwnVerse();
    const auto file = readVerseFile(slurp(h.form.ownVerseFile()));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->records, (std::vector<std::string>{"Stari verz03", "Novi verz03"}));
    EXPECT_EQ(slurp(h.form.ownVerseFile() + ".nečitljivo"), broken) << "the file as the reader left it";
}

TEST(PoemCodes, APastedCodeOpensItsPoemAndACodeOfMissingVersesChangesNothing)
{
    Harness h;
    h.compose(1);
    Engine other = fixtures::engineOf(fixtures::syntheticFiles(), 9);
    other.poem.poemKind = PoemKind::Dark;
    composePoem(other);
    h.scripted.clipboard = encodePoemCode(other.poem, 1, PoemKind::Dark, 2) ;
    h.form.pastePoemCode();
    EXPECT_EQ(h.engine.poem.poemKind, PoemKind::Dark);
    EXPECT_EQ(h.display.markup.background, 2);
    EXPECT_EQ(h.display.markup.colourMode, ColourMode::Two);
    for (int p = 1; p <= 23; ++p)
        EXPECT_EQ(h.engine.poem.darkLines(p), other.poem.darkLines(p));

    std::string saved = encodePoemCode(other.poem, 1, PoemKind::Dark, 0);
    saved.insert(saved.size() - 1, " ");
    h.scripted.clipboard = saved + "\r\n";
    h.form.pastePoemCode();
    EXPECT_EQ(h.display.markup.background, 0) << "the saved form is accepted too";

    const std::string before = h.engine.poem.darkLines(1);
    std::string missing = encodePoemCode(other.poem, 1, PoemKind::Dark, 0);
    missing.replace(0, 2, "39");
    h.scripted.clipboard = missing;
    h.form.pastePoemCode();
    EXPECT_EQ(h.engine.poem.darkLines(1), before);
}

TEST(Collection, AnEntryPlaysItsRecordingOnceAndAMissingOneLeavesTheSoundMenuAlive)
{
    Harness h;
    h.compose(1);
    h.form.openCollectionMenu();
    ASSERT_EQ(h.controls.itemCount(Control::List1), 109);
    EXPECT_EQ(h.controls.item(Control::List1, 86), "Sestop ");
    EXPECT_EQ(h.controls.item(Control::List1, 108), "VNOS Z DISKA");
    h.form.chooseCollectionEntry(1);
    EXPECT_TRUE(h.controls.isEnabled(Control::zvokec)) << "no recording: no completion to wait for";
    EXPECT_EQ(h.scripted.soundLog.front(), "open " + (fs::path(h.scripted.roots.userData) / "zbirka" / "Pesem1.wav").string())
        << "entry 2 plays Pesem1, from the last root when no root holds the recordings";
    EXPECT_TRUE(h.controls.isEnabled(Control::Timer1));
    EXPECT_EQ(h.controls.caption(Control::Label7), " > Prva slovenska interaktivna pesem < ");
    const std::string& title = h.form.window().collectionPoemTitle;
    EXPECT_NE(title.find("Umetnik"), std::string::npos);
    EXPECT_GE(h.surface.textWidth(title), h.surface.textWidth("Zoravina je Orn je Zoravina"));
    EXPECT_TRUE(title.starts_with(" ") && title.ends_with(" "));

    fs::create_directories(fs::path(h.scripted.roots.userData) / "zbirka");
    for (const char* name : {"Pesem1.wav", "Pesem4.wav"})
        spit((fs::path(h.scripted.roots.userData) / "zbirka" / name).string(), "RIFF");
    h.form.openCollectionMenu();
    h.scripted.soundLog.clear();
    h.form.chooseCollectionEntry(4);
    EXPECT_EQ(h.scripted.soundLog[0], "open " + (fs::path(h.scripted.roots.userData) / "zbirka" / "Pesem4.wav").string());
    EXPECT_FALSE(h.controls.isEnabled(Control::zvokec)) << "the recording plays to its end";
    h.form.playbackDone();
    EXPECT_TRUE(h.controls.isEnabled(Control::zvokec));
    EXPECT_EQ(h.scripted.soundLog.back(), "close") << "a recording plays once";
}

TEST(Collection, EveryTitleStandsAndTheKindsFollowTheNumbers)
{
    const Collection& c = embeddedCollection();
    EXPECT_TRUE(c.errors.empty());
    ASSERT_EQ(c.entries.size(), 109u);
    EXPECT_EQ(c.entry(1)->title, "Posvečeno Zelmiju");
    EXPECT_EQ(c.entry(65)->title, "Ričo akšare parame vjoman (R.V. 1.164.39)");
    EXPECT_EQ(c.entry(76)->title, "-----T-E-M-A-Č-N-E-----");
    EXPECT_EQ(kindOfEntry(3), PoemKind::Bright);
    EXPECT_EQ(kindOfEntry(43), PoemKind::Combination);
    EXPECT_EQ(kindOfEntry(108), PoemKind::Dark);
    EXPECT_FALSE(kindOfEntry(109));
    EXPECT_TRUE(c.entry(4)->code.ends_with("S0"));
}

// A reader's poem file and verse file survive a crash in the middle of a
// write: the file holds the old content or the new, never a part.
TEST(AtomicWrites, AKilledWriterLeavesTheEarlierFileWhole)
{
    TempFolder folder;
    const std::string path = folder.file("verzi.orn");
    const std::string old(64 * 1024, 'a');
    const std::string fresh(32 * 1024 * 1024, 'b');
    ASSERT_TRUE(writeFileAtomically(path, old));
    for (int attempt = 0; attempt < 5; ++attempt) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;)
                writeFileAtomically(path, fresh);
        }
        ::usleep(20000 + attempt * 15000);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string now = slurp(path);
        EXPECT_TRUE(now == old || now == fresh) << "a half-written file of " << now.size() << " bytes";
    }
}
