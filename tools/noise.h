// Lattice value noise and its fractal sums, the texture generator's source of natural variation.
#pragma once

#include "vec3.h"

#include <cstdint>
#include <limits>

// Smoothly interpolated random values on the integer lattice, in [0, 1]; one field per seed.
double valueNoise(Vec3 p, std::uint32_t seed);

// A sum of octaves of value noise, each twice the frequency and half the weight of the one
// before, normalised to [0, 1]. Octaves above maxFrequency (cycles per unit) fade to their mean,
// so that a caller who knows its sample footprint can keep the sum free of aliasing.
double fractalNoise(Vec3 p, std::uint32_t seed, int octaves,
    double maxFrequency = std::numeric_limits<double>::infinity());
