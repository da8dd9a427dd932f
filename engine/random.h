#pragma once
#include <array>
#include <cstdint>
#include <optional>

namespace zoravina {

// The program's one pseudo-random generator (xoshiro256**, cheap to reseed,
// which composition does before every selection). Built with a fixed seed
// it is reproducible, and reseed() then keeps the fixed sequence going
// instead of reading the clock, so tests and the command-line tool repeat.
class Random {
public:
    explicit Random(std::optional<std::uint64_t> fixedSeed = std::nullopt);

    double next();          // uniform in [0, 1)
    int uniform(int n);     // Int(r × n) + 1
    void reseed();          // from the clock, unless the seed is fixed

private:
    void seed(std::uint64_t value);
    std::uint64_t nextBits();

    std::array<std::uint64_t, 4> state_{};
    bool fixed_;
};

} // namespace zoravina
