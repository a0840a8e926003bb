// Waiting for a window to show a settled picture on an X server, and reading it as the screen
// shows it.
#pragma once

#include "rgb_picture.h"
#include "x_server.h"

#include <chrono>
#include <functional>
#include <string>

// Waits until the window with the title on the server shows a picture that is not one flat colour
// and that two grabs in a row agree on; an empty picture when none came within the limit or while
// stillRunning held.
Image grabSettledWindow(const XServer& server, const std::string& title,
                        const std::function<bool()>& stillRunning, std::chrono::seconds limit);
