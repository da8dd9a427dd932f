// zoravina-melodies OUTPUT_FOLDER: writes Melodija1.wav .. Melodija3.wav.
//
// Each melody is a small score of parts (a tune, chords, a bass line) played
// by additive instruments, put in a little room with a reverb and brought to
// a common loudness. Everything is computed, nothing is random, so the files
// come out the same byte for byte on every build.
//
// Score notation, one token per note or chord, bars divided by "|":
//   A4:1.5        a note (name and octave, C4 = middle C) lasting 1.5 beats
//   F3+A3+C4:3    a chord
//   r:1           a rest
//   -:2           hold the previous note or chord 2 beats longer (a tie)
//   ...:4~        (chords only, in an arpeggiated part) strike it once, rolled
// Every bar must add up to the metre; a mistake stops the build.

#include "melodies.h"

#include <algorithm>
#include <cmath>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numbers>
#include <stdexcept>

namespace zoravina::melodies {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kLeadIn = 0.06;     // seconds of silence before the first note
constexpr double kFadeOut = 2.0;     // seconds over which the ending fades to nothing
constexpr double kRollStep = 0.1;    // beats between the notes of a rolled chord
constexpr double kEpsilon = 1e-9;

// ---------------------------------------------------------------- timbres

struct Partial {
    double ratio;          // of the fundamental
    double amplitude;
    double decay = 0;      // seconds to fall to 1/e; 0 sustains
};

struct Instrument {
    std::vector<Partial> partials;
    double attack, decay, sustain, release;     // seconds; sustain is a level
    double vibratoRate = 0, vibratoDepth = 0, vibratoDelay = 0;   // Hz, fraction of the pitch, seconds
    double chorusCents = 0;    // two voices this far either side of the pitch
    double brightness = 3000;  // Hz above which the partials are softened
};

// A breathy wooden flute: nearly a sine, with a late, slight vibrato.
const Instrument kFlute{{{1, 1}, {2, 0.28}, {3, 0.12}, {4, 0.05}}, 0.07, 0.3, 0.75, 0.35, 4.8, 0.003, 0.35};

// Strings far away: slow to swell, slow to fade, two voices beating gently.
const Instrument kWarmPad{{{1, 1}, {2, 0.35}, {3, 0.15}, {4, 0.08}}, 0.6, 0.8, 0.85, 1.2, 0, 0, 0, 5, 2500};
const Instrument kDarkPad{{{1, 1}, {2, 0.3}, {3, 0.1}}, 0.9, 1.0, 0.85, 1.6, 0, 0, 0, 6, 1500};

const Instrument kSoftBass{{{1, 1}, {2, 0.45}, {3, 0.18}, {4, 0.06}}, 0.08, 0.6, 0.7, 0.6, 0, 0, 0, 0, 1200};

// A celesta: struck, the upper partials dying first; the slightly stretched
// fourth partial gives the shimmer of a bell without its clang.
const Instrument kCelesta{{{1, 1, 1.6}, {2, 0.4, 0.8}, {3, 0.15, 0.4}, {4.07, 0.07, 0.2}}, 0.006, 1, 1, 0.9, 0, 0, 0, 0, 5000};

// A glass harmonica for the bright tune: bell-like onset, a singing tail.
const Instrument kGlass{{{1, 1, 4}, {2, 0.3, 1.2}, {3, 0.12, 0.5}, {5, 0.04, 0.15}}, 0.012, 0.5, 0.8, 0.5, 5, 0.002, 0.4, 0, 5000};

// A cello in its tenor range, rich but darkened, with a singer's vibrato.
const Instrument kCello{{{1, 1}, {2, 0.55}, {3, 0.38}, {4, 0.25}, {5, 0.16}, {6, 0.1}, {7, 0.06}, {8, 0.04}},
                        0.15, 0.4, 0.85, 0.45, 5.2, 0.0035, 0.25, 0, 2200};

// ---------------------------------------------------------------- scores

struct Part {
    const Instrument* instrument;
    double level;
    std::string_view score;
    double arpeggioStep = 0;          // beats between the notes of a broken chord; 0 sounds it whole
    std::vector<int> arpeggio = {};   // which chord notes in turn, 0 the lowest
    double arpeggioRing = 0;          // beats each broken-chord note is held
};

struct Piece {
    double tempo;           // beats a minute
    int beatsPerBar;
    double ritardando;      // the last beats broaden until the tempo is a fifth slower
    double reverb;          // wet level
    std::vector<Part> parts;
};

// Melodija1, calm. F major, 3/4, 76 a minute: a lullaby of four phrases,
// A A' B A''. A ends open on the dominant, A' closes on the tonic; B climbs
// through the subdominant and returns by the steps E F G A into A'', whose
// peak on the high F is the tune's only reach.
//   A   | F      | Dm     | Bb     | C      |
//   A'  | F      | Dm     | Bb  C  | F      |
//   B   | Bb     | F/A    | Gm     | C7     |
//   A'' | F      | Dm     | Bb  C  | F      | F |
constexpr std::string_view kCalmTune = R"(
    C5:2 A4:1 | D5:1 C5:1 A4:1 | F4:1.5 G4:0.5 A4:1 | G4:3 |
    C5:2 A4:1 | D5:1 F5:1 E5:1 | D5:1 C5:0.5 A4:0.5 G4:1 | F4:3 |
    D5:1 F5:1.5 D5:0.5 | C5:2 A4:1 | Bb4:1 A4:1 G4:1 | E4:1.5 F4:0.5 G4:1 |
    A4:2 C5:1 | D5:1.5 E5:0.5 F5:1 | D5:1 C5:0.5 A4:0.5 G4:1 | F4:3 | -:2 r:1 |)";
