// Reading a window's pixels from an X server, as the screen shows them.
#pragma once

#include "rgb_picture.h"

#include <chrono>
#include <functional>
#include <string>

// Waits until the window with the title on the display shows a picture that is not one flat colour
// and that two grabs in a row agree on; an empty picture when none came within the limit or while
// stillRunning held.
RgbPicture grabSettledWindow(const std::string& displayName, const char* title,
                             const std::function<bool()>& stillRunning, std::chrono::seconds limit);
