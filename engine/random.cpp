#include "random.h"

#include <chrono>
#include <cmath>

namespace zoravina {

namespace {

std::uint64_t splitMix(std::uint64_t& x)
{
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint64_t rotl(std::uint64_t x, int k)
{
    return (x << k) | (x >> (64 - k));
}

std::uint64_t clockSeed()
{
    static std::uint64_t calls = 0;
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    // Two reseeds within one clock tick must still differ.
    return static_cast<std::uint64_t>(now) ^ (0xD1B54A32D192ED03ull * ++calls);
}

} // namespace

Random::Random(std::optional<std::uint64_t> fixedSeed) : fixed_(fixedSeed.has_value())
{
    seed(fixedSeed ? *fixedSeed : clockSeed());
}

void Random::seed(std::uint64_t value)
{
    for (std::uint64_t& word : state_)
        word = splitMix(value);
}

std::uint64_t Random::nextBits()
{
    const std::uint64_t result = rotl(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = rotl(state_[3], 45);
    return result;
}

double Random::next()
{
    return static_cast<double>(nextBits() >> 11) * 0x1.0p-53;
}

int Random::uniform(int n)
{
    return static_cast<int>(std::floor(next() * n)) + 1;
}

void Random::reseed()
{
    if (!fixed_)
        seed(clockSeed());
}

} // namespace zoravina
