// The frame: projection, camera, light and its marker, both textures, the program and the object.
#include "render/render.h"

#include "app/app_state.h"

#include <GL/freeglut.h>

#include <algorithm>

const GLfloat LIGHT_DIFFUSE[4] = {0.7f, 0.3f, 0.3f, 1.0f};
const GLfloat LIGHT_POSITION[4] = {0.0f, 0.0f, 1.0f, 1.0f};

namespace {
constexpr GLdouble FIELD_OF_VIEW = 45.0;
constexpr GLdouble NEAR_PLANE = 0.1;
constexpr GLdouble FAR_PLANE = 10000.0;
constexpr GLfloat LIGHT_MARKER_SIZE = 10.0f;
constexpr GLint CUBE_MAP_UNIT = 0;
constexpr GLint TEXTURE_2D_UNIT = 1;

// Width over height of the drawing area; a side of 0 pixels counts as 1, so that a window
// shrunk to nothing gives a finite projection.
double aspectRatio()
{
    return static_cast<double>(std::max(app.windowWidth, 1))
        / static_cast<double>(std::max(app.windowHeight, 1));
}

// Makes the texture unit active; false when the GL has no multitexture entry points and the unit
// is not unit 0, the only one there is then.
bool selectTextureUnit(GLenum unit)
{
    if (glActiveTexture != nullptr) {
        glActiveTexture(unit);
        return true;
    }
    return unit == GL_TEXTURE0;
}

// True when GLEW loaded the entry points that install a program and set its uniforms.
bool shaderEntryPointsLoaded()
{
    return glUseProgramObjectARB != nullptr && glGetUniformLocationARB != nullptr
        && glUniform1fARB != nullptr && glUniform1iARB != nullptr;
}

// Projection from the stored window size, then the camera orbiting the origin.
void setProjectionAndCamera()
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(FIELD_OF_VIEW, aspectRatio(), NEAR_PLANE, FAR_PLANE);

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, static_cast<GLfloat>(-app.cameraDistance));
    glRotatef(static_cast<GLfloat>(app.cameraPitch), 1.0f, 0.0f, 0.0f);
    glRotatef(static_cast<GLfloat>(app.cameraYaw), 0.0f, 1.0f, 0.0f);
}

// Light 0 and a white point that marks it, drawn unlit, untextured and without the program.
void placeLight(bool shaders)
{
    // The marker goes through the fixed-function pipeline.
    if (shaders)
        glUseProgramObjectARB(0);

    // The light's frame: turned by its angles, then moved out along its -Z axis.
    glPushMatrix();
    glRotatef(static_cast<GLfloat>(app.lightYaw), 0.0f, 1.0f, 0.0f);
    glRotatef(static_cast<GLfloat>(app.lightPitch), 1.0f, 0.0f, 0.0f);
    glTranslatef(0.0f, 0.0f, static_cast<GLfloat>(-app.lightDistance));

    // Plain white for the marker: no lighting, no texture on either unit.
    glDisable(GL_LIGHTING);
    if (selectTextureUnit(GL_TEXTURE0))
        glDisable(GL_TEXTURE_CUBE_MAP);
    if (selectTextureUnit(GL_TEXTURE1))
        glDisable(GL_TEXTURE_2D);

    // The marker, a square point where the light is.
    glPointSize(LIGHT_MARKER_SIZE);
    glBegin(GL_POINTS);
    glColor3f(1.0f, 1.0f, 1.0f);
    glVertex4fv(LIGHT_POSITION);
    glEnd();

    // Light 0 at the marker, stored in eye space for the shaders to read.
    glLightfv(GL_LIGHT0, GL_DIFFUSE, LIGHT_DIFFUSE);
    glLightfv(GL_LIGHT0, GL_POSITION, LIGHT_POSITION);
    glPopMatrix();
}

// The cube map on unit 0, turned by the light's and the camera's angles; the 2D texture on unit 1.
void bindTextures()
{
    // The cube map, and its orientation in the texture matrix of unit 0.
    if (selectTextureUnit(GL_TEXTURE0)) {
        glEnable(GL_TEXTURE_CUBE_MAP);
        glBindTexture(GL_TEXTURE_CUBE_MAP, app.cubeMapTexture);
        glMatrixMode(GL_TEXTURE);
        glLoadIdentity();
        glRotatef(static_cast<GLfloat>(app.lightYaw + app.cameraYaw), 0.0f, 1.0f, 0.0f);
        glRotatef(static_cast<GLfloat>(app.lightPitch + app.cameraPitch), 1.0f, 0.0f, 0.0f);
    }

    // The 2D texture; unit 1 stays active for the rest of the frame.
    if (selectTextureUnit(GL_TEXTURE1)) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, app.texture2D);
    }
    glMatrixMode(GL_MODELVIEW);
}

// Installs app.program and hands it the time and the two texture units, looked up by name.
void installProgram()
{
    glUseProgramObjectARB(app.program);
    glUniform1fARB(glGetUniformLocationARB(app.program, "Time"), app.shaderTime);
    glUniform1iARB(glGetUniformLocationARB(app.program, "TexCube"), CUBE_MAP_UNIT);
    glUniform1iARB(glGetUniformLocationARB(app.program, "Tex2D"), TEXTURE_2D_UNIT);
}
} // namespace

// The GLUT display callback: start-up on the first call, then one frame and the buffer swap.
void displayFrame()
{
    // Resources and lasting state, once, before anything is drawn.
    if (!app.graphicsStarted) {
        startGraphics();
        app.graphicsStarted = 1;
    }
    const bool shaders = shaderEntryPointsLoaded();

    // A fresh picture, filled or outlined.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPolygonMode(GL_FRONT_AND_BACK, app.wireframe ? GL_LINE : GL_FILL);

    setProjectionAndCamera();
    placeLight(shaders);
    bindTextures();

    // The object, lit, through the program when there is one.
    if (shaders)
        installProgram();
    glEnable(GL_LIGHTING);
    drawObject();

    // The finished picture to the window.
    glFlush();
    glutSwapBuffers();
}