constexpr std::string_view kCalmChords = R"(
    F3+A3+C4:3 | F3+A3+D4:3 | F3+Bb3+D4:3 | E3+G3+C4:3 |
    F3+A3+C4:3 | F3+A3+D4:3 | F3+Bb3+D4:2 E3+G3+C4:1 | F3+A3+C4:3 |
    F3+Bb3+D4:3 | F3+A3+C4:3 | G3+Bb3+D4:3 | E3+G3+Bb3:3 |
    F3+A3+C4:3 | F3+A3+D4:3 | F3+Bb3+D4:2 E3+G3+C4:1 | F3+A3+C4:3 | -:3 |)";
constexpr std::string_view kCalmBass = R"(
    F2:3 | D2:3 | Bb1:3 | C2:3 |
    F2:3 | D2:3 | Bb1:2 C2:1 | F2:3 |
    Bb1:3 | A1:3 | G1:3 | C2:3 |
    F2:3 | D2:3 | Bb1:2 C2:1 | F2:3 | -:3 |)";

// Melodija2, luminous. D major, 4/4, 104 a minute: a tune on glass over a
// celesta breaking every chord in eighths. A opens on the rising triad and
// pauses on the dominant; A' answers and closes; B turns to B minor and
// climbs in a sequence to the leading tone C#6, which resolves to the high D
// at the start of the last phrase.
//   A   | D      | Gmaj7  | D/F#   | Asus4 A   |
//   A'  | D      | Gmaj7  | Em7 A7 | D         |
//   B   | Bm     | G      | Em     | A         |
//   A'' | Gmaj7  | D/F#   | Em7 A7 | D         | D (struck once) |
constexpr std::string_view kLuminousTune = R"(
    A4:1 D5:1 F#5:1.5 E5:0.5 | G5:1.5 F#5:0.5 D5:1 B4:1 | D5:1 E5:0.5 F#5:0.5 A5:1 B5:1 | A5:1 G5:0.5 F#5:0.5 E5:2 |
    A4:1 D5:1 F#5:1.5 E5:0.5 | G5:1.5 F#5:0.5 B5:1 A5:1 | G5:1 F#5:1 E5:1 C#5:1 | D5:3 r:1 |
    F#5:1 D5:0.5 F#5:0.5 B5:2 | G5:1.5 A5:0.5 B5:1 G5:1 | E5:1 G5:1 B5:1.5 G5:0.5 | A5:1 B5:1 C#6:2 |
    D6:2 B5:1 F#5:1 | A5:1.5 F#5:0.5 D5:1 E5:1 | G5:1.5 F#5:0.5 E5:1 C#5:1 | D5:4 | -:2 r:2 |)";
