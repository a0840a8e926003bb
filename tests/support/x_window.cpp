// The viewer's window as the X server sees it: found by its title, placed, focused and read back.
#include "x_window.h"

#include "x_server.h"

#include <X11/Xutil.h>

namespace {
// The name of one window, empty when it has none.
std::string windowName(Display* display, Window window)
{
    char* name = nullptr;
    std::string text;
    if (XFetchName(display, window, &name) && name != nullptr)
        text = name;
    if (name != nullptr)
        XFree(name);
    return text;
}

// Searches the tree below a window, depth first.
Window searchTree(Display* display, Window parent, const std::string& title)
{
    Window root = 0;
    Window parentOfParent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, parent, &root, &parentOfParent, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && found == 0; ++i) {
        if (windowName(display, children[i]) == title)
            found = children[i];
        else
            found = searchTree(display, children[i], title);
    }
    if (children != nullptr)
        XFree(children);
    return found;
}

// The bits of a pixel channel under its mask, scaled to 8 bits.
std::uint8_t channel(unsigned long pixel, unsigned long mask)
{
    if (mask == 0)
        return 0;
    int shift = 0;
    while (((mask >> shift) & 1UL) == 0)
        ++shift;
    const unsigned long maximum = mask >> shift;
    return static_cast<std::uint8_t>(((pixel & mask) >> shift) * 255UL / maximum);
}
} // namespace

// The first window below the root whose name is exactly the title; 0 if there is none.
Window findWindowByTitle(Display* display, const std::string& title)
{
    const Window found = searchTree(display, DefaultRootWindow(display), title);
    takeXError(); // a window may vanish between the listing and the name
    return found;
}

// True when the window is mapped and viewable.
bool isViewable(Display* display, Window window)
{
    XWindowAttributes attributes;
    const bool known = XGetWindowAttributes(display, window, &attributes) != 0;
    return takeXError() == 0 && known && attributes.map_state == IsViewable;
}

// The window's size in pixels; 0 by 0 when it is gone.
WindowSize windowSize(Display* display, Window window)
{
    XWindowAttributes attributes;
    const bool known = XGetWindowAttributes(display, window, &attributes) != 0;
    if (takeXError() != 0 || !known)
        return {};
    return {attributes.width, attributes.height};
}

// Puts the window's corner at the screen's corner, so that all of it is on the screen, and gives
// it the keyboard focus, as a window manager would.
void placeAndFocus(Display* display, Window window)
{
    XMoveWindow(display, window, 0, 0);
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    XSync(display, False);
}

// The window's pixels; an empty picture when the window cannot be read.
Image captureWindow(Display* display, Window window)
{
    Image image;
    const WindowSize size = windowSize(display, window);
    if (size.width == 0 || size.height == 0)
        return image;
    XImage* pixels = XGetImage(display, window, 0, 0, static_cast<unsigned>(size.width),
                               static_cast<unsigned>(size.height), AllPlanes, ZPixmap);
    XSync(display, False);
    if (takeXError() != 0 || pixels == nullptr) {
        if (pixels != nullptr)
            XDestroyImage(pixels);
        return image;
    }
    image.width = size.width;
    image.height = size.height;
    image.pixels.resize(static_cast<std::size_t>(size.width) * size.height);
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            const unsigned long pixel = XGetPixel(pixels, x, y);
            image.pixels[static_cast<std::size_t>(y) * size.width + x] = {
                channel(pixel, pixels->red_mask), channel(pixel, pixels->green_mask),
                channel(pixel, pixels->blue_mask)};
        }
    }
    XDestroyImage(pixels);
    return image;
}
