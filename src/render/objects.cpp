// The three objects of the scene: teapot, cube and sphere.
#include "render/render.h"

#include "app/app_state.h"

#include <GL/freeglut.h>

#include <iterator>

namespace {
constexpr GLdouble TEAPOT_SIZE = 7.0;
constexpr GLdouble SPHERE_RADIUS = 4.0;
constexpr GLint SPHERE_SLICES = 20;
constexpr GLint SPHERE_STACKS = 20;

// One face of the cube: its normal and its four corners, counter-clockwise seen from outside.
struct CubeFace {
    GLfloat normal[3];
    struct Corner {
        GLint texCoord[2];
        GLint vertex[3];
    } corners[4];
};

const CubeFace CUBE_FACES[] = {
    {{0, 0, -1}, {{{0, 1}, {5, -5, -5}}, {{1, 1}, {-5, -5, -5}}, {{1, 0}, {-5, 5, -5}}, {{0, 0}, {5, 5, -5}}}},
    {{0, 0, 1}, {{{0, 0}, {-5, -5, 5}}, {{1, 0}, {5, -5, 5}}, {{1, 1}, {5, 5, 5}}, {{0, 1}, {-5, 5, 5}}}},
    {{1, 0, 0}, {{{0, 1}, {5, 5, -5}}, {{1, 1}, {5, 5, 5}}, {{1, 0}, {5, -5, 5}}, {{0, 0}, {5, -5, -5}}}},
    {{-1, 0, 0}, {{{0, 0}, {-5, -5, -5}}, {{1, 0}, {-5, -5, 5}}, {{1, 1}, {-5, 5, 5}}, {{0, 1}, {-5, 5, -5}}}},
    {{0, 1, 0}, {{{0, 0}, {-5, 5, 5}}, {{0, 1}, {5, 5, 5}}, {{1, 1}, {5, 5, -5}}, {{1, 0}, {-5, 5, -5}}}},
    {{0, -1, 0}, {{{0, 0}, {-5, -5, -5}}, {{0, 1}, {5, -5, -5}}, {{1, 1}, {5, -5, 5}}, {{1, 0}, {-5, -5, 5}}}},
};

// The teapot's faces are wound clockwise, so that winding counts as front while it is drawn.
void drawTeapot()
{
    glFrontFace(GL_CW);
    glutSolidTeapot(TEAPOT_SIZE);
    glFrontFace(GL_CCW);
}

// The cube from -5 to 5 on every axis, with a normal per face and a texture coordinate per corner.
void drawCube()
{
    glBegin(GL_QUADS);
    for (const CubeFace& face : CUBE_FACES) {
        glNormal3f(face.normal[0], face.normal[1], face.normal[2]);
        for (const CubeFace::Corner& corner : face.corners) {
            glTexCoord2i(corner.texCoord[0], corner.texCoord[1]);
            glVertex3i(corner.vertex[0], corner.vertex[1], corner.vertex[2]);
        }
    }
    glEnd();
}

void drawSphere()
{
    glutSolidSphere(SPHERE_RADIUS, SPHERE_SLICES, SPHERE_STACKS);
}

// The objects in the order the C key cycles through them.
void (*const OBJECTS[])() = {drawTeapot, drawCube, drawSphere};
} // namespace

// Draws the object that app.objectIndex names; any other index draws nothing.
void drawObject()
{
    if (app.objectIndex >= 0 && app.objectIndex < static_cast<int>(std::size(OBJECTS)))
        OBJECTS[app.objectIndex]();
}
