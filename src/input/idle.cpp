// Idle time: the animation clock, and frames one after another.
#include "input/input.h"

#include "app/app_state.h"

#include <GL/freeglut.h>

// Advances the animation time by one step, rounded to the field's single precision, and asks for
// the next frame.
void onIdle()
{
    app.shaderTime = static_cast<float>(static_cast<double>(app.shaderTime) + TIME_STEP);
    glutPostRedisplay();
}
