#include "noise.h"

#include <cmath>

namespace rules {

std::uint64_t Rng::next()
{
    // splitmix64
    std::uint64_t z = (s_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

double Rng::uniform(double lo, double hi) { return lo + (hi - lo) * double(next() >> 11) / 9007199254740992.0; }

int Rng::below(int n) { return int(next() % std::uint64_t(n)); }

namespace {
double lattice(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return double(h & 0xFFFFFF) / double(0xFFFFFF);
}
double smooth(double t) { return t * t * (3 - 2 * t); }
} // namespace

double valueNoise(double x, double y, std::uint32_t seed)
{
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = int(fx), iy = int(fy);
    const double tx = smooth(x - fx), ty = smooth(y - fy);
    const double a = lattice(ix, iy, seed), b = lattice(ix + 1, iy, seed);
    const double c = lattice(ix, iy + 1, seed), d = lattice(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double fractalNoise(double x, double y, int octaves, std::uint32_t seed)
{
    double sum = 0, amp = 1, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * valueNoise(x, y, seed + std::uint32_t(o) * 101u);
        norm += amp;
        amp *= 0.5;
        x *= 2;
        y *= 2;
    }
    return sum / norm;
}

} // namespace rules
