// Mouse navigation: the drag code chosen at button events, and the drag actions it selects.
#include "input/input.h"

#include "app/app_state.h"

#include <GL/freeglut.h>

#include <iterator>

namespace {
// Bits of the drag code.
constexpr int SHIFT_BIT = 1;
constexpr int CTRL_BIT = 2;
constexpr int ALT_BIT = 4;
constexpr int LEFT_BIT = 16;
constexpr int MIDDLE_BIT = 32;
constexpr int RIGHT_BIT = 64;

// Orbits the camera: right raises the yaw, up lowers the pitch.
void orbitCamera()
{
    app.cameraYaw = app.cameraYaw + app.mouseDX * DRAG_ROTATION_GAIN;
    app.cameraPitch = app.cameraPitch - app.mouseDY * DRAG_ROTATION_GAIN;
}

// Zooms the camera in proportion to its distance: up brings it nearer.
void zoomCamera()
{
    app.cameraDistance = app.cameraDistance - app.cameraDistance * app.mouseDY;
}

// Moves the light in proportion to its distance: up brings it nearer.
void moveLight()
{
    app.lightDistance = app.lightDistance - app.lightDistance * app.mouseDY;
}

// Turns the light and the cube map: right raises the yaw, up raises the pitch.
void turnLight()
{
    app.lightYaw = app.lightYaw + app.mouseDX * DRAG_ROTATION_GAIN;
    app.lightPitch = app.lightPitch + app.mouseDY * DRAG_ROTATION_GAIN;
}

// The drag actions, each selected by one exact drag code; any other code does nothing.
const struct DragAction {
    int dragCode;
    void (*apply)();
} DRAG_ACTIONS[] = {
    {LEFT_BIT, orbitCamera},
    {MIDDLE_BIT, zoomCamera},
    {MIDDLE_BIT | CTRL_BIT, moveLight},
    {RIGHT_BIT, turnLight},
};

// The button flags that GLUT's three buttons set, by button number.
std::int32_t AppState::*const BUTTON_FLAGS[] = {
    &AppState::leftDown,   // GLUT_LEFT_BUTTON
    &AppState::middleDown, // GLUT_MIDDLE_BUTTON
    &AppState::rightDown,  // GLUT_RIGHT_BUTTON
};

// Stores the pointer normalised to the drawing area, keeping the previous position. While the
// area has no size the pointer counts as not moved, so no field can become infinite or NaN.
void updatePointer(int x, int y)
{
    app.prevMouseX = app.mouseX;
    app.prevMouseY = app.mouseY;
    if (app.windowWidth != 0 && app.windowHeight != 0) {
        app.mouseX = static_cast<double>(x) / static_cast<double>(app.windowWidth);
        app.mouseY = static_cast<double>(app.windowHeight - y) / static_cast<double>(app.windowHeight);
    }
}

// The pointer's change since the previous event.
void updatePointerMotion(int x, int y)
{
    updatePointer(x, y);
    app.mouseDX = app.mouseX - app.prevMouseX;
    app.mouseDY = app.mouseY - app.prevMouseY;
}
} // namespace

// Records a button press or release and rebuilds the drag code from the buttons and modifiers.
void onMouseButton(int button, int state, int x, int y)
{
    if (button >= 0 && button < static_cast<int>(std::size(BUTTON_FLAGS)))
        app.*BUTTON_FLAGS[button] = state == GLUT_DOWN ? 1 : 0;

    const int modifiers = glutGetModifiers();
    app.shiftDown = (modifiers & GLUT_ACTIVE_SHIFT) ? 1 : 0;
    app.ctrlDown = (modifiers & GLUT_ACTIVE_CTRL) ? 1 : 0;
    app.altDown = (modifiers & GLUT_ACTIVE_ALT) ? 1 : 0;

    app.dragState = SHIFT_BIT * app.shiftDown + CTRL_BIT * app.ctrlDown + ALT_BIT * app.altDown
        + LEFT_BIT * app.leftDown + MIDDLE_BIT * app.middleDown + RIGHT_BIT * app.rightDown;

    updatePointer(x, y);
    glutPostRedisplay();
}

// Applies the drag action that the drag code selects, and asks for a frame whatever it is.
void onMouseDrag(int x, int y)
{
    updatePointerMotion(x, y);
    for (const DragAction& action : DRAG_ACTIONS) {
        if (action.dragCode == app.dragState)
            action.apply();
    }
    glutPostRedisplay();
}

// Follows the pointer while no button is held; changes nothing else and asks for no frame.
void onMousePassive(int x, int y)
{
    updatePointerMotion(x, y);
}
