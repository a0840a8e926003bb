// The default 2D texture: the face of a wooden crate, drawn procedurally.
#include "crate_texture.h"

#include "noise.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace {
// Layout, in pixels of a 512-pixel face; other sizes scale it.
constexpr double LAYOUT_SIZE = 512.0;
constexpr int PLANK_COUNT = 5;
constexpr double FRAME_WIDTH = 60.0;
constexpr double BOARD_GAP = 3.0;
constexpr double BRACE_HALF_WIDTH = 31.0;
constexpr double BRACE_TUCK = 12.0; // how far the brace runs on under the frame
constexpr double NAIL_RADIUS = 5.5;
constexpr double PLANK_TONE = 0.92;
constexpr double PLANK_TONE_STEP = 0.04;
constexpr int SUBSAMPLES = 3; // per axis, per pixel

// Light and relief. Image axes: x to the right, y down, z out of the face.
const Vec3 LIGHT_DIRECTION = normalize({-0.45, -0.55, 0.70}); // towards the light, upper left
const Vec3 VIEW_DIRECTION = {0.0, 0.0, 1.0};
constexpr double BEVEL_WIDTH = 4.0;
constexpr double BEVEL_LIGHT = 0.72;
constexpr double BEVEL_DARKEN = 0.15;
constexpr double SHADOW_OFFSET_X = 5.0;
constexpr double SHADOW_OFFSET_Y = 6.0;
constexpr double SHADOW_SOFTNESS = 4.0;
constexpr double SHADOW_STRENGTH = 0.45;

// Wood: colours, growth rings and their warp, fibres and blotches.
const Vec3 WOOD_LIGHT = {0.82, 0.62, 0.37};
const Vec3 WOOD_DARK = {0.50, 0.31, 0.15};
const Vec3 FRAME_TINT = {0.74, 0.66, 0.60};
const Vec3 BRACE_TINT = {0.88, 0.84, 0.80};
const Vec3 GAP_COLOUR = {0.09, 0.06, 0.035};
constexpr double NOISE_MEAN = 0.5;
constexpr double RING_FREQUENCY = 0.085; // rings per pixel across the board
constexpr double RING_SLANT = 0.0025;    // rings per pixel along it
constexpr double RING_SHARPNESS = 4.0;
constexpr double RING_WARP = 3.0;
constexpr double WARP_SCALE_ALONG = 0.004;
constexpr double WARP_SCALE_ACROSS = 0.015;
constexpr double WARP_LAYER = 0.5;
constexpr int WARP_OCTAVES = 4;
constexpr double FIBRE_SCALE_ALONG = 0.03;
constexpr double FIBRE_SCALE_ACROSS = 0.9;
constexpr double FIBRE_LAYER = 1.5;
constexpr std::uint32_t FIBRE_SEED_OFFSET = 31u;
constexpr int FIBRE_OCTAVES = 3;
constexpr double BLOTCH_SCALE_ALONG = 0.008;
constexpr double BLOTCH_SCALE_ACROSS = 0.03;
constexpr double BLOTCH_LAYER = 2.5;
constexpr std::uint32_t BLOTCH_SEED_OFFSET = 57u;
constexpr int BLOTCH_OCTAVES = 3;
constexpr double BASE_DARKNESS = 0.15;
constexpr double RING_DARKNESS = 0.5;
constexpr double FIBRE_DARKNESS = 0.7;
constexpr double BLOTCH_DARKNESS = 0.4;

// Knots, placed along each board by its seed.
constexpr double KNOT_STRETCH = 0.45; // knots are longer along the grain than across it
constexpr double KNOT_SIZE = 12.0;
constexpr double KNOT_SPREAD_ALONG = 1.4;
constexpr double KNOT_SPREAD_ACROSS = 0.9;
constexpr double KNOT_LAYER_ALONG = 3.0;
constexpr double KNOT_LAYER_ACROSS = 7.0;
constexpr double KNOT_SWIRL_FALLOFF = 0.5;
constexpr double KNOT_RING_DENSITY = 1.3;
constexpr double KNOT_HEART_INNER = 0.2;
constexpr double KNOT_HEART_OUTER = 0.5;
constexpr double KNOT_HEART_SHADE = 0.55;
constexpr double KNOT_HEART_OPACITY = 0.85;

