// How close a rendered picture must come to the one it is compared with.
#pragma once

// Levels per channel (of 255) that the rasteriser's rounding may move a pixel.
constexpr int PIXEL_TOLERANCE = 4;
// The share of pixels that must lie within PIXEL_TOLERANCE.
constexpr double SHARE_WITHIN_TOLERANCE = 0.995;
// No pixel may be off by more than this many levels in any channel.
constexpr int LARGEST_DIFFERENCE = 48;
