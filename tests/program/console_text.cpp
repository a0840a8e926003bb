// What the viewer writes on its console: the help text and the lines of a shader build report.
#include "console_text.h"

const char* const REPORT_HEADER = "-Compiling-------------------------------------";

const std::vector<std::string> CLEAN_REPORT = {
    REPORT_HEADER,
    "Fragment shader Ok",
    "Vertex shader Ok",
    "Link Ok",
};

// The seventeen help lines for a program path and the three values it names.
std::vector<std::string> helpLines(const std::string& program, const std::string& shader,
                                   const std::string& texture2D, const std::string& cubeMap)
{
    return {
        "Usage :",
        "\t" + program + " [shader] [2d_texture] [cube_map]",
        "Current values:",
        "\tshader = " + shader,
        "\t2d_texture = " + texture2D,
        "\tcube_map = " + cubeMap,
        "",
        "Controls:",
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
}
