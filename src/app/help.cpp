// The console help: usage, the current files and the controls.
#include "app/help.h"

#include "app/app_state.h"
#include "app/console.h"

#include <string>

namespace {
// The controls, one line each, as the help lists them.
const char* const CONTROL_LINES[] = {
    "\tLeftMouseDrag = rotate camera",
    "\tMiddleMouseDrag = zoom camera",
    "\tRightMouseDrag = rotate light/cube map",
    "\tCtrl+MiddleMouseDrag = move light",
    "\tF5 = reload shaders",
    "\tW = toggle wireframe",
    "\tC = toggle object",
    "\tH = this help",
    "\tQ = quit",
};

// A text field as written in the help; a field not yet set writes nothing.
std::string text(const char* field)
{
    return field ? field : "";
}
} // namespace

// Writes the usage line, the current file settings and the controls.
void printHelp()
{
    printLine("Usage :");
    printLine("\t" + text(app.programName) + " [shader] [2d_texture] [cube_map]");
    printLine("Current values:");
    printLine("\tshader = " + text(app.shaderName));
    printLine("\t2d_texture = " + text(app.texture2DPath));
    printLine("\tcube_map = " + text(app.cubeMapBase));
    printLine("");
    printLine("Controls:");
    for (const char* line : CONTROL_LINES)
        printLine(line);
}
