// The default environment: sky, sun, clouds, hills and meadow as a colour for every direction.
#include "environment.h"

#include "noise.h"

#include <cmath>
#include <cstdint>

namespace {
// One field of fractal noise: its frequency, the slice of the noise volume it reads, its seed and
// its number of octaves.
struct NoiseField {
    double scale;
    double layer;
    std::uint32_t seed;
    int octaves;
};

// Sky, from the haze at the horizon through sky blue to deep blue overhead.
const Vec3 HORIZON_HAZE = {0.80, 0.85, 0.90};
const Vec3 SKY_BLUE = {0.42, 0.61, 0.86};
const Vec3 ZENITH_BLUE = {0.11, 0.26, 0.58};
constexpr double SKY_BLUE_HEIGHT = 0.35; // where the haze has given way to sky blue
constexpr double SKY_BLUE_CURVE = 0.7;
constexpr double ZENITH_START = 0.15;

// The sun: a disc a little larger than life, a broad warm haze and a tight bright halo.
const Vec3 SUN_DIRECTION = normalize({0.30, 0.40, -0.87});
const Vec3 SUN_COLOUR = {1.0, 1.0, 1.0};
const Vec3 SUN_GLOW = {1.0, 0.95, 0.84};
constexpr double SUN_RADIUS = 0.024; // radians
constexpr double HAZE_GLOW = 0.25;
constexpr double HAZE_GLOW_POWER = 8.0;
constexpr double HALO_GLOW = 0.6;
constexpr double HALO_GLOW_POWER = 250.0;

// Clouds, drawn on a plane above the viewer so that they crowd together towards the horizon;
// lit by how their density changes towards the sun.
const Vec3 CLOUD_SHADE = {0.60, 0.65, 0.75};
const Vec3 CLOUD_LIT = {1.0, 0.99, 0.97};
const NoiseField CLOUD_FIELD = {1.1, 2.0, 3u, 7}; // layer: the field varies with height this fast
constexpr double CLOUD_LIFT = 0.12;
constexpr double CLOUD_LOW = 0.54;
constexpr double CLOUD_HIGH = 0.72;
constexpr double CLOUD_FADE_LOW = 0.02;
constexpr double CLOUD_FADE_HIGH = 0.25;
constexpr double CLOUD_OPACITY = 0.95;
constexpr double CLOUD_LIGHT_SHIFT = 0.09;
constexpr double CLOUD_LIGHT_BASE = 0.6;
constexpr double CLOUD_LIGHT_GAIN = 5.0;
constexpr double CLOUD_SUN_TINT = 0.6;

// Far hills and the tree line in front of them, as heights above the horizon (sine of the
// elevation) that vary round the compass, seen through the haze.
const Vec3 HILL_COLOUR = {0.30, 0.42, 0.46};
const Vec3 TREE_COLOUR = {0.10, 0.19, 0.10};
const NoiseField RIDGE_FIELD = {2.2, 0.0, 11u, 5};
const NoiseField HILL_SHADE_FIELD = {14.0, 140.0, 11u, 3}; // layer: per unit of height
const NoiseField TREE_BELT_FIELD = {6.0, 0.0, 13u, 4};
const NoiseField CROWN_FIELD = {45.0, 0.0, 17u, 3};
const NoiseField TREE_SHADE_FIELD = {120.0, 700.0, 13u, 2}; // layer: per unit of height
constexpr double HILL_BASE = 0.02;
constexpr double HILL_RANGE = 0.07;
constexpr double RIDGE_LOW = 0.3;
constexpr double RIDGE_HIGH = 0.75;
constexpr double HILL_HAZE = 0.45;
constexpr double HILL_SHADE_BASE = 0.8;
constexpr double HILL_SHADE_RANGE = 0.4;
constexpr double TREE_BASE = 0.004;
constexpr double TREE_RANGE = 0.012;
constexpr double TREE_BELT_LOW = 0.35;
constexpr double TREE_BELT_HIGH = 0.7;
constexpr double CROWN_RANGE = 0.007;
constexpr double TREE_SHADE_BASE = 0.75;
constexpr double TREE_SHADE_RANGE = 0.5;
constexpr double TREE_DISTANCE = 40.0; // in eye heights; the tree line's foot is below the horizon

// The meadow, on a ground plane one eye height below the viewer, fading into haze with distance.
const Vec3 GRASS_DARK = {0.17, 0.30, 0.10};
const Vec3 GRASS_LIGHT = {0.33, 0.47, 0.16};
const Vec3 GRASS_DRY = {0.52, 0.50, 0.25};
const Vec3 EARTH = {0.40, 0.32, 0.20};
const Vec3 GROUND_HAZE = {0.66, 0.73, 0.77};
const NoiseField MEADOW_FIELD = {0.08, 0.5, 21u, 6};
const NoiseField DRY_FIELD = {0.21, 1.5, 23u, 5};
const NoiseField EARTH_FIELD = {0.13, 2.5, 29u, 5};
const NoiseField GRASS_FIELD = {7.0, 3.5, 31u, 5};
constexpr double MEADOW_LOW = 0.35;
constexpr double MEADOW_HIGH = 0.65;
constexpr double DRY_LOW = 0.52;
constexpr double DRY_HIGH = 0.7;
constexpr double DRY_OPACITY = 0.7;
constexpr double EARTH_LOW = 0.6;
constexpr double EARTH_HIGH = 0.72;
constexpr double EARTH_OPACITY = 0.75;
constexpr double GRASS_BASE = 0.75;
constexpr double GRASS_RANGE = 0.5;
constexpr double GROUND_SUN_TINT = 0.3;
constexpr double FOG_DENSITY = 0.015; // per eye height of distance

// A sample can show half a cycle per step between samples, and no more.
constexpr double NYQUIST = 0.5;

// The field at a point whose neighbouring sample lies step units away, detail above the
// sample rate left out.
double sampleField(const NoiseField& field, double x, double y, double z, double step)
{
    return fractalNoise({x * field.scale, y * field.layer + field.layer, z * field.scale},
        field.seed, field.octaves, NYQUIST / (step * field.scale));
}

// Sky colour for a direction above the horizon, before clouds and sun.
Vec3 skyGradient(double height)
{
    const double h = clamp01(height);
    const Vec3 low
        = mix(HORIZON_HAZE, SKY_BLUE, smoothstep(0.0, SKY_BLUE_HEIGHT, std::pow(h, SKY_BLUE_CURVE)));
    return mix(low, ZENITH_BLUE, smoothstep(ZENITH_START, 1.0, h));
}

// How much of the sun's glow covers a direction.
double sunGlow(Vec3 d)
{
    const double c = std::max(0.0, dot(d, SUN_DIRECTION));
    return HAZE_GLOW * std::pow(c, HAZE_GLOW_POWER) + HALO_GLOW * std::pow(c, HALO_GLOW_POWER);
}

// Clouds over the sky colour: cover from one noise sample, light from its change towards the sun.
Vec3 addClouds(Vec3 sky, Vec3 d, double footprint)
{
    const double fadeIn = smoothstep(CLOUD_FADE_LOW, CLOUD_FADE_HIGH, d.y);
    if (fadeIn <= 0.0)
        return sky;
    const double lift = d.y + CLOUD_LIFT;
    const double x = d.x / lift;
    const double z = d.z / lift;
    const double step = footprint / (lift * lift); // cloud-plane length per sample
    const double density = sampleField(CLOUD_FIELD, x, d.y, z, step);
    const double cover = smoothstep(CLOUD_LOW, CLOUD_HIGH, density) * fadeIn;
    if (cover <= 0.0)
        return sky;

    const Vec3 sunward = normalize({SUN_DIRECTION.x, 0.0, SUN_DIRECTION.z});
    const double towardSun = sampleField(CLOUD_FIELD, x + sunward.x * CLOUD_LIGHT_SHIFT, d.y,
        z + sunward.z * CLOUD_LIGHT_SHIFT, step);
    const double lit = clamp01(CLOUD_LIGHT_BASE + CLOUD_LIGHT_GAIN * (density - towardSun));
    const Vec3 cloud = mix(mix(CLOUD_SHADE, CLOUD_LIT, lit), SUN_GLOW, CLOUD_SUN_TINT * sunGlow(d));
    return mix(sky, cloud, CLOUD_OPACITY * cover);
}

// Fraction of the aerial haze between the viewer and a point at the given distance.
double fog(double distance) { return 1.0 - std::exp(-distance * FOG_DENSITY); }

// The meadow below the horizon: patches of grass, dry grass and bare earth.
Vec3 meadow(Vec3 d, double footprint)
{
    const double distance = 1.0 / -d.y;
    const double gx = d.x * distance;
    const double gz = d.z * distance;
    const double step = footprint * distance * distance; // ground length per sample, radially

    const double patches = sampleField(MEADOW_FIELD, gx, 1.0, gz, step);
    const double dry = sampleField(DRY_FIELD, gx, 1.0, gz, step);
    const double earth = sampleField(EARTH_FIELD, gx, 1.0, gz, step);
    const double grass = sampleField(GRASS_FIELD, gx, 1.0, gz, step);

    Vec3 ground = mix(GRASS_DARK, GRASS_LIGHT, smoothstep(MEADOW_LOW, MEADOW_HIGH, patches));
    ground = mix(ground, GRASS_DRY, DRY_OPACITY * smoothstep(DRY_LOW, DRY_HIGH, dry));
    ground = mix(ground, EARTH, EARTH_OPACITY * smoothstep(EARTH_LOW, EARTH_HIGH, earth));
    ground = ground * (GRASS_BASE + GRASS_RANGE * grass);
    const Vec3 haze = mix(GROUND_HAZE, SUN_GLOW, GROUND_SUN_TINT * sunGlow(d));
    return mix(ground, haze, fog(distance));
}

// Height of the far hills' ridge above the horizon, round the compass.
double hillTop(Vec3 compass)
{
    const double ridge = sampleField(RIDGE_FIELD, compass.x, 0.0, compass.z, 0.0);
    return HILL_BASE + HILL_RANGE * smoothstep(RIDGE_LOW, RIDGE_HIGH, ridge);
}

// Height of the tree tops above the horizon, with the bumps of single crowns.
double treeTop(Vec3 compass, double footprint)
{
    const double belt = sampleField(TREE_BELT_FIELD, compass.x, 0.0, compass.z, 0.0);
    const double crowns = sampleField(CROWN_FIELD, compass.x, 0.0, compass.z, footprint);
    return TREE_BASE + TREE_RANGE * smoothstep(TREE_BELT_LOW, TREE_BELT_HIGH, belt)
        + CROWN_RANGE * crowns;
}

// The hills and the tree line over the sky, for a direction near the horizon.
Vec3 addHorizon(Vec3 sky, Vec3 d, double footprint)
{
    const double flat = std::hypot(d.x, d.z);
    if (flat <= 0.0 || d.y > HILL_BASE + HILL_RANGE + footprint)
        return sky;
    const Vec3 compass = {d.x / flat, 0.0, d.z / flat};

    const double hillShade = HILL_SHADE_BASE
        + HILL_SHADE_RANGE * sampleField(HILL_SHADE_FIELD, compass.x, d.y, compass.z, 0.0);
    const Vec3 hills = mix(HILL_COLOUR * hillShade, HORIZON_HAZE, HILL_HAZE);
    const double ridge = hillTop(compass);
    sky = mix(sky, hills, smoothstep(ridge + footprint, ridge - footprint, d.y));

    const double treeShade = TREE_SHADE_BASE
        + TREE_SHADE_RANGE * sampleField(TREE_SHADE_FIELD, compass.x, d.y, compass.z, footprint);
    const Vec3 trees = mix(TREE_COLOUR * treeShade, GROUND_HAZE, fog(TREE_DISTANCE));
    const double top = treeTop(compass, footprint);
    return mix(sky, trees, smoothstep(top + footprint, top - footprint, d.y));
}
} // namespace

// The meadow up to the tree line's foot; above it the sky, sun, clouds, hills and trees.
// Silhouettes are smoothed over one sample footprint.
Vec3 environmentColour(Vec3 d, double footprint)
{
    const double treeFoot = -1.0 / TREE_DISTANCE;
    const double above = smoothstep(treeFoot - footprint, treeFoot + footprint, d.y);
    const Vec3 ground = above < 1.0 ? meadow(d, footprint) : Vec3{};
    if (above <= 0.0)
        return ground;

    Vec3 sky = mix(skyGradient(d.y), SUN_GLOW, sunGlow(d));
    const double angle = std::acos(std::min(1.0, dot(d, SUN_DIRECTION)));
    sky = mix(sky, SUN_COLOUR, smoothstep(SUN_RADIUS + footprint, SUN_RADIUS - footprint, angle));
    sky = addClouds(sky, d, footprint);
    sky = addHorizon(sky, d, footprint);
    return mix(ground, sky, above);
}
