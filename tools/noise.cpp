// Lattice value noise and its fractal sums, the texture generator's source of natural variation.
#include "noise.h"

#include <cmath>

namespace {
constexpr double OCTAVE_GAIN = 0.5;
constexpr double OCTAVE_LACUNARITY = 2.0;
constexpr double FADE_START = 0.5; // fraction of maxFrequency where an octave starts to fade
constexpr double NOISE_MEAN = 0.5;

// A fixed rotation applied between octaves, so that the lattices of successive octaves do not
// line up and no axis-aligned creases show in the sum.
constexpr double OCTAVE_ROTATION[3][3] = {
    {0.00, 0.80, 0.60},
    {-0.80, 0.36, -0.48},
    {-0.60, -0.48, 0.64},
};
const Vec3 OCTAVE_SHIFT = {19.19, 47.11, 83.57};

// A well-mixed 32-bit hash of a lattice point and a seed, spread over [0, 1].
double latticeValue(int x, int y, int z, std::uint32_t seed)
{
    std::uint32_t h = seed * 0x9E3779B9u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h = (h ^ (h >> 13)) * 0xC2B2AE35u;
    h ^= static_cast<std::uint32_t>(y) * 0x27D4EB2Fu;
    h = (h ^ (h >> 16)) * 0x85EBCA6Bu;
    h ^= static_cast<std::uint32_t>(z) * 0x165667B1u;
    h = (h ^ (h >> 15)) * 0x2C1B3C6Du;
    h ^= h >> 16;
    return static_cast<double>(h) / 4294967295.0;
}

// Quintic fade, whose first and second derivatives vanish at the lattice points.
double fade(double t) { return t * t * t * (t * (t * 6.0 - 15.0) + 10.0); }

// The octave rotation applied to a point.
Vec3 rotateOctave(Vec3 p)
{
    const auto& m = OCTAVE_ROTATION;
    return {m[0][0] * p.x + m[0][1] * p.y + m[0][2] * p.z,
        m[1][0] * p.x + m[1][1] * p.y + m[1][2] * p.z,
        m[2][0] * p.x + m[2][1] * p.y + m[2][2] * p.z};
}
} // namespace

// Trilinear blend of the eight lattice values around p, with quintic weights.
double valueNoise(Vec3 p, std::uint32_t seed)
{
    const double fx = std::floor(p.x);
    const double fy = std::floor(p.y);
    const double fz = std::floor(p.z);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const int iz = static_cast<int>(fz);
    const double u = fade(p.x - fx);
    const double v = fade(p.y - fy);
    const double w = fade(p.z - fz);

    double corners[2][2];
    for (int dz = 0; dz < 2; ++dz)
        for (int dy = 0; dy < 2; ++dy)
            corners[dz][dy] = mix(latticeValue(ix, iy + dy, iz + dz, seed),
                latticeValue(ix + 1, iy + dy, iz + dz, seed), u);
    return mix(mix(corners[0][0], corners[0][1], v), mix(corners[1][0], corners[1][1], v), w);
}

// Octaves of value noise, each rotated and shifted against the last, with band-limit fading.
double fractalNoise(Vec3 p, std::uint32_t seed, int octaves, double maxFrequency)
{
    double sum = 0.0;
    double weightSum = 0.0;
    double amplitude = 1.0;
    double frequency = 1.0;
    for (int octave = 0; octave < octaves; ++octave) {
        const double kept = clamp01((1.0 - frequency / maxFrequency) / (1.0 - FADE_START));
        const double n = valueNoise(p, seed + static_cast<std::uint32_t>(octave));
        sum += amplitude * mix(NOISE_MEAN, n, kept);
        weightSum += amplitude;
        amplitude *= OCTAVE_GAIN;
        frequency *= OCTAVE_LACUNARITY;
        p = rotateOctave(p * OCTAVE_LACUNARITY) + OCTAVE_SHIFT;
    }
    return sum / weightSum;
}
