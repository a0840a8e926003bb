// The console help as the viewer prints it, for comparing with what it wrote. Free of X and GL, so
// that the logic tests, built without either, share it with the whole-program tests.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// How many lines the help has.
constexpr std::size_t HELP_LINE_COUNT = 17;

// The seventeen help lines, without their newlines, for the given program path and files.
std::vector<std::string> helpLines(const std::string& program, const std::string& shader,
                                   const std::string& texture2D, const std::string& cubeMap);

// The seventeen help lines, each ending in a newline, for the given program path and files.
std::string expectedHelp(const std::string& program, const std::string& shader,
                         const std::string& texture2D, const std::string& cubeMap);