constexpr std::string_view kLuminousChords = R"(
    D4+F#4+A4+D5+F#5:4 | D4+G4+B4+D5+F#5:4 | D4+F#4+A4+D5+F#5:4 | D4+E4+A4+D5:2 C#4+E4+A4+C#5:2 |
    D4+F#4+A4+D5+F#5:4 | D4+G4+B4+D5+F#5:4 | D4+E4+G4+B4:2 E4+G4+A4+C#5:2 | D4+F#4+A4+D5+F#5:4 |
    D4+F#4+B4+D5+F#5:4 | D4+G4+B4+D5+G5:4 | E4+G4+B4+E5+G5:4 | C#4+E4+A4+C#5+E5:4 |
    D4+G4+B4+D5+F#5:4 | D4+F#4+A4+D5+F#5:4 | D4+E4+G4+B4:2 E4+G4+A4+C#5:2 | D4+F#4+A4+D5+F#5:4 |
    D4+F#4+A4+D5+F#5:4~ |)";
constexpr std::string_view kLuminousBass = R"(
    D2:4 | G2:4 | F#2:4 | A2:4 |
    D2:4 | G2:4 | E2:2 A2:2 | D2:4 |
    B2:4 | G2:4 | E2:4 | A2:4 |
    G2:4 | F#2:4 | E2:2 A2:2 | D2:4 | -:4 |)";

// Melodija3, sombre. D minor, 4/4, 63 a minute: a cello lament. Its phrase
// rises through the minor triad and sighs back down; the first time it stops
// on the dominant, the second it reaches the high Bb, sighs A to G over G
// minor and closes through the leading tone. A short coda sinks an octave
// to the low D.
//   A    | Dm     | Bb     | Gm  C  | F   A  |
//   A'   | Dm     | Bb     | Gm  A7 | Dm  Bb |
//   coda | Gm  A  | Dm     |
constexpr std::string_view kSombreTune = R"(
    A3:1 D4:1 F4:1.5 E4:0.5 | D4:2 C4:1 Bb3:1 | G3:1 Bb3:1 C4:1 E4:1 | F4:2 E4:2 |
    A3:1 D4:1 F4:1.5 E4:0.5 | D4:1 F4:1 Bb4:2 | A4:1.5 G4:0.5 E4:1 C#4:1 | D4:4 |
    Bb3:1 G3:1 E3:1 C#3:1 | D3:3 r:1 |)";
constexpr std::string_view kSombreChords = R"(
    D3+F3+A3:4 | D3+F3+Bb3:4 | D3+G3+Bb3:2 E3+G3+C4:2 | F3+A3+C4:2 E3+A3+C#4:2 |
    D3+F3+A3:4 | D3+F3+Bb3:4 | D3+G3+Bb3:2 E3+G3+C#4:2 | D3+F3+A3:2 D3+F3+Bb3:2 |
    D3+G3+Bb3:2 E3+A3+C#4:2 | D3+F3+A3:4 |)";
constexpr std::string_view kSombreBass = R"(
    D2:4 | Bb1:4 | G1:2 C2:2 | F2:2 A1:2 |
    D2:4 | Bb1:4 | G1:2 A1:2 | D2:2 Bb1:2 |
    G1:2 A1:2 | D2:4 |)";

const std::vector<Piece>& pieces()
{
    static const std::vector<Piece> all{
        {76, 3, 9, 0.22,
         {{&kFlute, 1.0, kCalmTune}, {&kWarmPad, 0.3, kCalmChords}, {&kSoftBass, 0.55, kCalmBass}}},
        {104, 4, 12, 0.28,
         {{&kGlass, 0.9, kLuminousTune},
          {&kCelesta, 0.35, kLuminousChords, 0.5, {0, 1, 2, 3, 4, 3, 2, 1}, 1.5},
          {&kSoftBass, 0.45, kLuminousBass}}},
        {63, 4, 8, 0.3,
         {{&kCello, 1.0, kSombreTune}, {&kDarkPad, 0.22, kSombreChords}, {&kSoftBass, 0.45, kSombreBass}}},
    };
    return all;
}

// ---------------------------------------------------------------- reading a score

struct Event {
    double beat, beats;
    std::vector<int> pitches;
    bool rolled = false;
};

struct Score {
    std::vector<Event> events;
    double beats = 0;
};

[[noreturn]] void badScore(std::string_view token, const char* why)
{
    throw std::invalid_argument("score token \"" + std::string(token) + "\": " + why);
}

