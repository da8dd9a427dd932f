#include "melodies.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

using namespace zoravina::melodies;

namespace {

std::uint32_t readLE(const std::string& bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

int peakOf(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to)
{
    int peak = 0;
    for (std::size_t i = from; i < to; ++i)
        peak = std::max(peak, std::abs(int{s[i]}));
    return peak;
}

// Rendering takes a moment; every test reads the same three.
const std::vector<std::int16_t>& melody(int n)
{
    static const std::vector<std::vector<std::int16_t>> all{renderMelody(1), renderMelody(2), renderMelody(3)};
    return all.at(n - 1);
}

} // namespace

TEST(Melodies, WavFileHeaderAgreesWithTheSamples)
{
    const std::string file = wavFile({0, 1, -1, 32767, -32768}, 22050);
    ASSERT_EQ(file.size(), 44u + 10u);
    EXPECT_EQ(file.substr(0, 4), "RIFF");
    EXPECT_EQ(readLE(file, 4, 4), file.size() - 8);
    EXPECT_EQ(file.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(readLE(file, 16, 4), 16u);
    EXPECT_EQ(readLE(file, 20, 2), 1u);       // PCM
    EXPECT_EQ(readLE(file, 22, 2), 1u);       // mono
    EXPECT_EQ(readLE(file, 24, 4), 22050u);
    EXPECT_EQ(readLE(file, 28, 4), 44100u);   // bytes a second
    EXPECT_EQ(readLE(file, 32, 2), 2u);
    EXPECT_EQ(readLE(file, 34, 2), 16u);
    EXPECT_EQ(file.substr(36, 4), "data");
    EXPECT_EQ(readLE(file, 40, 4), 10u);
    // Little-endian two's complement.
    EXPECT_EQ(readLE(file, 46, 2), 1u);
    EXPECT_EQ(readLE(file, 48, 2), 0xffffu);
    EXPECT_EQ(readLE(file, 50, 2), 0x7fffu);
    EXPECT_EQ(readLE(file, 52, 2), 0x8000u);
}

TEST(Melodies, NoteNamesSpellTheirPitches)
{
    EXPECT_EQ(midiPitch("C4"), 60);
    EXPECT_EQ(midiPitch("A4"), 69);
    EXPECT_EQ(midiPitch("B3"), 59);     // B, not B flat
    EXPECT_EQ(midiPitch("Bb3"), 58);
    EXPECT_EQ(midiPitch("F#5"), 78);
    EXPECT_EQ(midiPitch("Cb4"), 59);    // across the octave boundary
    for (const char* bad : {"", "C", "H4", "c4", "C#", "C-1", "C44", "Bx3"})
        EXPECT_FALSE(midiPitch(bad)) << bad;
}

TEST(Melodies, EachIsALoopThatNeitherClipsNorWhispers)
{
    const std::size_t window = kSampleRate / 20;   // 50 ms
    for (int n = 1; n <= kMelodyCount; ++n) {
        SCOPED_TRACE("Melodija" + std::to_string(n));
        const auto& s = melody(n);
        const double seconds = static_cast<double>(s.size()) / kSampleRate;
        EXPECT_GE(seconds, 30.0);
        EXPECT_LE(seconds, 45.0);
        EXPECT_LT(wavFile(s, kSampleRate).size(), 2u * 1024 * 1024);

        double energy = 0;
        for (const std::int16_t x : s)
            energy += static_cast<double>(x) * x;
        EXPECT_GT(std::sqrt(energy / s.size()), 1500.0);
        EXPECT_LT(peakOf(s, 0, s.size()), 32767);
        // Both ends near silence, so the restart neither clicks nor jumps.
        EXPECT_LT(peakOf(s, 0, window), 300);
        EXPECT_LT(peakOf(s, s.size() - window, s.size()), 300);
    }
}

TEST(Melodies, TheThreeDifferAndEachRendersTheSameEveryTime)
{
    EXPECT_NE(melody(1), melody(2));
    EXPECT_NE(melody(2), melody(3));
    EXPECT_NE(melody(1), melody(3));
    EXPECT_EQ(renderMelody(3), melody(3));
    EXPECT_THROW(renderMelody(0), std::out_of_range);
    EXPECT_THROW(renderMelody(kMelodyCount + 1), std::out_of_range);
}
