// What the viewer writes on its console after a shader build: the lines of its report. (The help
// text the tests expect is in help_text.h, shared with the logic tests.)
#pragma once

#include <string>
#include <vector>

// The report of a build in which both stages compile and the program links without remarks.
extern const std::vector<std::string> CLEAN_REPORT;
// The first line of every build report.
extern const char* const REPORT_HEADER;