Score readScore(std::string_view text, int beatsPerBar)
{
    Score score;
    double barStart = 0;
    bool afterRest = false;
    std::size_t at = 0;
    while (true) {
        at = text.find_first_not_of(" \t\n", at);
        if (at == std::string_view::npos)
            break;
        const std::size_t end = std::min(text.find_first_of(" \t\n", at), text.size());
        std::string_view token = text.substr(at, end - at);
        at = end;
        if (token == "|") {
            if (std::abs(score.beats - barStart - beatsPerBar) > kEpsilon)
                badScore(token, "the bar before it does not fill the metre");
            barStart = score.beats;
            continue;
        }
        const std::size_t colon = token.find(':');
        if (colon == std::string_view::npos)
            badScore(token, "no length");
        const std::string_view head = token.substr(0, colon);
        std::string_view length = token.substr(colon + 1);
        const bool rolled = length.ends_with('~');
        if (rolled)
            length.remove_suffix(1);
        double beats = 0;
        const auto [stop, error] = std::from_chars(length.data(), length.data() + length.size(), beats);
        if (error != std::errc{} || stop != length.data() + length.size() || beats <= 0)
            badScore(token, "the length is not a positive number of beats");

        if (head == "r") {
            afterRest = true;
        } else if (head == "-") {
            if (score.events.empty() || afterRest)
                badScore(token, "nothing sounding to hold");
            score.events.back().beats += beats;
        } else {
            Event event{score.beats, beats, {}, rolled};
            for (std::size_t from = 0; from <= head.size();) {
                const std::size_t plus = std::min(head.find('+', from), head.size());
                const auto pitch = midiPitch(head.substr(from, plus - from));
                if (!pitch)
                    badScore(token, "not a note name");
                event.pitches.push_back(*pitch);
                from = plus + 1;
            }
            score.events.push_back(std::move(event));
            afterRest = false;
        }
        score.beats += beats;
    }
    if (score.beats - barStart > kEpsilon && std::abs(score.beats - barStart - beatsPerBar) > kEpsilon)
        badScore("(end)", "the last bar does not fill the metre");
    return score;
}

// ---------------------------------------------------------------- time

// Beats to seconds: steady, then a ritardando whose tempo falls linearly.
struct Clock {
    double secondsPerBeat, beats, slowFrom;

    double at(double beat) const
    {
        constexpr double kBroadening = 0.2;
        double seconds = beat * secondsPerBeat;
        if (beat > slowFrom) {
            const double into = beat - slowFrom;
            seconds += secondsPerBeat * kBroadening * into * into / (2 * (beats - slowFrom));
        }
        return kLeadIn + seconds;
    }
};

double accent(double beat, int beatsPerBar)
{
    const double inBar = std::fmod(beat + kEpsilon, beatsPerBar);
    if (inBar < 2 * kEpsilon)
        return 1.0;
    if (beatsPerBar == 4 && std::abs(inBar - 2) < 2 * kEpsilon)
        return 0.92;
    if (inBar - std::floor(inBar) < 2 * kEpsilon)
        return 0.86;
    return 0.8;
}

// ---------------------------------------------------------------- sound

double frequency(int pitch)
{
    return 440.0 * std::pow(2.0, (pitch - 69) / 12.0);
}

// Raised-cosine attack, exponential fall to the sustain level, raised-cosine
// release from wherever the note was when let go: no corner anywhere, so no click.
double envelope(const Instrument& in, double t, double gate)
{
    auto held = [&](double s) {
        if (s < in.attack)
            return 0.5 - 0.5 * std::cos(kPi * s / in.attack);
        return in.sustain + (1 - in.sustain) * std::exp(-(s - in.attack) / in.decay);
    };
    if (t < gate)
        return held(t);
    const double out = t - gate;
    return out >= in.release ? 0.0 : held(gate) * (0.5 + 0.5 * std::cos(kPi * out / in.release));
}

