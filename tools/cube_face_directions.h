// Where each texel of a cube-map face points, by the GL's cube-map face orientation.
#pragma once

#include "vec3.h"

#include <GL/glew.h>

// The direction (not normalised) that the GL samples at texture coordinates (s, t) of the given
// cube-map face, with s and t in [0, 1].
Vec3 cubeFaceDirection(GLenum face, double s, double t);
