// Start-up to first frame: starts the viewer in a scratch copy of its data, again and again, and
// times each start from fork until the centre pixel of its window is no longer black.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <optional>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {
constexpr int DEFAULT_RUNS = 7;
constexpr double TARGET_MILLISECONDS = 500.0;
constexpr auto POLL_INTERVAL = std::chrono::microseconds(500);
constexpr auto RUN_TIMEOUT = std::chrono::seconds(20);
constexpr unsigned long RGB_MASK = 0xffffff;
constexpr const char* VIEWER_TITLE = "Tesmorel";
constexpr const char* SCRATCH_TEMPLATE = "/tmp/tesmorel-startup-XXXXXX";
// The data the viewer reads by default, relative to its working directory.
const char* const DATA_DIRECTORIES[] = {"shaders", "textures"};

// What the command line asks for.
struct Options {
    std::string viewer = "build/tesmorel";
    std::string data = ".";
    int runs = DEFAULT_RUNS;
    bool shaderCache = false;
};

// One start: when the window became viewable and when its first frame showed, in milliseconds.
struct Start {
    double mappedMs = 0.0;
    double frameMs = 0.0;
};

// Milliseconds from one instant to another.
double millisecondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// X errors are expected while the window is still being made or already gone: ignore them.
int ignoreXError(Display*, XErrorEvent*)
{
    return 0;
}

// Reads --viewer=, --data=, --runs= and --shader-cache=on|off; false on anything else.
bool parseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&arg](const char* prefix) -> std::optional<std::string> {
            const std::size_t length = std::strlen(prefix);
            if (arg.compare(0, length, prefix) == 0)
                return arg.substr(length);
            return std::nullopt;
        };
        if (auto v = value("--viewer="))
            options.viewer = *v;
        else if (auto v = value("--data="))
            options.data = *v;
        else if (auto v = value("--runs="))
            options.runs = std::max(1, std::atoi(v->c_str()));
        else if (auto v = value("--shader-cache="))
            options.shaderCache = *v == "on";
        else
            return false;
    }
    return true;
}

// The top-level windows there are now.
std::vector<Window> topLevelWindows(Display* display)
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::vector<Window> windows;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        windows.assign(children, children + count);
        if (children != nullptr)
            XFree(children);
    }
    return windows;
}

// True when the window carries the viewer's title.
bool hasViewerTitle(Display* display, Window window)
{
    char* name = nullptr;
    bool matches = false;
    if (XFetchName(display, window, &name) && name != nullptr) {
        matches = std::strcmp(name, VIEWER_TITLE) == 0;
        XFree(name);
    }
    return matches;
}

// A viewable top-level window with the viewer's title that was not there before the start, or
// None while there is none yet. freeglut sets no _NET_WM_PID, so the window is known by being new.
Window findViewerWindow(Display* display, const std::vector<Window>& before)
{
    for (const Window window : topLevelWindows(display)) {
        XWindowAttributes attributes;
        if (std::find(before.begin(), before.end(), window) == before.end() && hasViewerTitle(display, window)
            && XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable)
            return window;
    }
    return None;
}

// True when the pixel at the centre of the window is anything but black.
bool centreLit(Display* display, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return false;
    XImage* image = XGetImage(display, window, attributes.width / 2, attributes.height / 2, 1, 1, AllPlanes,
                              ZPixmap);
    if (image == nullptr)
        return false;
    const bool lit = (XGetPixel(image, 0, 0) & RGB_MASK) != 0;
    XDestroyImage(image);
    return lit;
}

// Starts the viewer with no arguments in the scratch directory, its output thrown away.
pid_t startViewer(const Options& options, const std::string& scratch)
{
    const std::string viewer = fs::absolute(options.viewer).string();
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    if (chdir(scratch.c_str()) != 0)
        _exit(127);
    const int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, STDOUT_FILENO);
    dup2(devNull, STDERR_FILENO);
    if (options.shaderCache)
        unsetenv("MESA_SHADER_CACHE_DISABLE");
    else
        setenv("MESA_SHADER_CACHE_DISABLE", "true", 1);
    execl(viewer.c_str(), viewer.c_str(), static_cast<char*>(nullptr));
    _exit(127);
}

// One start, polled until the first frame shows; nothing when it does not within the timeout.
std::optional<Start> timeOneStart(Display* display, const Options& options, const std::string& scratch)
{
    const std::vector<Window> before = topLevelWindows(display);
    const Clock::time_point begin = Clock::now();
    const pid_t pid = startViewer(options, scratch);
    if (pid < 0)
        return std::nullopt;
    Start start;
    Window window = None;
    bool shown = false;
    while (Clock::now() - begin < RUN_TIMEOUT) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return std::nullopt;
        if (window == None) {
            window = findViewerWindow(display, before);
            if (window != None)
                start.mappedMs = millisecondsBetween(begin, Clock::now());
        }
        if (window != None && centreLit(display, window)) {
            start.frameMs = millisecondsBetween(begin, Clock::now());
            shown = true;
            break;
        }
        std::this_thread::sleep_for(POLL_INTERVAL);
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    if (!shown)
        return std::nullopt;
    return start;
}

// The middle value; the mean of the two middle values for an even count.
double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

// Copies the viewer's data directories into a new scratch directory and returns its path.
std::string makeScratchCopy(const std::string& data)
{
    std::string scratch = SCRATCH_TEMPLATE;
    if (mkdtemp(scratch.data()) == nullptr)
        return {};
    for (const char* directory : DATA_DIRECTORIES)
        fs::copy(fs::path(data) / directory, fs::path(scratch) / directory, fs::copy_options::recursive);
    return scratch;
}
} // namespace

// Times the starts the command line asks for and prints each with the median.
int main(int argc, char** argv)
{
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::cerr << "usage: " << argv[0]
                  << " [--viewer=build/tesmorel] [--data=DIR with shaders/ and textures/] [--runs=7]"
                     " [--shader-cache=off|on]"
                  << std::endl;
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::cerr << "Cannot open the X display; set DISPLAY." << std::endl;
        return 1;
    }
    XSetErrorHandler(ignoreXError);
    const std::string scratch = makeScratchCopy(options.data);
    if (scratch.empty()) {
        std::cerr << "Cannot make a scratch directory." << std::endl;
        return 1;
    }

    std::cout << "Start-up to first frame: " << options.viewer << " in a copy of " << options.data
              << "/{shaders,textures}, shader cache " << (options.shaderCache ? "on" : "off") << std::endl;
    std::vector<double> mapped;
    std::vector<double> frames;
    for (int run = 1; run <= options.runs; ++run) {
        const std::optional<Start> start = timeOneStart(display, options, scratch);
        if (!start) {
            std::cerr << "run " << run << ": no frame on screen within the timeout" << std::endl;
            fs::remove_all(scratch);
            return 1;
        }
        std::printf("run %d: window viewable %7.1f ms, first frame %7.1f ms\n", run, start->mappedMs,
                    start->frameMs);
        mapped.push_back(start->mappedMs);
        frames.push_back(start->frameMs);
    }
    const double frameMedian = median(frames);
    std::printf("median of %d: window viewable %.1f ms, first frame %.1f ms (min %.1f, max %.1f); "
                "target %.0f ms %s\n",
                options.runs, median(mapped), frameMedian, *std::min_element(frames.begin(), frames.end()),
                *std::max_element(frames.begin(), frames.end()), TARGET_MILLISECONDS,
                frameMedian < TARGET_MILLISECONDS ? "met" : "missed");
    std::fflush(stdout);
    fs::remove_all(scratch);
    XCloseDisplay(display);
    return 0;
}
