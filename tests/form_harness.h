#pragma once
// The window's handlers on the model of its controls, with a recording
// surface, a scripted platform and a scratch folder for the reader's files.

#include "form.h"
#include "recording_surface.h"
#include "scripted_platform.h"
#include "test_corpus.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace zoravina::fixtures {

struct TempFolder {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("zoravina-" + std::to_string(::getpid()) + "-" + std::to_string(++count()));
    TempFolder() { std::filesystem::create_directories(path); }
    ~TempFolder() { std::filesystem::remove_all(path); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    static int& count()
    {
        static int n = 0;
        return n;
    }
    std::string file(const std::string& name) const { return (path / name).string(); }
};

inline std::string slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void spit(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

struct FormHarness {
    TempFolder folder;
    ScriptedPlatform scripted;
    Platform platform = scripted.platform();
    Engine engine;
    DisplaySettings display;
    RecordingSurface surface;
    FormControls controls;
    Form form{engine, display, surface, controls, platform};

    explicit FormHarness(const Files& files = syntheticFiles(), std::uint64_t seed = 4) : engine(engineOf(files, seed))
    {
        scripted.roots.documents = folder.path.string();
        scripted.roots.userData = (folder.path / "data").string();
        scripted.roots.program = (folder.path / "program").string();
        scripted.roots.programFile = (folder.path / "program" / "zoravina").string();
        scripted.roots.home = (folder.path / "home").string();
        form.startUp({"Liberation Serif"});
    }
    bool shown(Control c, int index = kNoIndex) const { return controls.isVisible(c, index); }
    void compose(int kind)
    {
        form.enterFromStartScreen();
        form.selectOption(OptionGroup::Kind, kind);
        form.composeWithSettings();
    }
};

} // namespace zoravina::fixtures
