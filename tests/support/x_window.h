// The viewer's window as the X server sees it: found by its title, placed, focused and read back.
#pragma once

#include "rgb_picture.h"

#include <X11/Xlib.h>

#include <string>

// The first window below the root whose name is exactly the title; 0 if there is none.
Window findWindowByTitle(Display* display, const std::string& title);

// True when the window is mapped and viewable.
bool isViewable(Display* display, Window window);

// The window's size in pixels; 0 by 0 when it is gone.
struct WindowSize {
    int width = 0;
    int height = 0;
};
WindowSize windowSize(Display* display, Window window);

// Puts the window's corner at the screen's corner, so that all of it is on the screen, and gives
// it the keyboard focus, as a window manager would.
void placeAndFocus(Display* display, Window window);

// The window's pixels; an empty picture when the window cannot be read.
Image captureWindow(Display* display, Window window);
