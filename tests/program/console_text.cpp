// What the viewer writes on its console after a shader build: the lines of its report. (The help
// text the tests expect is in help_text.h, shared with the logic tests.)
#include "console_text.h"

const char* const REPORT_HEADER = "-Compiling-------------------------------------";

const std::vector<std::string> CLEAN_REPORT = {
    REPORT_HEADER,
    "Fragment shader Ok",
    "Vertex shader Ok",
    "Link Ok",
};
