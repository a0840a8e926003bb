// Small vector and blending helpers for the texture generator's colours and directions.
#pragma once

#include <algorithm>
#include <cmath>

// A 3D direction, point or RGB colour with channels nominally in [0, 1].
struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// Componentwise sum.
inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }

// Componentwise difference.
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

// Scaled by a number.
inline Vec3 operator*(Vec3 a, double k) { return {a.x * k, a.y * k, a.z * k}; }

// Scaled by a number.
inline Vec3 operator*(double k, Vec3 a) { return a * k; }

// Componentwise product, for tinting a colour by another.
inline Vec3 operator*(Vec3 a, Vec3 b) { return {a.x * b.x, a.y * b.y, a.z * b.z}; }

// Dot product.
inline double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// Euclidean length.
inline double length(Vec3 a) { return std::sqrt(dot(a, a)); }

// The same direction with length 1.
inline Vec3 normalize(Vec3 a) { return a * (1.0 / length(a)); }

// Clamps a number to [0, 1].
inline double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

// Linear blend from a (k = 0) to b (k = 1).
inline double mix(double a, double b, double k) { return a + (b - a) * k; }

// Linear blend from a (k = 0) to b (k = 1).
inline Vec3 mix(Vec3 a, Vec3 b, double k) { return a + (b - a) * k; }

// Hermite step from 0 at edge0 to 1 at edge1.
inline double smoothstep(double edge0, double edge1, double v)
{
    const double k = clamp01((v - edge0) / (edge1 - edge0));
    return k * k * (3.0 - 2.0 * k);
}
