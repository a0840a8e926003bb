// A private X server for one test: an Xvfb on a display number it picks itself, and the test's
// own connection to it.
#include "x_server.h"

#include "child_process.h"

#include <X11/Xlib.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>

namespace {
constexpr const char* SCREEN_GEOMETRY = "1024x768x24";
constexpr double START_SECONDS = 20.0;
constexpr double STOP_SECONDS = 5.0;

int lastXError = 0;

// Keeps the error instead of ending the test program, as Xlib's own handler would: a window that
// goes away under a read is an expected event here.
int recordXError(Display*, XErrorEvent* event)
{
    lastXError = event->error_code;
    return 0;
}

// Reads the display number that Xvfb writes once it accepts connections.
bool readDisplayNumber(int fd, std::string& number)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(START_SECONDS);
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, 100) <= 0)
            continue;
        char c = 0;
        if (read(fd, &c, 1) != 1)
            return false;
        if (c == '\n')
            return !number.empty();
        number += c;
    }
    return false;
}
} // namespace

XServer::~XServer()
{
    if (display_ != nullptr)
        XCloseDisplay(display_);
    endChild(pid_, SIGTERM, STOP_SECONDS);
}

// Starts Xvfb, which picks a free display number and reports it on a pipe, then connects.
bool XServer::start()
{
    XSetErrorHandler(recordXError);
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        error_ = "no pipe for Xvfb";
        return false;
    }
    SpawnSpec spec;
    spec.program = "Xvfb";
    spec.argv = {"Xvfb", "-displayfd", std::to_string(PASSED_FD), "-screen", "0", SCREEN_GEOMETRY,
                 "-nolisten", "tcp"};
    spec.passFd = fds[1];
    pid_ = spawnProcess(spec);
    close(fds[1]);
    std::string number;
    const bool reported = pid_ > 0 && readDisplayNumber(fds[0], number);
    close(fds[0]);
    if (!reported) {
        error_ = "Xvfb did not report a display (is the xvfb package installed?)";
        return false;
    }
    name_ = ":" + number;
    display_ = XOpenDisplay(name_.c_str());
    if (display_ == nullptr) {
        error_ = "cannot connect to Xvfb on " + name_;
        return false;
    }
    return true;
}

// The code of the latest X error on the test's connections, 0 if none; reading it clears it.
int takeXError()
{
    const int code = lastXError;
    lastXError = 0;
    return code;
}
