// The frame: one-time graphics start-up, then the scene drawn at every display callback.
#pragma once

#include <GL/glew.h>

// Light 0's diffuse colour, RGBA.
extern const GLfloat LIGHT_DIFFUSE[4];
// Light 0 and its marker in the light's own frame: the point (0, 0, 1).
extern const GLfloat LIGHT_POSITION[4];

// Initialises GLEW, loads the textures, builds the shader program and sets the lasting GL state.
void startGraphics();

// The GLUT display callback: start-up on the first call, then one frame and the buffer swap.
void displayFrame();

// Draws the object that app.objectIndex names: teapot, cube or sphere.
void drawObject();
