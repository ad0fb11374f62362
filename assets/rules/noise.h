#pragma once
// Seeded randomness for the drawings: the same seed gives the same bytes on
// every build.
#include <cstdint>

namespace rules {

class Rng {
public:
    explicit Rng(std::uint64_t seed) : s_(seed) {}
    std::uint64_t next();
    double uniform(double lo = 0.0, double hi = 1.0); // [lo, hi)
    int below(int n);                                 // 0 .. n-1
private:
    std::uint64_t s_;
};

// Smooth value noise in [0, 1] on a lattice of unit cells.
double valueNoise(double x, double y, std::uint32_t seed);
// Sum of `octaves` octaves of value noise, each twice as fine and half as
// strong; in [0, 1].
double fractalNoise(double x, double y, int octaves, std::uint32_t seed);

} // namespace rules
