// Console output: one message line at a time, flushed at once.
#pragma once

#include <string_view>

// Writes the text and a newline to standard output and flushes it.
void printLine(std::string_view text);
