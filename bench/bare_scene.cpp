// The viewer's scene written out as bare GL calls, and the bare build of a shader pair: the
// yardsticks that the viewer's own functions are measured against.
#include "bare_scene.h"

#include "bench_support.h"

#include <GL/freeglut.h>

#include <fstream>
#include <iterator>

namespace {
// The viewer's start-up view: camera 20 units back, pitched 20 degrees; the light turned 180
// degrees about X and moved 10 units out; the cube map turned by the sum of both pitches.
constexpr GLdouble BARE_FIELD_OF_VIEW = 45.0;
constexpr GLdouble BARE_ASPECT = static_cast<GLdouble>(BENCH_WINDOW_WIDTH) / BENCH_WINDOW_HEIGHT;
constexpr GLdouble BARE_NEAR = 0.1;
constexpr GLdouble BARE_FAR = 10000.0;
constexpr GLfloat BARE_CAMERA_DISTANCE = 20.0f;
constexpr GLfloat BARE_CAMERA_PITCH = 20.0f;
constexpr GLfloat BARE_LIGHT_PITCH = 180.0f;
constexpr GLfloat BARE_LIGHT_DISTANCE = 10.0f;
constexpr GLfloat BARE_CUBE_MAP_PITCH = BARE_LIGHT_PITCH + BARE_CAMERA_PITCH;
constexpr GLfloat BARE_MARKER_SIZE = 10.0f;
const GLfloat BARE_LIGHT_DIFFUSE[4] = {0.7f, 0.3f, 0.3f, 1.0f};
const GLfloat BARE_LIGHT_POSITION[4] = {0.0f, 0.0f, 1.0f, 1.0f};
constexpr GLdouble BARE_TEAPOT_SIZE = 7.0;
constexpr GLdouble BARE_SPHERE_RADIUS = 4.0;
constexpr GLint BARE_SPHERE_DIVISIONS = 20;

// Reads one file whole; empty when it cannot be opened.
std::string readWholeFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}
} // namespace

// Takes the textures and the program and looks the three uniforms up on the program.
BareScene makeBareScene(GLhandleARB program, GLuint cubeMapTexture, GLuint texture2D)
{
    BareScene scene;
    scene.program = program;
    scene.cubeMapTexture = cubeMapTexture;
    scene.texture2D = texture2D;
    scene.timeLocation = glGetUniformLocationARB(program, "Time");
    scene.texCubeLocation = glGetUniformLocationARB(program, "TexCube");
    scene.tex2DLocation = glGetUniformLocationARB(program, "Tex2D");
    return scene;
}

