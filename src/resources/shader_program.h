// The shader program, built from the two files of the shader pair with a report on standard output.
#pragma once

#include <cstddef>

// Bytes of a shader file that are used, and the size of the info-log buffer.
constexpr std::size_t SOURCE_BUFFER_SIZE = 10000;

// Reads, compiles and links "shaders/<name>.fs" and "shaders/<name>.vs" into app.program.
void buildShaderProgram();
