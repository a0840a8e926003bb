// Reading a window's pixels from an X server, as the screen shows them.
#include "window_grab.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstring>
#include <memory>
#include <thread>

namespace {
constexpr auto GRAB_INTERVAL = std::chrono::milliseconds(200);
// Where the window is moved before it is read: with no window manager GLUT's window sits a pixel
// off the screen's top-left corner, and X reads only what lies on the screen.
constexpr int GRAB_POSITION = 16;

// Ignores X errors: a window caught between its creation and its first exposure refuses to be
// read, and the grab is then simply tried again.
int ignoreError(Display*, XErrorEvent*)
{
    return 0;
}

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayConnection = std::unique_ptr<Display, DisplayCloser>;

// The window with the title, searched depth first under the given window.
Window findWindow(Display* display, Window under, const char* title)
{
    char* name = nullptr;
    if (XFetchName(display, under, &name) && name != nullptr) {
        const bool match = std::strcmp(name, title) == 0;
        XFree(name);
        if (match)
            return under;
    }
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (XQueryTree(display, under, &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count && found == 0; ++i)
            found = findWindow(display, children[i], title);
        if (children != nullptr)
            XFree(children);
    }
    return found;
}

// One 8-bit channel of a pixel, wherever its mask puts it.
std::uint8_t channel(unsigned long pixel, unsigned long mask)
{
    if (mask == 0)
        return 0;
    int shift = 0;
    while (((mask >> shift) & 1UL) == 0)
        ++shift;
    return static_cast<std::uint8_t>((pixel & mask) >> shift);
}

// The window's pixels as RGB bytes, top row first; empty when the window cannot be read.
RgbPicture grabWindow(Display* display, Window window)
{
    RgbPicture picture;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return picture;
    XImage* image = XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (image == nullptr)
        return picture;
    picture.width = attributes.width;
    picture.height = attributes.height;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            picture.rgb.push_back(channel(pixel, image->red_mask));
            picture.rgb.push_back(channel(pixel, image->green_mask));
            picture.rgb.push_back(channel(pixel, image->blue_mask));
        }
    }
    XDestroyImage(image);
    return picture;
}

} // namespace

// Waits until the titled window shows a picture that two grabs in a row agree on.
RgbPicture grabSettledWindow(const std::string& displayName, const char* title,
                             const std::function<bool()>& stillRunning, std::chrono::seconds limit)
{
    const DisplayConnection connection(XOpenDisplay(displayName.c_str()));
    Display* display = connection.get();
    if (display == nullptr)
        return RgbPicture();
    XSetErrorHandler(ignoreError);
    const auto deadline = std::chrono::steady_clock::now() + limit;
    RgbPicture previous;
    while (std::chrono::steady_clock::now() < deadline && stillRunning()) {
        const Window window = findWindow(display, DefaultRootWindow(display), title);
        if (window != 0) {
            XMoveWindow(display, window, GRAB_POSITION, GRAB_POSITION);
            XSync(display, False);
            RgbPicture current = grabWindow(display, window);
            if (showsSomething(current) && current.rgb == previous.rgb)
                return current;
            previous = std::move(current);
        }
        std::this_thread::sleep_for(GRAB_INTERVAL);
    }
    return RgbPicture();
}

