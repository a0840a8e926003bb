// The test fixture: an X server and a scratch directory of the test's own, the viewer started in
// them, and the means to look at its window, read its output and send it input.
#pragma once

#include "picture.h"
#include "scratch_dir.h"
#include "viewer_process.h"
#include "x_server.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// How long a test waits for a condition before it gives up, seconds.
constexpr double WAIT_SECONDS = 15.0;

// The viewer's window title.
constexpr const char* WINDOW_TITLE = "Tesmorel";

// The size the viewer asks for its window.
constexpr int START_WIDTH = 640;
constexpr int START_HEIGHT = 480;

// The flat shader pair's name, and its colour.
constexpr const char* FLAT_SHADER = "flat";
constexpr const char* FLAT_RED = "1.0, 0.0, 0.0";
constexpr const char* FLAT_GREEN = "0.0, 1.0, 0.0";

class ViewerTest : public ::testing::Test {
protected:
    // Starts the X server and makes the scratch directory with the repository's shaders, the flat
    // red pair and the default textures.
    void SetUp() override;
    // Saves the last picture when the test failed.
    void TearDown() override;

    // Starts the viewer and waits until its window is on the screen with a picture in its middle.
    void startViewer(const std::vector<std::string>& arguments, const std::string& invocation = TESMOREL_EXECUTABLE);
    // Starts the viewer and waits only until its window exists.
    void launchViewer(const std::vector<std::string>& arguments, const std::string& invocation = TESMOREL_EXECUTABLE);

    // The window's picture now.
    Image shot();
    // Takes pictures until one meets the condition; false at the time limit. The last picture
    // taken is in lastShot_.
    bool waitForPicture(const std::function<bool(const Image&)>& condition, double seconds = WAIT_SECONDS);
    // Waits until standard output has at least this many complete lines.
    bool waitForOutputLines(std::size_t count, double seconds = WAIT_SECONDS);
    // Waits until the complete lines of standard output meet the condition.
    bool waitForOutput(const std::function<bool(const std::vector<std::string>&)>& condition,
                       double seconds = WAIT_SECONDS);

    // Runs xdotool with these arguments against the test's display.
    void input(const std::vector<std::string>& arguments);
    // Presses and releases keys, given by their X key names, one after another.
    void pressKeys(const std::vector<std::string>& keys);
    // The window's id as xdotool takes it after --window.
    std::string windowId() const;

    // Saves a picture under a label in TESMOREL_SHOTS_DIR, when that is set, to look at.
    void keepShot(const Image& image, const std::string& label) const;

    XServer x_;
    ScratchDir scratch_;
    std::unique_ptr<ViewerProcess> viewer_;
    unsigned long window_ = 0;
    Image lastShot_;
};

// True when the middle of the picture holds something other than the background.
bool drawsInMiddle(const Image& image);

// The lines of a text from a given line on, as one text for failure messages.
std::string joinLines(const std::vector<std::string>& lines, std::size_t from = 0);
