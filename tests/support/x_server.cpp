// A private X server for one test: an Xvfb on a display number it picks itself, and the test's
// own connection to it; one per test, or one for the whole test process.
#include "x_server.h"

#include "child_process.h"

#include <X11/Xlib.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>

namespace {
// The screen of every private Xvfb: larger than the viewer's window, with 24-bit colour.
constexpr const char* SCREEN_GEOMETRY = "1280x1024x24";
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

// Starts Xvfb, which picks a free display number and reports it on a pipe once it listens, then
// connects. The number comes from this Xvfb itself, so the server is this one; it keeps running
// between clients (-noreset), so a display that accepted one client accepts the next.
bool XServer::start()
{
    XSetErrorHandler(recordXError);
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        error_ = "no pipe for Xvfb";
        return false;
    }
    SpawnRequest request;
    request.program = "Xvfb";
    request.argv = {"Xvfb", "-displayfd", std::to_string(PASSED_FD), "-screen", "0", SCREEN_GEOMETRY,
                 "-nolisten", "tcp", "-noreset"};
    request.passFd = fds[1];
    pid_ = spawnProcess(request);
    close(fds[1]);
    std::string number;
    const bool reported = pid_ > 0 && readDisplayNumber(fds[0], number);
    close(fds[0]);
    if (!reported) {
        error_ = "Xvfb did not report a display (is the xvfb package installed?)";
        return false;
    }
    const std::string name = ":" + number;
    display_ = XOpenDisplay(name.c_str());
    if (display_ == nullptr) {
        error_ = "cannot connect to Xvfb on " + name;
        return false;
    }
    if (waitForChild(pid_, 0.0)) {
        pid_ = -1;
        error_ = "Xvfb on " + name + " ended after it reported its display";
        return false;
    }
    name_ = name;
    return true;
}

// The code of the latest X error on the test's connections, 0 if none; reading it clears it.
int takeXError()
{
    const int code = lastXError;
    lastXError = 0;
    return code;
}

// This process's own X server, started at the first call and ended when the process exits.
const XServer& privateServer()
{
    static XServer server;
    static const bool started = server.start();
    (void)started;
    return server;
}

// The display name of this process's own X server; empty when Xvfb could not be started.
const std::string& privateDisplay()
{
    return privateServer().name();
}
