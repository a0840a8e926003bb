// The keys: quitting, cycling the objects, outlines, help, and keys that do nothing.
#include "console_text.h"
#include "help_text.h"
#include "scene_checks.h"
#include "viewer_test.h"

namespace {
// Outlines cover less than this part of what the filled object covers.
constexpr double OUTLINE_MAX_SHARE = 0.5;
// The filled and the outlined object span the same box, give or take this many pixels.
constexpr int OUTLINE_BOX_TOLERANCE = 3;

using KeysTest = ViewerTest;

// True when two pictures differ.
auto differsFrom(const Image& reference)
{
    return [&reference](const Image& image) { return !samePicture(image, reference); };
}

// True when the picture is exactly the reference.
auto sameAs(const Image& reference)
{
    return [&reference](const Image& image) { return samePicture(image, reference); };
}

class QuitKeyTest : public ViewerTest, public ::testing::WithParamInterface<const char*> {};

// Esc, Q and q end the viewer at once with status 0, and nothing more is written.
TEST_P(QuitKeyTest, EndsWithStatusZero)
{
    ASSERT_NO_FATAL_FAILURE(startViewer({FLAT_SHADER}));
    const std::string output = viewer_->standardOutput();

    ASSERT_NO_FATAL_FAILURE(pressKeys({GetParam()}));
    const std::optional<int> status = viewer_->waitForExit(WAIT_SECONDS);
    ASSERT_TRUE(status.has_value()) << "the viewer " << viewer_->exitDescription();
    EXPECT_EQ(*status, 0);
    EXPECT_EQ(viewer_->standardError(), "");
    EXPECT_EQ(viewer_->standardOutput(), output);
}

INSTANTIATE_TEST_SUITE_P(Keys, QuitKeyTest, ::testing::Values("Escape", "Q", "q"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

// C and c step teapot, cube, sphere and back to the teapot; each is told apart by its outline.
TEST_F(KeysTest, CyclesTeapotCubeSphere)
{
    ASSERT_NO_FATAL_FAILURE(startViewer({FLAT_SHADER}));
    const Image teapot = shot();
    keepShot(teapot, "teapot");
    std::string why;
    EXPECT_FALSE(showsCube(teapot, START_VIEW, &why)) << why;
    EXPECT_FALSE(showsSphere(teapot, START_VIEW.cameraDistance, &why)) << why;
    const PixelRegion teapotOutline = findRegion(teapot, isFlatRed);
    EXPECT_GT(teapotOutline.width(), teapotOutline.height() * 3 / 2)
        << "the teapot is wider than tall: " << describe(teapotOutline);

    ASSERT_NO_FATAL_FAILURE(pressKeys({"C"}));
    ASSERT_TRUE(waitForPicture(differsFrom(teapot))) << "C changed nothing";
    const Image cube = lastShot_;
    keepShot(cube, "cube");
    EXPECT_TRUE(showsCube(cube, START_VIEW, &why)) << why;

    ASSERT_NO_FATAL_FAILURE(pressKeys({"c"}));
    ASSERT_TRUE(waitForPicture(differsFrom(cube))) << "c changed nothing";
    keepShot(lastShot_, "sphere");
    EXPECT_TRUE(showsSphere(lastShot_, START_VIEW.cameraDistance, &why)) << why;

    ASSERT_NO_FATAL_FAILURE(pressKeys({"C"}));
    EXPECT_TRUE(waitForPicture(sameAs(teapot))) << "the third C did not bring the teapot back";
}

// W and w switch the polygons to outlines and back to the same filled picture.
TEST_F(KeysTest, SwitchesOutlinesAndBack)
{
    ASSERT_NO_FATAL_FAILURE(startViewer({FLAT_SHADER}));
    const Image filled = shot();
    const PixelRegion solid = findRegion(filled, isFlatRed);

    ASSERT_NO_FATAL_FAILURE(pressKeys({"W"}));
    ASSERT_TRUE(waitForPicture(differsFrom(filled))) << "W changed nothing";
    keepShot(lastShot_, "outlines");
    const PixelRegion outlined = findRegion(lastShot_, isFlatRed);
    EXPECT_GT(outlined.count, 0);
    EXPECT_LT(outlined.count, solid.count * OUTLINE_MAX_SHARE) << describe(outlined) << " against " << describe(solid);
    EXPECT_NEAR(outlined.left, solid.left, OUTLINE_BOX_TOLERANCE);
    EXPECT_NEAR(outlined.right, solid.right, OUTLINE_BOX_TOLERANCE);
    EXPECT_NEAR(outlined.top, solid.top, OUTLINE_BOX_TOLERANCE);
    EXPECT_NEAR(outlined.bottom, solid.bottom, OUTLINE_BOX_TOLERANCE);

    ASSERT_NO_FATAL_FAILURE(pressKeys({"w"}));
    EXPECT_TRUE(waitForPicture(sameAs(filled))) << "w did not bring the filled picture back";
}

// H, h and F1 each print the same seventeen help lines again, with the values from the start.
TEST_F(KeysTest, HelpKeysPrintTheHelpAgain)
{
    ASSERT_NO_FATAL_FAILURE(startViewer({FLAT_SHADER}));
    std::vector<std::string> expected = helpLines(TESMOREL_EXECUTABLE, FLAT_SHADER, "textures/crate.jpg", "textures/uffizi");
    expected.insert(expected.end(), CLEAN_REPORT.begin(), CLEAN_REPORT.end());
    ASSERT_EQ(viewer_->outputLines(), expected);
    const std::vector<std::string> help(expected.begin(), expected.begin() + HELP_LINE_COUNT);

    for (const char* key : {"H", "h", "F1"}) {
        ASSERT_NO_FATAL_FAILURE(pressKeys({key}));
        ASSERT_TRUE(waitForOutputLines(expected.size() + HELP_LINE_COUNT)) << key << " printed no help";
        expected.insert(expected.end(), help.begin(), help.end());
        EXPECT_EQ(viewer_->outputLines(), expected) << "after " << key;
    }
}

// Keys outside the two tables change nothing: after them, one c shows the filled cube, with
// nothing printed on the way.
TEST_F(KeysTest, OtherKeysChangeNothing)
{
    ASSERT_NO_FATAL_FAILURE(startViewer({FLAT_SHADER}));
    const Image teapot = shot();
    const std::string output = viewer_->standardOutput();

    ASSERT_NO_FATAL_FAILURE(pressKeys({"x", "1", "F2", "space", "Return", "F12", "c"}));
    ASSERT_TRUE(waitForPicture(differsFrom(teapot))) << "c changed nothing";
    keepShot(lastShot_, "cube");
    std::string why;
    EXPECT_TRUE(showsCube(lastShot_, START_VIEW, &why)) << why;
    EXPECT_EQ(viewer_->standardOutput(), output);
    EXPECT_TRUE(viewer_->running()) << viewer_->exitDescription();
}
} // namespace
