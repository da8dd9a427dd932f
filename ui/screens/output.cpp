// What leaves the program: the printed poem, melodies and recordings, the
// poem read aloud, and the installation into a folder of the reader's.

#include "form.h"

#include "markup.h"
#include "page_display.h"
#include "pages.h"
#include "poem_display.h"

#include <filesystem>

namespace zoravina {

namespace fs = std::filesystem;

namespace {

constexpr const char* kPlainTitle = "Zoravina je Orn je Zoravina";
constexpr const char* kWarning = "Opozorilo";
constexpr const char* kNext = "NAPREJ";
constexpr int kRecordings = 108;
constexpr Colour kWhite = rgb(255, 255, 255);

bool isStanzaEnd(int p) { return p == 5 || p == 10 || p == 13 || p == 18; }

// The printed plain text keeps no markup: the digits 2 to 9 and the colon go.
std::string plainLine(const std::string& line)
{
    std::string out;
    for (char c : line)
        if (c < '2' || c > ':')
            out.push_back(c);
    return out;
}

std::string xmlEscaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out.push_back(c);
        }
    }
    return out;
}

// A folder's path as a page can show it: the page markup reads digits,
// the slash and a few other signs as codes, so these are written with
// their substitutes or with look-alike characters.
std::string pageSafe(const std::string& text)
{
    static const char* const kDigits[] = {"=", "#", "$", "%", "&", "*", "+", "y", "@", "/"};
    std::string out;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            out += kDigits[c - '0'];
        else if (c == '/')
            out += "∕";
        else if (c == '@')
            out += "Q";
        else if (c == 'y')
            out += "у";
        else if (c == 'Q')
            out += "Ԛ";
        else if (std::string_view("#$%&*+=").find(c) != std::string_view::npos)
            out += "·";
        else
            out.push_back(c);
    }
    return out;
}

// The reason a step failed, in words the page can show.
std::string reasonOf(const std::error_code& error)
{
    if (error == std::errc::no_such_file_or_directory)
        return "datoteke ali mape ni";
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
        return "ni dovoljenja za pisanje v to mapo";
    if (error == std::errc::no_space_on_device)
        return "na disku ni več prostora";
    if (error == std::errc::read_only_file_system)
        return "disk je samo za branje";
    return "sistem je sporočil napako " + std::to_string(error.value());
}

} // namespace

void Form::printPoem()
{
    std::string& title = window_.collectionPoemTitle;
    if (title.empty())
        title = kPlainTitle;
    const std::string credit(controlSpec(Control::Label7).caption);
    controls_.setCaption(Control::Label5, title);
    controls_.setCaption(Control::Label6, title);
    controls_.setCaption(Control::Labl7, credit);
    std::string text = title + "\r\n\r\n" + credit + "\r\n\r\n";
    for (int p = 1; p <= kLastPosition; ++p) {
        text += plainLine(display_.displayLines(p)) + "\r\n";
        if (isStanzaEnd(p))
            text += "\r\n";
    }
    controls_.setText(Control::Text16, text);
    controls_.show(Control::Text16);
    for (int i = 1; i <= 46; ++i) {
        controls_.hide(Control::Label1, i);
        controls_.hide(Control::Label2, i);
    }

    if (platform_.messages.askYesNo(kWarning, "Ali jo želiš natisniti v tej preprosti obliki?")) {
        controls_.setBackground(static_cast<int>(Background::None));
        controls_.setBackColour(Control::Form1, kWhite);
        surface_.clear();
        printWindowAndReport();
        controls_.setText(Control::Text16, "");
        controls_.hide(Control::Text16);
        redrawPoem();
        return;
    }
    controls_.setEnabled(Control::Timer1, kNoIndex, false);
    controls_.hide(Control::Text16);
    const bool withBackground = platform_.messages.askYesNo(kWarning, "Ali želiš tiskati skupaj z ozadjem?");
    if (!withBackground || display_.markup.background == 0) {
        display_.markup.background = 0;
        controls_.setBackground(static_cast<int>(Background::None));
        controls_.setBackColour(Control::Form1, kWhite);
        redrawPoem();
    }
    controls_.hide(Control::Command3);
    controls_.hide(Control::Command2);
    controls_.setCaption(Control::Label5, title);
    controls_.setCaption(Control::Label6, title);
    controls_.setCaption(Control::Labl7, credit);
    controls_.show(Control::Labl7);
    controls_.hide(Control::Label7);
    printWindowAndReport();
    const Control areas = display_.resolution == Resolution::Large ? Control::Label1 : Control::Label2;
    for (int i = 1; i <= 46; ++i)
        controls_.show(areas, i);
    controls_.show(Control::Command3);
    controls_.show(Control::Command2);
}

// Without a printer the page becomes a PDF in the documents folder, and the
// reader is told where; a notice, because the printing questions stay two.
void Form::printWindowAndReport()
{
    std::string pdf;
    switch (platform_.printer.printWindow(pdf)) {
    case PrintOutcome::Printed: break;
    case PrintOutcome::SavedAsPdf:
        platform_.messages.tell("Natisni", "Tiskalnika ni na voljo, zato je pesem shranjena kot PDF:\n" + pdf);
        break;
    case PrintOutcome::Failed:
        platform_.messages.tell("Natisni", "Pesmi ni bilo mogoče natisniti ne shraniti kot PDF.");
        break;
    }
}

