// Console output: one message line at a time, flushed at once.
#include "app/console.h"

#include <iostream>

// Writes the text and a newline to standard output and flushes it.
void printLine(std::string_view text)
{
    std::cout << text << std::endl;
}
