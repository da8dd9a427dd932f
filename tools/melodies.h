#pragma once
// The three background melodies the program loops while a poem is shown.
// They are synthesized from scores at build time (zoravina-melodies), so
// no recordings have to be kept in the repository.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zoravina::melodies {

constexpr int kSampleRate = 22050;
constexpr int kMelodyCount = 3;

// The MIDI number of a note name: "C4" is middle C (60), "F#5" 78, "Bb3" 58.
std::optional<int> midiPitch(std::string_view name);

// Melody n (1 to kMelodyCount) as mono samples at kSampleRate; it starts and
// ends in silence so that it can be played over and over. Throws
// std::out_of_range for any other n.
std::vector<std::int16_t> renderMelody(int n);

// A complete 16-bit mono PCM WAV file holding the samples.
std::string wavFile(const std::vector<std::int16_t>& samples, int rate);

} // namespace zoravina::melodies