void Form::chooseMelody(int index)
{
    if (index < 1 || index > 4)
        return;
    window_.melodyChoice = index;
    window_.soundMode = 2;
    if (index <= 3) {
        platform_.speech.stop();
        if (platform_.sound.open(collectionFile("Melodija" + std::to_string(index) + ".wav")))
            replayWithNotice();
        return;
    }
    window_.soundMode = 1;
    platform_.sound.stop();
    platform_.sound.close();
    platform_.speech.stop();
}

void Form::replayWithNotice()
{
    platform_.sound.play();
}

void Form::readPoemAloud()
{
    if (!platform_.speech.available())
        return;
    std::string ssml = "<speak>";
    for (int p = 1; p <= kLastPosition; ++p) {
        ssml += xmlEscaped(withoutVerseCodes(display_.displayLines(p))) + " ";
        ssml += isStanzaEnd(p) ? "<break time=\"900ms\"/>" : "<break time=\"350ms\"/>";
    }
    platform_.speech.speak(ssml + "</speak>");
}

void Form::installProgram()
{
    controls_.hide(Control::Picture7);
    const Folders folders = platform_.roots.folders();
    if (controls_.caption(Control::Command6) != kNext) {
        controls_.setCaption(Control::Command6, kNext);
        controls_.show(Control::namesti, 1);
        controls_.show(Control::namesti, 2);
        controls_.show(Control::Check1);
        return;
    }
    const fs::path target = controls_.isSelected(Control::namesti, 1) ? installTargets().first : installTargets().second;
    controls_.setCaption(Control::Command6, "POČAKAJ");

    // Every step is tried; the report says which failed and why.
    std::string failedStep;
    std::string reason;
    auto attempt = [&](const std::string& step, auto&& run) {
        std::error_code error;
        run(error);
        if (error && failedStep.empty()) {
            failedStep = step;
            reason = reasonOf(error);
        }
    };
    attempt("mapa " + target.string(), [&](std::error_code& e) { fs::create_directories(target, e); });
    if (controls_.isSelected(Control::Check1, kNoIndex)) {
        attempt("mapa " + (target / "zbirka").string(), [&](std::error_code& e) { fs::create_directories(target / "zbirka", e); });
        for (int k = 0; k < kRecordings; ++k) {
            const std::string name = "Pesem" + std::to_string(k) + ".wav";
            attempt("posnetek " + name, [&](std::error_code& e) {
                fs::copy_file(collectionFile(name), target / "zbirka" / name, fs::copy_options::overwrite_existing, e);
            });
        }
    }
    attempt("program", [&](std::error_code& e) {
        fs::copy_file(folders.programFile, target / fs::path(folders.programFile).filename(), fs::copy_options::overwrite_existing, e);
    });
    attempt("mapa " + (target / "zbirka").string(), [&](std::error_code& e) { fs::create_directories(target / "zbirka", e); });
    for (int m = 1; m <= 3; ++m) {
        const std::string name = "Melodija" + std::to_string(m) + ".wav";
        attempt("melodija " + name, [&](std::error_code& e) {
            fs::copy_file(collectionFile(name), target / "zbirka" / name, fs::copy_options::overwrite_existing, e);
        });
    }

    controls_.hide(Control::Command6);
    controls_.hide(Control::namesti, 1);
    controls_.hide(Control::namesti, 2);
    controls_.hide(Control::Check1);
    controls_.hide(Control::Frame6);
    window_.helpPage = 1;
    const PageText* page = embeddedPages().page(failedStep.empty() ? "install-done" : "install-failed");
    for (int p = 1; p <= kPageLines; ++p) {
        std::string line = page ? page->lines[static_cast<std::size_t>(p)] : std::string(" ");
        line = fillIn(line, "folder", pageSafe(target.string()));
        line = fillIn(line, "step", pageSafe(failedStep));
        line = fillIn(line, "reason", pageSafe(reason));
        display_.displayLines(p) = line;
    }
    display_.displayLines(9) = pageSafe(fs::path(folders.programFile).stem().string()) + " ";
    showPage(display_, engine_.poem.lastPosition, surface_, controls_);
    controls_.setForeColour(Control::Label9, rgb(255, 128, 0));
}

std::pair<std::string, std::string> Form::installTargets() const
{
    const Folders folders = platform_.roots.folders();
    return {(fs::path(folders.home) / "zoravina").string(), std::string("/opt/zoravina")};
}

// A program that already runs from where a package or an earlier installation
// put it has nothing to install, so the start screen does not offer it.
bool Form::runsInstalled() const
{
    const auto folder = [](const std::string& text) {
        fs::path path = fs::path(text).lexically_normal();
        return path.has_filename() ? path : path.parent_path();
    };
    const fs::path program = folder(platform_.roots.folders().program);
    const auto [home, system] = installTargets();
    if (program == folder(home) || program == folder(system))
        return true;
    const std::string text = program.generic_string();
    return text.rfind("/usr/", 0) == 0 || text == "/bin" || text == "/usr";
}

void Form::showInstallTargets()
{
    const auto [home, system] = installTargets();
    controls_.setCaption(Control::namesti, 1, home + "/");
    controls_.setCaption(Control::namesti, 2, system + "/");
    controls_.setSelected(Control::namesti, 1, true);
    if (runsInstalled())
        controls_.hide(Control::Command6);
}

} // namespace zoravina
