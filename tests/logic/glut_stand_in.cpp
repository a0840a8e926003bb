// Stand-ins for the GLUT, GL and shader-build calls of the input handlers, so that the handlers'
// logic runs without a window; each records how it was called.
#include "glut_stand_in.h"

#include "resources/shader_program.h"

#include <GL/freeglut.h>

StandInRecord standIn;

// Forgets every recorded call and reports no modifier.
void resetStandIn()
{
    standIn = StandInRecord{};
}

// Reports the modifier mask the test has set.
int glutGetModifiers()
{
    ++standIn.modifierReads;
    return standIn.modifierMask;
}

// Counts the redisplay requests.
void glutPostRedisplay()
{
    ++standIn.redisplayRequests;
}

// Records the viewport asked for.
void GLAPIENTRY glViewport(GLint x, GLint y, GLsizei width, GLsizei height)
{
    ++standIn.viewportCalls;
    standIn.viewportX = x;
    standIn.viewportY = y;
    standIn.viewportWidth = width;
    standIn.viewportHeight = height;
}

// Counts the shader rebuilds; building a real program needs a GL context.
void buildShaderProgram()
{
    ++standIn.shaderBuilds;
}
