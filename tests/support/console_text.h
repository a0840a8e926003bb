// What the viewer and the renderer write on their consoles after a shader build: the lines of the
// report. Free of X and GL, like the help text in help_text.h, so that any suite can link it.
#pragma once

#include <string>
#include <vector>

// The first line of every build report.
constexpr const char* REPORT_HEADER = "-Compiling-------------------------------------";

// The lines joined into console text, each ending in a newline.
std::string textOfLines(const std::vector<std::string>& lines);

// The report of a build in which both stages compile and the program links without remarks.
// (Inline, so that it is ready before any constant of a test file that is built from it.)
inline const std::vector<std::string> CLEAN_REPORT = {
    REPORT_HEADER,
    "Fragment shader Ok",
    "Vertex shader Ok",
    "Link Ok",
};

// The clean report as console text, each line ending in a newline.
inline const std::string CLEAN_REPORT_TEXT = textOfLines(CLEAN_REPORT);
