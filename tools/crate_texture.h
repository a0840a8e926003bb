// The default 2D texture: the face of a wooden crate, drawn procedurally.
#pragma once

#include "rgb_image.h"

// A square crate face of the given size in pixels: horizontal planks behind a darker frame, a
// diagonal brace and nail heads, lit from the upper left.
RgbImage renderCrateTexture(int size);
