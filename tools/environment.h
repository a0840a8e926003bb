// The default environment: sky, sun, clouds, hills and meadow as a colour for every direction.
#pragma once

#include "vec3.h"

// The colour seen along a unit direction (+Y up). footprint is the angular size, in radians, of
// the patch of directions the sample stands for; detail finer than that is left out.
Vec3 environmentColour(Vec3 direction, double footprint);
