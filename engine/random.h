#pragma once
#include <cstdint>
#include <optional>
#include <random>

namespace zoravina {

// The program's one pseudo-random generator. Built with a fixed seed it is
// reproducible, and reseed() then keeps the fixed sequence going instead of
// reading the clock, so tests and the command-line tool repeat exactly.
class Random {
public:
    explicit Random(std::optional<std::uint64_t> fixedSeed = std::nullopt);

    double next();          // uniform in [0, 1)
    int uniform(int n);     // Int(r × n) + 1
    void reseed();          // from the clock, unless the seed is fixed
    bool isFixed() const { return fixed_; }

private:
    std::mt19937_64 engine_;
    bool fixed_;
};

} // namespace zoravina