// Iron nails and their rust stains.
const Vec3 IRON = {0.30, 0.29, 0.28};
const Vec3 IRON_SHINE = {0.5, 0.48, 0.45};
const Vec3 RUST = {0.40, 0.22, 0.10};
constexpr double IRON_AMBIENT = 0.35;
constexpr double IRON_DIFFUSE = 0.9;
constexpr double SPECULAR_POWER = 24.0;
constexpr double NAIL_EDGE_BLUR = 0.8;
constexpr double NAIL_SHADOW_SCALE = 0.3; // of a board's shadow offset
constexpr double NAIL_SHADOW_INNER = 1.0;
constexpr double NAIL_SHADOW_OUTER = 2.0;
constexpr double NAIL_SHADOW_STRENGTH = 0.5;
constexpr double STAIN_REACH = 3.0; // in nail radii
constexpr double STAIN_SCALE = 0.15;
constexpr double STAIN_OPACITY = 0.8;
constexpr std::uint32_t STAIN_SEED = 977u;
constexpr int STAIN_OCTAVES = 3;

// Grime over the whole face, darker towards its outer edge.
constexpr double GRIME_SCALE = 0.01;
constexpr double GRIME_LAYER = 9.5;
constexpr std::uint32_t GRIME_SEED = 1201u;
constexpr int GRIME_OCTAVES = 4;
constexpr double GRIME_BASE = 0.92;
constexpr double GRIME_RANGE = 0.3;
constexpr double RIM_WIDTH = 24.0;
constexpr double RIM_DARKEN = 0.12;
constexpr std::uint32_t DITHER_SEED = 7u;

// Plank board heights: planks lie behind the frame and the brace, which cast shadows on them.
constexpr int PLANK_LEVEL = 0;
constexpr int RAISED_LEVEL = 1;

// One board: a rotated rectangle of wood. Boards later in the list lie on top.
struct Board {
    double centreX;
    double centreY;
    double axisX; // unit vector along the grain
    double axisY;
    double halfLength;
    double halfWidth;
    int level;
    std::uint32_t seed;
    Vec3 tint;
    int knotCount;
};

// A point in the frame of a board: along and across the grain, and how far in from its edges.
struct BoardPoint {
    double along;
    double across;
    double inset; // distance to the nearest edge, negative outside
    double outwardX; // outward normal of the nearest edge, image axes
    double outwardY;
};

// A nail head and the stain around it.
struct Nail {
    double x;
    double y;
};

// The point p in the board's own frame.
BoardPoint boardPoint(const Board& board, double x, double y)
{
    const double dx = x - board.centreX;
    const double dy = y - board.centreY;
    BoardPoint p{};
    p.along = dx * board.axisX + dy * board.axisY;
    p.across = -dx * board.axisY + dy * board.axisX;
    const double toEnd = board.halfLength - std::abs(p.along);
    const double toSide = board.halfWidth - std::abs(p.across);
    if (toEnd < toSide) {
        const double sign = p.along < 0.0 ? -1.0 : 1.0;
        p.outwardX = sign * board.axisX;
        p.outwardY = sign * board.axisY;
        p.inset = toEnd;
    } else {
        const double sign = p.across < 0.0 ? -1.0 : 1.0;
        p.outwardX = -sign * board.axisY;
        p.outwardY = sign * board.axisX;
        p.inset = toSide;
    }
    return p;
}

