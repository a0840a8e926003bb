// The entry point: the window, the command line, the help, the handlers and GLUT's main loop.
#include "app/app_state.h"
#include "app/command_line.h"
#include "app/help.h"
#include "input/input.h"
#include "render/render.h"

#include <GL/freeglut.h>

#include <iostream>

namespace {
constexpr int WINDOW_WIDTH = 640;
constexpr int WINDOW_HEIGHT = 480;
constexpr const char* WINDOW_TITLE = "Tesmorel";

// Every GLUT handler of the viewer, in the order GLUT is given them.
void registerHandlers()
{
    glutDisplayFunc(displayFrame);
    glutReshapeFunc(onReshape);
    glutMouseFunc(onMouseButton);
    glutMotionFunc(onMouseDrag);
    glutPassiveMotionFunc(onMousePassive);
    glutKeyboardFunc(onKey);
    glutSpecialFunc(onSpecialKey);
    glutIdleFunc(onIdle);
}
} // namespace

int main(int argc, char** argv)
{
    // The window and its GL context; GLUT takes its own options out of the command line.
    glutInit(&argc, argv);
    glutInitWindowSize(WINDOW_WIDTH, WINDOW_HEIGHT);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutCreateWindow(WINDOW_TITLE);

    takeCommandLine(argc, argv);
    printHelp();
    setViewerDefaults();
    registerHandlers();
    glutMainLoop();

    std::cerr << std::endl << "Done." << std::endl;
    return 0;
}
