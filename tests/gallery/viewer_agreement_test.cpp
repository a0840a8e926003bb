// The renderer's picture is the viewer's: build/tesmorel runs in a private Xvfb, its window is read
// back with XGetImage, and tesmorel-render draws the same pair at the window's size.
#include "gallery_support.h"
#include "picture_tolerance.h"
#include "rgb_picture.h"
#include "window_grab.h"
#include "x_server.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {
constexpr const char* VIEWER_WINDOW_TITLE = "Tesmorel";
constexpr int VIEWER_WINDOW_WIDTH = 640;
constexpr int VIEWER_WINDOW_HEIGHT = 480;
constexpr auto VIEWER_START_LIMIT = std::chrono::seconds(30);

// Pairs that do not read Time, so the viewer's frames stay the same while its clock runs.
class ViewerAgreement : public ::testing::TestWithParam<const char*> {};

TEST_P(ViewerAgreement, RendererDrawsTheViewersWindow)
{
    const char* pair = GetParam();
    const XServer& server = privateServer();
    const std::string& displayName = server.name();
    ASSERT_FALSE(displayName.empty()) << "Xvfb did not start: " << server.error();

    // The viewer on its own display, at its default camera and light, drawing the teapot.
    const std::string viewerLog = scratchPicturePath(std::string("viewer-log-") + pair);
    Image window;
    bool viewerRan = false;
    {
        BackgroundChild viewer({VIEWER_PROGRAM, pair}, {{"DISPLAY", displayName}}, viewerLog);
        window = grabSettledWindow(server, VIEWER_WINDOW_TITLE, [&viewer] { return viewer.running(); },
                                   VIEWER_START_LIMIT);
        viewerRan = viewer.running();
    }
    const std::string viewerOutput = readTextFile(viewerLog);
    std::remove(viewerLog.c_str());
    ASSERT_FALSE(window.empty()) << "the viewer's window showed no settled picture; the viewer "
                                 << (viewerRan ? "was still running" : "had ended") << ", its output:\n"
                                 << viewerOutput;
    // The window is the size the viewer asks for, and the size GLUT reports to its reshape handler.
    EXPECT_EQ(window.width, VIEWER_WINDOW_WIDTH);
    EXPECT_EQ(window.height, VIEWER_WINDOW_HEIGHT);

    const std::string picture = scratchPicturePath(std::string("viewer-") + pair);
    const ChildResult result = runRenderer(
        {pair, "--size", std::to_string(window.width) + "x" + std::to_string(window.height), "-o", picture});
    ASSERT_EQ(result.exitStatus, 0) << result.out << result.err;
    const Image rendered = readPicture(picture);
    std::remove(picture.c_str());

    const PictureDifference difference = comparePictures(rendered, window, PIXEL_TOLERANCE);
    ASSERT_TRUE(difference.sameSize);
    EXPECT_GE(difference.shareWithinTolerance, SHARE_WITHIN_TOLERANCE)
        << "largest difference " << difference.largestDifference;
    EXPECT_LE(difference.largestDifference, LARGEST_DIFFERENCE)
        << "share within tolerance " << difference.shareWithinTolerance;
}

INSTANTIATE_TEST_SUITE_P(Gallery, ViewerAgreement, ::testing::Values("phong", "reflect"));

} // namespace
