// The keys: two tables from key code to action. Neither handler asks for a frame; the next idle
// call brings one.
#include "input/input.h"

#include "app/app_state.h"
#include "app/help.h"
#include "resources/shader_program.h"

#include <GL/freeglut.h>

#include <cstdlib>

namespace {
constexpr unsigned char ESCAPE_KEY = 27;

void quit()
{
    std::exit(EXIT_SUCCESS);
}

// Teapot, cube, sphere, teapot, ...
void nextObject()
{
    app.objectIndex = (app.objectIndex + 1) % OBJECT_COUNT;
}

void toggleWireframe()
{
    app.wireframe = app.wireframe == 0 ? 1 : 0;
}

// Character keys, matched by their exact code; modifiers are not consulted.
const struct KeyAction {
    unsigned char key;
    void (*action)();
} KEY_ACTIONS[] = {
    {ESCAPE_KEY, quit}, {'Q', quit},       {'q', quit},
    {'C', nextObject},  {'c', nextObject},
    {'H', printHelp},   {'h', printHelp},
    {'W', toggleWireframe}, {'w', toggleWireframe},
};

// Special keys, matched by their GLUT code.
const struct SpecialKeyAction {
    int key;
    void (*action)();
} SPECIAL_KEY_ACTIONS[] = {
    {GLUT_KEY_F1, printHelp},
    {GLUT_KEY_F5, buildShaderProgram},
};
} // namespace

// Character keys: quit, next object, help, outlines.
void onKey(unsigned char key, int x, int y)
{
    (void)x; // unused
    (void)y; // unused
    for (const KeyAction& entry : KEY_ACTIONS) {
        if (entry.key == key)
            entry.action();
    }
}

// Function keys: help, shader rebuild.
void onSpecialKey(int key, int x, int y)
{
    (void)x; // unused
    (void)y; // unused
    for (const SpecialKeyAction& entry : SPECIAL_KEY_ACTIONS) {
        if (entry.key == key)
            entry.action();
    }
}
