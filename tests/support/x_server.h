// A private X server for one test: an Xvfb on a display number it picks itself, and the test's
// own connection to it; one per test, or one for the whole test process.
#pragma once

#include <sys/types.h>

#include <string>

// Xlib's connection record; Xlib itself stays out of the tests' headers, whose names it would clash with.
struct _XDisplay;

class XServer {
public:
    XServer() = default;
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;
    ~XServer();

    // Starts Xvfb and connects to it; false with a reason in error() when that fails.
    bool start();

    // The display name, such as ":3".
    const std::string& name() const { return name_; }
    // The test's connection to the server.
    _XDisplay* display() const { return display_; }
    // Why start() failed.
    const std::string& error() const { return error_; }

private:
    pid_t pid_ = -1;
    std::string name_;
    _XDisplay* display_ = nullptr;
    std::string error_;
};

// The code of the latest X error on the test's connections, 0 if none; reading it clears it.
int takeXError();

// This process's own X server, started at the first call and ended when the process exits; its
// name is empty when Xvfb could not be started, and error() says why.
const XServer& privateServer();

// The display name (":N") of this process's own X server; empty when Xvfb could not be started.
const std::string& privateDisplay();
