#pragma once
// Our own random numbers: the standard distributions differ between library
// versions, and the pack must come out byte for byte the same every time.
#include <cstdint>
#include <vector>

namespace levelgen {

class Rng {
public:
    explicit Rng(std::uint64_t seed) : s_(seed * 0x9E3779B97F4A7C15ull + 0x1234567ull) {}
    std::uint64_t next()
    {
        std::uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double real() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double a, double b) { return a + (b - a) * real(); }
    int between(int a, int b) { return a + int(next() % std::uint64_t(b - a + 1)); } // inclusive
    bool chance(double p) { return real() < p; }
    std::uint32_t seed() { return std::uint32_t(next()); }
    template <class T> const T& pick(const std::vector<T>& v) { return v[next() % v.size()]; }
    template <class T> void shuffle(std::vector<T>& v)
    {
        for (std::size_t i = v.size(); i > 1; --i)
            std::swap(v[i - 1], v[next() % i]);
    }

private:
    std::uint64_t s_;
};

// A well-mixed hash of a lattice point, for noise and per-pixel grain.
inline std::uint32_t hash2(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = std::uint32_t(x) * 0x8DA6B343u ^ std::uint32_t(y) * 0xD8163841u ^ seed * 0xCB1AB31Fu;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    h ^= h >> 15;
    return h;
}

// Smooth value noise in [0, 1] and its fractal sum (also in [0, 1]).
double valueNoise(double x, double y, std::uint32_t seed);
double fbm(double x, double y, int octaves, std::uint32_t seed);

} // namespace levelgen
