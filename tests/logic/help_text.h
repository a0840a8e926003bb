// The console help as the viewer prints it, for comparing with what it wrote.
#pragma once

#include <string>

// The seventeen help lines, each ending in a newline, for the given program path and files.
std::string expectedHelp(const std::string& program, const std::string& shader,
                         const std::string& texture2D, const std::string& cubeMap);