// The five planks across the face, the frame's four boards and the brace, bottom to top.
std::vector<Board> crateBoards()
{
    std::vector<Board> boards;
    const double pitch = LAYOUT_SIZE / PLANK_COUNT;
    const double halfGap = BOARD_GAP / 2.0;
    for (int i = 0; i < PLANK_COUNT; ++i) {
        const double tone = PLANK_TONE + PLANK_TONE_STEP * ((i * 2) % PLANK_COUNT - 2);
        boards.push_back({LAYOUT_SIZE / 2.0, (i + 0.5) * pitch, 1.0, 0.0,
            LAYOUT_SIZE / 2.0 + FRAME_WIDTH, pitch / 2.0 - halfGap, PLANK_LEVEL,
            101u + static_cast<std::uint32_t>(i) * 17u, Vec3{tone, tone, tone}, 1 + i % 2});
    }

    // The brace, corner to corner of the opening inside the frame, bottom left to top right.
    const double inner = LAYOUT_SIZE - 2.0 * FRAME_WIDTH;
    const double diagonal = std::sqrt(2.0) / 2.0;
    boards.push_back({LAYOUT_SIZE / 2.0, LAYOUT_SIZE / 2.0, diagonal, -diagonal,
        inner * diagonal + BRACE_TUCK, BRACE_HALF_WIDTH, RAISED_LEVEL, 401u,
        BRACE_TINT, 1});

    // The frame: two full-height side boards, then the top and bottom boards between them.
    const double half = FRAME_WIDTH / 2.0;
    const double sideHalfWidth = half - halfGap;
    boards.push_back({half, LAYOUT_SIZE / 2.0, 0.0, 1.0, LAYOUT_SIZE / 2.0, sideHalfWidth,
        RAISED_LEVEL, 503u, FRAME_TINT, 1});
    boards.push_back({LAYOUT_SIZE - half, LAYOUT_SIZE / 2.0, 0.0, -1.0, LAYOUT_SIZE / 2.0,
        sideHalfWidth, RAISED_LEVEL, 607u, FRAME_TINT, 0});
    boards.push_back({LAYOUT_SIZE / 2.0, half, 1.0, 0.0, inner / 2.0 - halfGap, sideHalfWidth,
        RAISED_LEVEL, 709u, FRAME_TINT, 1});
    boards.push_back({LAYOUT_SIZE / 2.0, LAYOUT_SIZE - half, -1.0, 0.0, inner / 2.0 - halfGap,
        sideHalfWidth, RAISED_LEVEL, 811u, FRAME_TINT, 0});
    return boards;
}

// Nails through the frame into each plank, along the top and bottom boards, and through the
// brace where it crosses a plank.
std::vector<Nail> crateNails()
{
    std::vector<Nail> nails;
    const double pitch = LAYOUT_SIZE / PLANK_COUNT;
    const double half = FRAME_WIDTH / 2.0;
    for (int i = 0; i < PLANK_COUNT; ++i) {
        const double y = (i + 0.5) * pitch;
        nails.push_back({half, y});
        nails.push_back({LAYOUT_SIZE - half, y});
        if (i > 0 && i < PLANK_COUNT - 1)
            nails.push_back({LAYOUT_SIZE - y, y});
    }
    for (double x : {LAYOUT_SIZE * 0.3, LAYOUT_SIZE * 0.5, LAYOUT_SIZE * 0.7}) { // three per board
        nails.push_back({x, half});
        nails.push_back({x, LAYOUT_SIZE - half});
    }
    return nails;
}

