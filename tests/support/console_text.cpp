// What the viewer and the renderer write on their consoles after a shader build: the lines of the
// report. Free of X and GL, like the help text in help_text.h, so that any suite can link it.
#include "console_text.h"

// The lines joined into console text, each ending in a newline.
std::string textOfLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}
