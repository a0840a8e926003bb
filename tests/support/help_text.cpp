// The console help as the viewer prints it, for comparing with what it wrote. Free of X and GL, so
// that the logic tests, built without either, share it with the whole-program tests.
#include "help_text.h"

#include "console_text.h"

// The seventeen help lines, without their newlines, for the given program path and files.
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

// The seventeen help lines, each ending in a newline, for the given program path and files.
std::string expectedHelp(const std::string& program, const std::string& shader,
                         const std::string& texture2D, const std::string& cubeMap)
{
    return textOfLines(helpLines(program, shader, texture2D, cubeMap));
}