void play(std::vector<double>& mix, const Instrument& in, int pitch, double start, double gate, double amplitude)
{
    const double rate = kSampleRate;
    const double f0 = frequency(pitch);
    double total = 0;
    for (const Partial& p : in.partials)
        total += p.amplitude;

    const std::vector<double> detunes =
        in.chorusCents > 0 ? std::vector<double>{-in.chorusCents, in.chorusCents} : std::vector<double>{0};
    const auto first = static_cast<std::size_t>(std::lround(start * rate));
    const auto last = std::min(mix.size(), first + static_cast<std::size_t>(std::ceil((gate + in.release) * rate)));

    for (const double cents : detunes) {
        const double f = f0 * std::pow(2.0, cents / 1200);
        std::vector<double> level, fall, ratio;
        for (const Partial& p : in.partials) {
            const double fp = f * p.ratio;
            if (fp > 0.45 * rate)
                continue;
            const double soften = 1 / (1 + (fp / in.brightness) * (fp / in.brightness));
            level.push_back(amplitude * p.amplitude * soften / total / detunes.size());
            fall.push_back(p.decay > 0 ? std::exp(-1 / (p.decay * rate)) : 1.0);
            ratio.push_back(p.ratio);
        }
        double phase = 0;
        for (std::size_t n = first; n < last; ++n) {
            const double t = (n - first) / rate;
            double wobble = 0;
            if (in.vibratoDepth > 0 && t > in.vibratoDelay) {
                const double ramp = std::min(1.0, (t - in.vibratoDelay) / 0.4);
                wobble = in.vibratoDepth * ramp * std::sin(2 * kPi * in.vibratoRate * (t - in.vibratoDelay));
            }
            double sample = 0;
            for (std::size_t k = 0; k < level.size(); ++k) {
                sample += level[k] * std::sin(ratio[k] * phase);
                level[k] *= fall[k];
            }
            mix[n] += envelope(in, t, gate) * sample;
            phase += 2 * kPi * f * (1 + wobble) / rate;
        }
    }
}

// A small room: parallel damped combs into allpass diffusers, the delays
// chosen mutually prime so that the echoes never line up into a pitch.
void addReverb(std::vector<double>& mix, double wet)
{
    struct Comb {
        std::vector<double> line;
        std::size_t at = 0;
        double low = 0;
    };
    struct Allpass {
        std::vector<double> line;
        std::size_t at = 0;
    };
    constexpr double kFeedback = 0.83, kDamping = 0.25, kInput = 0.06;
    std::vector<Comb> combs;
    for (const std::size_t length : {557, 593, 641, 677, 709, 743, 779, 809})
        combs.push_back({std::vector<double>(length), 0, 0});
    std::vector<Allpass> allpasses;
    for (const std::size_t length : {277, 219, 173, 113})
        allpasses.push_back({std::vector<double>(length), 0});

    for (double& sample : mix) {
        const double in = sample * kInput;
        double out = 0;
        for (Comb& c : combs) {
            const double delayed = c.line[c.at];
            c.low = delayed * (1 - kDamping) + c.low * kDamping;
            c.line[c.at] = in + c.low * kFeedback;
            c.at = (c.at + 1) % c.line.size();
            out += delayed;
        }
        for (Allpass& a : allpasses) {
            const double delayed = a.line[a.at];
            a.line[a.at] = out + delayed * 0.5;
            a.at = (a.at + 1) % a.line.size();
            out = delayed - out;
        }
        sample += wet * out;
    }
}

void putLE(std::string& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

} // namespace

std::optional<int> midiPitch(std::string_view name)
{
    static constexpr int kSemitones[] = {9, 11, 0, 2, 4, 5, 7};   // A B C D E F G
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'G')
        return std::nullopt;
    int pitch = kSemitones[name[0] - 'A'];
    std::size_t at = 1;
    if (name[at] == '#' || name[at] == 'b')
        pitch += name[at++] == '#' ? 1 : -1;
    int octave = 0;
    const char* end = name.data() + name.size();
    const auto [stop, error] = std::from_chars(name.data() + at, end, octave);
    if (at == name.size() || error != std::errc{} || stop != end || octave < 0 || octave > 8)
        return std::nullopt;
    return 12 * (octave + 1) + pitch;
}