// Growth rings, knots and fibres of the board's wood at a point of its frame.
Vec3 woodColour(const Board& board, const BoardPoint& p)
{
    const std::uint32_t seed = board.seed;
    const double warp = fractalNoise(
        {p.along * WARP_SCALE_ALONG, p.across * WARP_SCALE_ACROSS, WARP_LAYER}, seed, WARP_OCTAVES);
    double rings = p.across * RING_FREQUENCY + RING_WARP * warp + p.along * RING_SLANT;

    // Knots: near each one the rings turn into circles round it, and its heart is dark.
    double knotDark = 0.0;
    for (int k = 0; k < board.knotCount; ++k) {
        const double ka = (valueNoise({k + 0.0, 0.0, KNOT_LAYER_ALONG}, seed) - NOISE_MEAN)
            * KNOT_SPREAD_ALONG * board.halfLength;
        const double kb = (valueNoise({k + 0.0, 0.0, KNOT_LAYER_ACROSS}, seed) - NOISE_MEAN)
            * KNOT_SPREAD_ACROSS * board.halfWidth;
        const double dx = (p.along - ka) * KNOT_STRETCH;
        const double dy = p.across - kb;
        const double r = std::sqrt(dx * dx + dy * dy) / KNOT_SIZE;
        const double swirl = std::exp(-r * r * KNOT_SWIRL_FALLOFF);
        const double circles = (r * KNOT_SIZE * KNOT_RING_DENSITY + kb) * RING_FREQUENCY;
        rings = mix(rings, circles, swirl);
        knotDark = std::max(knotDark, 1.0 - smoothstep(KNOT_HEART_INNER, KNOT_HEART_OUTER, r));
    }

    // Dark late wood in each ring, fine fibres along the grain and broad blotches.
    const double ring = std::pow(NOISE_MEAN + NOISE_MEAN * std::sin(2.0 * M_PI * rings), RING_SHARPNESS);
    const double fibre = fractalNoise({p.along * FIBRE_SCALE_ALONG, p.across * FIBRE_SCALE_ACROSS,
                                          FIBRE_LAYER},
        seed + FIBRE_SEED_OFFSET, FIBRE_OCTAVES);
    const double blotch = fractalNoise({p.along * BLOTCH_SCALE_ALONG, p.across * BLOTCH_SCALE_ACROSS,
                                           BLOTCH_LAYER},
        seed + BLOTCH_SEED_OFFSET, BLOTCH_OCTAVES);
    const double darkness = clamp01(BASE_DARKNESS + RING_DARKNESS * ring
        + FIBRE_DARKNESS * (fibre - NOISE_MEAN) + BLOTCH_DARKNESS * (blotch - NOISE_MEAN));
    const Vec3 wood = mix(WOOD_LIGHT, WOOD_DARK, darkness);
    return mix(wood, WOOD_DARK * KNOT_HEART_SHADE, KNOT_HEART_OPACITY * knotDark) * board.tint;
}

// Partial cover, 0 to 1, of the point by the board, blurred over the shadow's softness.
double softCover(const Board& board, double x, double y)
{
    return smoothstep(-SHADOW_SOFTNESS, SHADOW_SOFTNESS, boardPoint(board, x, y).inset);
}

// A nail over the colour beneath it: a rust stain, the head's shadow, then the iron dome.
Vec3 addNail(Vec3 colour, const Nail& nail, Vec3 woodTint, double x, double y)
{
    const double dx = x - nail.x;
    const double dy = y - nail.y;
    const double r = std::sqrt(dx * dx + dy * dy);
    const double stainRadius = NAIL_RADIUS * STAIN_REACH;
    if (r > stainRadius)
        return colour;

    const double stain = (1.0 - smoothstep(NAIL_RADIUS, stainRadius, r))
        * fractalNoise({x * STAIN_SCALE, y * STAIN_SCALE, nail.x}, STAIN_SEED, STAIN_OCTAVES);
    colour = mix(colour, RUST * woodTint, STAIN_OPACITY * stain);

    const double sx = dx - SHADOW_OFFSET_X * NAIL_SHADOW_SCALE;
    const double sy = dy - SHADOW_OFFSET_Y * NAIL_SHADOW_SCALE;
    const double shade = 1.0
        - smoothstep(NAIL_RADIUS - NAIL_SHADOW_INNER, NAIL_RADIUS + NAIL_SHADOW_OUTER,
            std::sqrt(sx * sx + sy * sy));
    colour = colour * (1.0 - NAIL_SHADOW_STRENGTH * shade);
    if (r >= NAIL_RADIUS)
        return colour;

    const Vec3 normal = {dx / NAIL_RADIUS, dy / NAIL_RADIUS,
        std::sqrt(std::max(0.0, 1.0 - r * r / (NAIL_RADIUS * NAIL_RADIUS)))};
    const double diffuse = std::max(0.0, dot(normal, LIGHT_DIRECTION));
    const Vec3 halfway = normalize(LIGHT_DIRECTION + VIEW_DIRECTION);
    const double specular = std::pow(std::max(0.0, dot(normal, halfway)), SPECULAR_POWER);
    const Vec3 head = IRON * (IRON_AMBIENT + IRON_DIFFUSE * diffuse) + IRON_SHINE * specular;
    return mix(colour, head, smoothstep(NAIL_RADIUS, NAIL_RADIUS - NAIL_EDGE_BLUR, r));
}

