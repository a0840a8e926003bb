// A private Xvfb for one test process, so no other window can cover or take what a test reads.
#include "private_display.h"

#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// The screen of every private Xvfb: larger than the viewer's window, with 24-bit colour.
constexpr const char* SCREEN_GEOMETRY = "1280x1024x24";
// Display numbers are tried from a start that depends on the process id, so that test processes
// started side by side seldom try the same one.
constexpr int FIRST_DISPLAY = 300;
constexpr int DISPLAY_SPREAD = 600;
constexpr int DISPLAY_TRIES = 20;
constexpr auto START_LIMIT = std::chrono::seconds(10);
constexpr auto START_POLL = std::chrono::milliseconds(20);

// True when a client can connect to the display.
bool accepts(const std::string& display)
{
    Display* connection = XOpenDisplay(display.c_str());
    if (connection == nullptr)
        return false;
    XCloseDisplay(connection);
    return true;
}

// Starts Xvfb on the display in a child process, its output thrown away.
pid_t startXvfb(const std::string& display)
{
    const pid_t pid = fork();
    if (pid == 0) {
        const int nullFd = open("/dev/null", O_RDWR);
        dup2(nullFd, STDIN_FILENO);
        dup2(nullFd, STDOUT_FILENO);
        dup2(nullFd, STDERR_FILENO);
        execlp("Xvfb", "Xvfb", display.c_str(), "-screen", "0", SCREEN_GEOMETRY, "-nolisten", "tcp", "-noreset",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

// The Xvfb child, ended with its process.
struct XvfbServer {
    pid_t pid = -1;
    std::string display;

    // Starts Xvfb on the first display number it can lock. A server that cannot have its number
    // exits at once; one that is still running once the display accepts clients is this one, since
    // it holds the number's lock. It keeps running between clients (-noreset), so a display that
    // accepted one client accepts the next.
    XvfbServer()
    {
        const int start = FIRST_DISPLAY + static_cast<int>(getpid() % DISPLAY_SPREAD);
        for (int attempt = 0; attempt < DISPLAY_TRIES && display.empty(); ++attempt) {
            const std::string name = ":" + std::to_string(start + attempt);
            pid = startXvfb(name);
            const auto deadline = std::chrono::steady_clock::now() + START_LIMIT;
            while (pid > 0 && std::chrono::steady_clock::now() < deadline) {
                if (waitpid(pid, nullptr, WNOHANG) != 0) {
                    pid = -1;
                    break;
                }
                if (accepts(name)) {
                    display = name;
                    break;
                }
                std::this_thread::sleep_for(START_POLL);
            }
            if (display.empty() && pid > 0) {
                kill(pid, SIGTERM);
                waitpid(pid, nullptr, 0);
                pid = -1;
            }
        }
    }

    // Ends the server with this process.
    ~XvfbServer()
    {
        if (pid <= 0)
            return;
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
};
} // namespace

// The display name of this process's own Xvfb, started at the first call.
const std::string& privateDisplay()
{
    static const XvfbServer server;
    return server.display;
}