std::vector<std::int16_t> renderMelody(int n)
{
    if (n < 1 || n > kMelodyCount)
        throw std::out_of_range("there is no melody " + std::to_string(n));
    const Piece& piece = pieces()[n - 1];

    std::vector<Score> scores;
    for (const Part& part : piece.parts) {
        scores.push_back(readScore(part.score, piece.beatsPerBar));
        if (std::abs(scores.back().beats - scores.front().beats) > kEpsilon)
            throw std::invalid_argument("the parts of melody " + std::to_string(n) + " differ in length");
    }
    const double beats = scores.front().beats;
    const Clock clock{60 / piece.tempo, beats, beats - piece.ritardando};
    const double seconds = clock.at(beats);
    std::vector<double> mix(static_cast<std::size_t>(std::ceil(seconds * kSampleRate)), 0.0);

    for (std::size_t p = 0; p < piece.parts.size(); ++p) {
        const Part& part = piece.parts[p];
        auto sound = [&](int pitch, double from, double to, double accentBeat) {
            play(mix, *part.instrument, pitch, clock.at(from), clock.at(to) - clock.at(from),
                 part.level * accent(accentBeat, piece.beatsPerBar));
        };
        for (const Event& e : scores[p].events) {
            const double end = e.beat + e.beats;
            if (part.arpeggioStep > 0 && !e.rolled) {
                std::size_t i = 0;
                for (double b = e.beat; b < end - kEpsilon; b += part.arpeggioStep, ++i) {
                    const int index = part.arpeggio[i % part.arpeggio.size()];
                    sound(e.pitches[index % e.pitches.size()], b, b + part.arpeggioRing, b);
                }
            } else {
                for (std::size_t i = 0; i < e.pitches.size(); ++i) {
                    const double from = e.beat + (e.rolled ? i * kRollStep : 0);
                    sound(e.pitches[i], from, end, e.beat);
                }
            }
        }
    }

    addReverb(mix, piece.reverb);

    const std::size_t fade = static_cast<std::size_t>(kFadeOut * kSampleRate);
    for (std::size_t i = 0; i < std::min(fade, mix.size()); ++i)
        mix[mix.size() - 1 - i] *= 0.5 - 0.5 * std::cos(kPi * i / fade);

    // One loudness for all three (about -20 dBFS), but never within 1 dB of clipping.
    double peak = 0, energy = 0;
    for (const double s : mix) {
        peak = std::max(peak, std::abs(s));
        energy += s * s;
    }
    const double rms = std::sqrt(energy / mix.size());
    const double gain = peak > 0 ? std::min(0.1 / rms, 0.89 / peak) : 0.0;

    std::vector<std::int16_t> samples;
    samples.reserve(mix.size());
    for (const double s : mix)
        samples.push_back(static_cast<std::int16_t>(std::lround(std::clamp(s * gain, -1.0, 1.0) * 32767)));
    return samples;
}

std::string wavFile(const std::vector<std::int16_t>& samples, int rate)
{
    const auto data = static_cast<std::uint32_t>(samples.size() * 2);
    std::string bytes;
    bytes.reserve(44 + data);
    bytes += "RIFF";
    putLE(bytes, 36 + data, 4);
    bytes += "WAVEfmt ";
    putLE(bytes, 16, 4);                 // size of the format chunk
    putLE(bytes, 1, 2);                  // integer PCM
    putLE(bytes, 1, 2);                  // mono
    putLE(bytes, static_cast<std::uint32_t>(rate), 4);
    putLE(bytes, static_cast<std::uint32_t>(rate) * 2, 4);   // bytes a second
    putLE(bytes, 2, 2);                  // bytes a frame
    putLE(bytes, 16, 2);                 // bits a sample
    bytes += "data";
    putLE(bytes, data, 4);
    for (const std::int16_t s : samples)
        putLE(bytes, static_cast<std::uint16_t>(s), 2);
    return bytes;
}

} // namespace zoravina::melodies

// The library build leaves main out so that the tests can link the synthesis.
#ifndef ZORAVINA_MELODIES_LIBRARY
int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    using namespace zoravina::melodies;
    if (argc != 2) {
        std::cerr << "usage: zoravina-melodies OUTPUT_FOLDER\n";
        return 1;
    }
    const fs::path folder = argv[1];
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        std::cerr << "zoravina-melodies: cannot create " << folder.string() << ": " << error.message() << '\n';
        return 1;
    }
    try {
        for (int n = 1; n <= kMelodyCount; ++n) {
            // Written aside and renamed, so an interrupted build never leaves half a file that looks finished.
            const fs::path target = folder / ("Melodija" + std::to_string(n) + ".wav");
            fs::path partial = target;
            partial += ".part";
            const std::string bytes = wavFile(renderMelody(n), kSampleRate);
            std::ofstream file(partial, std::ios::binary | std::ios::trunc);
            file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            file.close();
            if (!file) {
                std::cerr << "zoravina-melodies: cannot write " << partial.string() << '\n';
                return 1;
            }
            fs::rename(partial, target, error);
            if (error) {
                std::cerr << "zoravina-melodies: cannot write " << target.string() << ": " << error.message() << '\n';
                return 1;
            }
        }
    } catch (const std::exception& e) {
        std::cerr << "zoravina-melodies: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
#endif
