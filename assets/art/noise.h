#pragma once
// Deterministic randomness for the picture generator: one seeded generator
// for choices, hashed lattice noise for textures. Nothing depends on the
// standard library's distributions, so every build draws the same bytes.
#include <cstdint>

namespace art {

// SplitMix64: small, fast and identical on every platform.
class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t next();
    double uniform();                  // [0, 1)
    double range(double lo, double hi); // [lo, hi)
    int below(int n);                  // 0 .. n-1
    // Roughly normal (sum of three uniforms), mean 0, sd about 1.
    double gauss();

private:
    uint64_t state_;
};

// Hash of a lattice point, uniform in [0, 1).
float hash01(int x, int y, uint32_t seed);

// Value noise in [0, 1] with quintic smoothing between lattice points.
float valueNoise(float x, float y, uint32_t seed);

// Fractal sum of value noise octaves, normalised to [0, 1].
float fbm(float x, float y, int octaves, uint32_t seed, float gain = 0.5f);

// Distances to the nearest and second-nearest feature point of a cellular
// (Worley) pattern with one jittered point per unit cell.
struct Cells {
    float f1;
    float f2;
};
Cells worley(float x, float y, uint32_t seed);

// Smooth Hermite step, as in shading languages.
float smoothstep(float edge0, float edge1, float x);

} // namespace art
