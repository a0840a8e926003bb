// Where each texel of a cube-map face points, by the GL's cube-map face orientation.
#include "cube_face_directions.h"

#include <stdexcept>

namespace {
// The GL's face selection reads a direction r through its major axis ma and the two coordinates
// sc and tc, with s = (sc / |ma| + 1) / 2 and t = (tc / |ma| + 1) / 2. Inverted, the point of the
// face at (sc, tc) is major + sc * sAxis + tc * tAxis.
struct FaceOrientation {
    GLenum face;
    Vec3 major;
    Vec3 sAxis;
    Vec3 tAxis;
};

const FaceOrientation FACE_ORIENTATIONS[] = {
    {GL_TEXTURE_CUBE_MAP_POSITIVE_X, {1, 0, 0}, {0, 0, -1}, {0, -1, 0}}, // sc = -rz, tc = -ry
    {GL_TEXTURE_CUBE_MAP_NEGATIVE_X, {-1, 0, 0}, {0, 0, 1}, {0, -1, 0}}, // sc = +rz, tc = -ry
    {GL_TEXTURE_CUBE_MAP_POSITIVE_Y, {0, 1, 0}, {1, 0, 0}, {0, 0, 1}},   // sc = +rx, tc = +rz
    {GL_TEXTURE_CUBE_MAP_NEGATIVE_Y, {0, -1, 0}, {1, 0, 0}, {0, 0, -1}}, // sc = +rx, tc = -rz
    {GL_TEXTURE_CUBE_MAP_POSITIVE_Z, {0, 0, 1}, {1, 0, 0}, {0, -1, 0}},  // sc = +rx, tc = -ry
    {GL_TEXTURE_CUBE_MAP_NEGATIVE_Z, {0, 0, -1}, {-1, 0, 0}, {0, -1, 0}}, // sc = -rx, tc = -ry
};
} // namespace

// Looks the face up in the orientation table and walks from its centre along its two axes.
Vec3 cubeFaceDirection(GLenum face, double s, double t)
{
    for (const FaceOrientation& o : FACE_ORIENTATIONS)
        if (o.face == face)
            return o.major + o.sAxis * (2.0 * s - 1.0) + o.tAxis * (2.0 * t - 1.0);
    throw std::invalid_argument("not a cube-map face");
}