// One frame of the viewer's default view of the object at the given time, in inline GL calls.
void drawBareFrame(const BareScene& scene, int objectIndex, float time)
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(BARE_FIELD_OF_VIEW, BARE_ASPECT, BARE_NEAR, BARE_FAR);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -BARE_CAMERA_DISTANCE);
    glRotatef(BARE_CAMERA_PITCH, 1.0f, 0.0f, 0.0f);

    glUseProgramObjectARB(0);
    glPushMatrix();
    glRotatef(BARE_LIGHT_PITCH, 1.0f, 0.0f, 0.0f);
    glTranslatef(0.0f, 0.0f, -BARE_LIGHT_DISTANCE);
    glDisable(GL_LIGHTING);
    glActiveTexture(GL_TEXTURE0);
    glDisable(GL_TEXTURE_CUBE_MAP);
    glActiveTexture(GL_TEXTURE1);
    glDisable(GL_TEXTURE_2D);
    glPointSize(BARE_MARKER_SIZE);
    glBegin(GL_POINTS);
    glColor3f(1.0f, 1.0f, 1.0f);
    glVertex4fv(BARE_LIGHT_POSITION);
    glEnd();
    glLightfv(GL_LIGHT0, GL_DIFFUSE, BARE_LIGHT_DIFFUSE);
    glLightfv(GL_LIGHT0, GL_POSITION, BARE_LIGHT_POSITION);
    glPopMatrix();

    glActiveTexture(GL_TEXTURE0);
    glEnable(GL_TEXTURE_CUBE_MAP);
    glBindTexture(GL_TEXTURE_CUBE_MAP, scene.cubeMapTexture);
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glRotatef(BARE_CUBE_MAP_PITCH, 1.0f, 0.0f, 0.0f);
    glActiveTexture(GL_TEXTURE1);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, scene.texture2D);
    glMatrixMode(GL_MODELVIEW);

    glUseProgramObjectARB(scene.program);
    glUniform1fARB(scene.timeLocation, time);
    glUniform1iARB(scene.texCubeLocation, 0);
    glUniform1iARB(scene.tex2DLocation, 1);
    glEnable(GL_LIGHTING);

    if (objectIndex == TEAPOT_INDEX) {
        glFrontFace(GL_CW);
        glutSolidTeapot(BARE_TEAPOT_SIZE);
        glFrontFace(GL_CCW);
    } else if (objectIndex == CUBE_INDEX) {
        glBegin(GL_QUADS);
        glNormal3f(0, 0, -1);
        glTexCoord2i(0, 1); glVertex3i(5, -5, -5);
        glTexCoord2i(1, 1); glVertex3i(-5, -5, -5);
        glTexCoord2i(1, 0); glVertex3i(-5, 5, -5);
        glTexCoord2i(0, 0); glVertex3i(5, 5, -5);
        glNormal3f(0, 0, 1);
        glTexCoord2i(0, 0); glVertex3i(-5, -5, 5);
        glTexCoord2i(1, 0); glVertex3i(5, -5, 5);
        glTexCoord2i(1, 1); glVertex3i(5, 5, 5);
        glTexCoord2i(0, 1); glVertex3i(-5, 5, 5);
        glNormal3f(1, 0, 0);
        glTexCoord2i(0, 1); glVertex3i(5, 5, -5);
        glTexCoord2i(1, 1); glVertex3i(5, 5, 5);
        glTexCoord2i(1, 0); glVertex3i(5, -5, 5);
        glTexCoord2i(0, 0); glVertex3i(5, -5, -5);
        glNormal3f(-1, 0, 0);
        glTexCoord2i(0, 0); glVertex3i(-5, -5, -5);
        glTexCoord2i(1, 0); glVertex3i(-5, -5, 5);
        glTexCoord2i(1, 1); glVertex3i(-5, 5, 5);
        glTexCoord2i(0, 1); glVertex3i(-5, 5, -5);
        glNormal3f(0, 1, 0);
        glTexCoord2i(0, 0); glVertex3i(-5, 5, 5);
        glTexCoord2i(0, 1); glVertex3i(5, 5, 5);
        glTexCoord2i(1, 1); glVertex3i(5, 5, -5);
        glTexCoord2i(1, 0); glVertex3i(-5, 5, -5);
        glNormal3f(0, -1, 0);
        glTexCoord2i(0, 0); glVertex3i(-5, -5, -5);
        glTexCoord2i(0, 1); glVertex3i(5, -5, -5);
        glTexCoord2i(1, 1); glVertex3i(5, -5, 5);
        glTexCoord2i(1, 0); glVertex3i(-5, -5, 5);
        glEnd();
    } else {
        glutSolidSphere(BARE_SPHERE_RADIUS, BARE_SPHERE_DIVISIONS, BARE_SPHERE_DIVISIONS);
    }

    glFlush();
    glutSwapBuffers();
}

// Reads "shaders/<name>.vs" and "shaders/<name>.fs" whole.
ShaderSources readShaderSources(const std::string& name)
{
    return {readWholeFile("shaders/" + name + ".vs"), readWholeFile("shaders/" + name + ".fs")};
}

// Compiles the pair and links it into a new program with nothing but the GL calls.
GLhandleARB compileAndLinkBare(const ShaderSources& sources)
{
    const GLcharARB* fragmentText = sources.fragment.data();
    const GLint fragmentLength = static_cast<GLint>(sources.fragment.size());
    const GLhandleARB fragment = glCreateShaderObjectARB(GL_FRAGMENT_SHADER_ARB);
    glShaderSourceARB(fragment, 1, &fragmentText, &fragmentLength);
    glCompileShaderARB(fragment);

    const GLcharARB* vertexText = sources.vertex.data();
    const GLint vertexLength = static_cast<GLint>(sources.vertex.size());
    const GLhandleARB vertex = glCreateShaderObjectARB(GL_VERTEX_SHADER_ARB);
    glShaderSourceARB(vertex, 1, &vertexText, &vertexLength);
    glCompileShaderARB(vertex);

    const GLhandleARB program = glCreateProgramObjectARB();
    glAttachObjectARB(program, fragment);
    glAttachObjectARB(program, vertex);
    glDeleteObjectARB(fragment);
    glDeleteObjectARB(vertex);
    glLinkProgramARB(program);
    return program;
}
