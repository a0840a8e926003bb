// Window size: the projection follows the window's shape, down to a single pixel and back.
#include "scene_checks.h"
#include "viewer_test.h"

namespace {
// The sphere, round and centred, in a window of this size at the start view.
auto sphereInWindow(int width, int height, std::string* why)
{
    return [=](const Image& image) {
        return image.width == width && image.height == height
            && showsSphere(image, START_VIEW.cameraDistance, why);
    };
}

class ResizeSphereTest : public ViewerTest {
protected:
    // Starts the viewer on the flat pair and steps on to the sphere, round in the starting window.
    void startOnSphere()
    {
        ASSERT_NO_FATAL_FAILURE(startViewer({FLAT_SHADER}));
        ASSERT_NO_FATAL_FAILURE(pressKeys({"c", "c"}));
        ASSERT_TRUE(waitForPicture(sphereInWindow(START_WIDTH, START_HEIGHT, &why_))) << why_;
    }

    // Resizes the window as a user's window manager would.
    void resize(int width, int height)
    {
        input({"windowsize", windowId(), std::to_string(width), std::to_string(height)});
    }

    std::string why_;
};

// A wide and then a tall window keep the sphere round, of the size the window's height gives it,
// and in the middle of the window.
TEST_F(ResizeSphereTest, SphereStaysRoundAndCentred)
{
    ASSERT_NO_FATAL_FAILURE(startOnSphere());
    for (const auto& [width, height] : {std::pair{800, 400}, std::pair{400, 600}}) {
        ASSERT_NO_FATAL_FAILURE(resize(width, height));
        EXPECT_TRUE(waitForPicture(sphereInWindow(width, height, &why_))) << why_;
        keepShot(lastShot_, std::to_string(width) + "x" + std::to_string(height));
    }
}

// Shrunk to one pixel, the window shows the scene's middle; grown back, the same picture as before.
// (X has no windows of width or height 0, so a zero-sized drawing area cannot be made from here.)
TEST_F(ResizeSphereTest, TinyWindowAndBack)
{
    ASSERT_NO_FATAL_FAILURE(startOnSphere());
    const Image before = lastShot_;

    ASSERT_NO_FATAL_FAILURE(resize(1, 1));
    // Drawn in the old 640 by 480 viewport, the one pixel would be that picture's bottom-left
    // corner, background; in the new one it is the scene's middle, where the sphere is (and the
    // 10-pixel light marker, which covers the whole window now).
    EXPECT_TRUE(waitForPicture([](const Image& image) {
        return image.width == 1 && image.height == 1 && !isBackground(image.at(0, 0));
    })) << "the one pixel shows the background";

    ASSERT_NO_FATAL_FAILURE(resize(START_WIDTH, START_HEIGHT));
    EXPECT_TRUE(waitForPicture([&](const Image& image) { return samePicture(image, before); }))
        << "the picture at the starting size differs from the first one";
    EXPECT_TRUE(viewer_->running()) << viewer_->exitDescription();
}
} // namespace