// The crate's colour at one point of the layout.
Vec3 crateColour(const std::vector<Board>& boards, const std::vector<Nail>& nails, double x,
    double y)
{
    // The topmost board under the point, if any: the gaps between boards are dark.
    const Board* top = nullptr;
    BoardPoint at{};
    for (const Board& board : boards) {
        const BoardPoint p = boardPoint(board, x, y);
        if (p.inset >= 0.0) {
            top = &board;
            at = p;
        }
    }
    if (top == nullptr)
        return GAP_COLOUR;

    // Wood, with a bevelled edge that catches or turns from the light.
    Vec3 colour = woodColour(*top, at);
    const double bevel = 1.0 - smoothstep(0.0, BEVEL_WIDTH, at.inset);
    const double facing = at.outwardX * LIGHT_DIRECTION.x + at.outwardY * LIGHT_DIRECTION.y;
    colour = colour * (1.0 + BEVEL_LIGHT * bevel * facing - BEVEL_DARKEN * bevel);

    // Shadows of the raised boards on the planks behind them.
    double shadow = 0.0;
    for (const Board& board : boards)
        if (board.level > top->level)
            shadow = std::max(shadow, softCover(board, x - SHADOW_OFFSET_X, y - SHADOW_OFFSET_Y));
    colour = colour * (1.0 - SHADOW_STRENGTH * shadow);

    for (const Nail& nail : nails)
        colour = addNail(colour, nail, top->tint, x, y);

    // Grime: a broad uneven darkening, strongest towards the outer edges of the crate.
    const double grime = fractalNoise({x * GRIME_SCALE, y * GRIME_SCALE, GRIME_LAYER}, GRIME_SEED,
        GRIME_OCTAVES);
    const double edge = std::min(std::min(x, y), std::min(LAYOUT_SIZE - x, LAYOUT_SIZE - y));
    const double rim = 1.0 - smoothstep(0.0, RIM_WIDTH, edge);
    return colour * (GRIME_BASE + GRIME_RANGE * (grime - NOISE_MEAN) - RIM_DARKEN * rim);
}
} // namespace

// Averages a grid of samples in each pixel of the scaled layout.
RgbImage renderCrateTexture(int size)
{
    RgbImage image(size, size);
    const std::vector<Board> boards = crateBoards();
    const std::vector<Nail> nails = crateNails();
    const double scale = LAYOUT_SIZE / size;
    for (int row = 0; row < size; ++row)
        for (int column = 0; column < size; ++column) {
            Vec3 sum;
            for (int sy = 0; sy < SUBSAMPLES; ++sy)
                for (int sx = 0; sx < SUBSAMPLES; ++sx) {
                    const double x = (column + (sx + 0.5) / SUBSAMPLES) * scale;
                    const double y = (row + (sy + 0.5) / SUBSAMPLES) * scale;
                    sum = sum + crateColour(boards, nails, x, y);
                }
            const double dither = valueNoise({column + 0.0, row + 0.0, 0.0}, DITHER_SEED) - NOISE_MEAN;
            image.setPixel(column, row, sum * (1.0 / (SUBSAMPLES * SUBSAMPLES)), dither);
        }
    return image;
}
