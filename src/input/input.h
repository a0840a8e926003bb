// The GLUT input handlers: pointer, keys, idle time and window size.
#pragma once

// Degrees of rotation per unit of normalised pointer motion.
constexpr double DRAG_ROTATION_GAIN = 50.0;
// Animation time added at every idle call.
constexpr double TIME_STEP = 0.01;

// Records a button press or release and rebuilds the drag code from the buttons and modifiers.
void onMouseButton(int button, int state, int x, int y);
// Applies the drag action that the drag code selects.
void onMouseDrag(int x, int y);
// Follows the pointer while no button is held.
void onMousePassive(int x, int y);

// Character keys: quit, next object, help, outlines.
void onKey(unsigned char key, int x, int y);
// Function keys: help, shader rebuild.
void onSpecialKey(int key, int x, int y);

// Advances the animation time and asks for the next frame.
void onIdle();
// Records the drawing area's size and sets the viewport to it.
void onReshape(int width, int height);
