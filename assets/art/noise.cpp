#include "assets/art/noise.h"

#include <algorithm>
#include <cmath>

namespace art {

uint64_t Rng::next()
{
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Rng::uniform() { return double(next() >> 11) * 0x1.0p-53; }

double Rng::range(double lo, double hi) { return lo + (hi - lo) * uniform(); }

int Rng::below(int n) { return n <= 0 ? 0 : int(next() % uint64_t(n)); }

double Rng::gauss() { return (uniform() + uniform() + uniform() - 1.5) * 2.0; }

static uint32_t mixBits(uint32_t h)
{
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

float hash01(int x, int y, uint32_t seed)
{
    const uint32_t h = mixBits(uint32_t(x) * 0x8DA6B343u ^ uint32_t(y) * 0xD8163841u ^ seed * 0xCB1AB31Fu);
    return float(h >> 8) * (1.0f / 16777216.0f);
}

static float quintic(float t) { return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f); }

float valueNoise(float x, float y, uint32_t seed)
{
    const float fx = std::floor(x), fy = std::floor(y);
    const int ix = int(fx), iy = int(fy);
    const float u = quintic(x - fx), v = quintic(y - fy);
    const float a = hash01(ix, iy, seed), b = hash01(ix + 1, iy, seed);
    const float c = hash01(ix, iy + 1, seed), d = hash01(ix + 1, iy + 1, seed);
    return (a + (b - a) * u) + ((c + (d - c) * u) - (a + (b - a) * u)) * v;
}

float fbm(float x, float y, int octaves, uint32_t seed, float gain)
{
    float sum = 0, amp = 1, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * valueNoise(x, y, seed + uint32_t(i) * 101u);
        norm += amp;
        amp *= gain;
        // A rotation between octaves hides the lattice's grid directions.
        const float nx = 1.6f * x + 1.2f * y + 17.3f;
        y = -1.2f * x + 1.6f * y + 5.1f;
        x = nx;
    }
    return sum / norm;
}

Cells worley(float x, float y, uint32_t seed)
{
    const int cx = int(std::floor(x)), cy = int(std::floor(y));
    float f1 = 9, f2 = 9;
    for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 1; ++i) {
            const float px = float(cx + i) + hash01(cx + i, cy + j, seed);
            const float py = float(cy + j) + hash01(cx + i, cy + j, seed ^ 0x5BD1E995u);
            const float d = std::hypot(px - x, py - y);
            if (d < f1) {
                f2 = f1;
                f1 = d;
            } else if (d < f2) {
                f2 = d;
            }
        }
    return {f1, f2};
}

float smoothstep(float edge0, float edge1, float x)
{
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

} // namespace art
