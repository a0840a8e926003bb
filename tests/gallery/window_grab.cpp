// Waiting for a window to show a settled picture on an X server, and reading it as the screen
// shows it.
#include "window_grab.h"

#include "x_window.h"

#include <thread>

namespace {
constexpr auto GRAB_INTERVAL = std::chrono::milliseconds(200);
// Where the window is moved before it is read: with no window manager GLUT's window sits a pixel
// off the screen's top-left corner, and X reads only what lies on the screen.
constexpr int GRAB_POSITION = 16;
} // namespace

// Waits until the titled window shows a picture that two grabs in a row agree on. A window caught
// between its creation and its first exposure refuses to be read, and the grab is then simply
// tried again.
Image grabSettledWindow(const XServer& server, const std::string& title,
                        const std::function<bool()>& stillRunning, std::chrono::seconds limit)
{
    Display* display = server.display();
    if (display == nullptr)
        return Image();
    const auto deadline = std::chrono::steady_clock::now() + limit;
    Image previous;
    while (std::chrono::steady_clock::now() < deadline && stillRunning()) {
        const Window window = findWindowByTitle(display, title);
        if (window != 0) {
            XMoveWindow(display, window, GRAB_POSITION, GRAB_POSITION);
            XSync(display, False);
            Image current = isViewable(display, window) ? captureWindow(display, window) : Image();
            if (showsSomething(current) && samePicture(current, previous))
                return current;
            previous = std::move(current);
        }
        std::this_thread::sleep_for(GRAB_INTERVAL);
    }
    return Image();
}
