// Window size: the drawing area that the pointer and the projection are measured against.
#include "input/input.h"

#include "app/app_state.h"

#include <GL/freeglut.h>

// Records the drawing area's size as GLUT reports it, zero included, and sets the viewport to it.
void onReshape(int width, int height)
{
    app.windowWidth = width;
    app.windowHeight = height;
    glViewport(0, 0, width, height);
    glutPostRedisplay();
}
