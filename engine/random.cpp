#include "random.h"

#include <chrono>
#include <cmath>

namespace zoravina {

namespace {
std::uint64_t clockSeed()
{
    static std::uint64_t calls = 0;
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    // Two reseeds within one clock tick must still differ.
    return static_cast<std::uint64_t>(now) ^ (0x9E3779B97F4A7C15ull * ++calls);
}
} // namespace

Random::Random(std::optional<std::uint64_t> fixedSeed)
    : engine_(fixedSeed ? *fixedSeed : clockSeed()), fixed_(fixedSeed.has_value())
{
}

double Random::next()
{
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

int Random::uniform(int n)
{
    return static_cast<int>(std::floor(next() * n)) + 1;
}

void Random::reseed()
{
    if (!fixed_)
        engine_.seed(clockSeed());
}

} // namespace zoravina
