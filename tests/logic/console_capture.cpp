// Reads what a piece of code writes to standard output.
#include "console_capture.h"

#include <cstdio>
#include <iostream>
#include <stdexcept>
#include <unistd.h>

namespace {
// Everything written to the descriptor so far, read from its start.
std::string readAll(int descriptor)
{
    std::string text;
    char buffer[4096];
    off_t offset = 0;
    for (;;) {
        const ssize_t count = pread(descriptor, buffer, sizeof buffer, offset);
        if (count <= 0)
            break;
        text.append(buffer, static_cast<std::size_t>(count));
        offset += count;
    }
    return text;
}
} // namespace

// Runs the code with standard output sent to a scratch file and returns what reached the file.
std::string captureStdout(const std::function<void()>& code)
{
    std::cout.flush();
    std::fflush(stdout);
    std::FILE* scratch = std::tmpfile();
    const int saved = dup(STDOUT_FILENO);
    if (scratch == nullptr || saved < 0 || dup2(fileno(scratch), STDOUT_FILENO) < 0)
        throw std::runtime_error("cannot redirect standard output");

    code();
    const std::string written = readAll(fileno(scratch));

    // Whatever the code left unflushed goes to the scratch file, not to the test's own output.
    std::cout.flush();
    std::fflush(stdout);
    dup2(saved, STDOUT_FILENO);
    close(saved);
    std::fclose(scratch);
    return written;
}
