// What the viewer writes on its console: the help text and the lines of a shader build report.
#pragma once

#include <string>
#include <vector>

// The report of a build in which both stages compile and the program links without remarks.
extern const std::vector<std::string> CLEAN_REPORT;
// The first line of every build report.
extern const char* const REPORT_HEADER;

// The seventeen help lines for a program path and the three values it names.
std::vector<std::string> helpLines(const std::string& program, const std::string& shader,
                                   const std::string& texture2D, const std::string& cubeMap);
