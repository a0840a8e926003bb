// Reads what a piece of code writes to standard output.
#pragma once

#include <functional>
#include <string>

// Runs the code with standard output sent to a scratch file and returns what reached the file.
// Nothing is flushed on the program's behalf, so text the code left in a buffer is not returned.
std::string captureStdout(const std::function<void()>& code);
