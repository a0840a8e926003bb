// Mouse navigation with real drags: each drag starts in the middle of the 640 by 480 window, and
// the sphere's size and the light marker's place afterwards are checked against the view that the
// drag should have made. A drag across the whole width or height turns by 50 degrees; a vertical
// middle drag scales the distance by (1 - the upward share of the height).
#include "scene_checks.h"
#include "viewer_test.h"

namespace {
// The X buttons: 1 left, 2 middle, 3 right.
constexpr int LEFT = 1;
constexpr int MIDDLE = 2;
constexpr int RIGHT = 3;

// When a modifier key is held: not at all, from before the press to just after it (released
// before the pointer moves), or from just after the press to the end of the drag.
enum class Modifier { None, AtPress, AfterPress };

// One drag from the middle of the window by (dx, dy) pixels, y growing downwards.
struct Drag {
    int button;
    int dx;
    int dy;
    Modifier when = Modifier::None;
    const char* key = "ctrl";
};

struct DragCase {
    const char* name;
    std::vector<Drag> drags;
    ViewState expected;
};

// Names the case in test output.
void PrintTo(const DragCase& c, std::ostream* out)
{
    *out << c.name;
}

// The start view with some fields changed.
ViewState view(double cameraDistance, double cameraPitch, double cameraYaw, double lightDistance,
               double lightYaw, double lightPitch)
{
    return {cameraDistance, cameraPitch, cameraYaw, lightDistance, lightYaw, lightPitch};
}

class MouseTest : public ViewerTest, public ::testing::WithParamInterface<DragCase> {
protected:
    // The xdotool steps of one drag.
    std::vector<std::string> dragSteps(const Drag& drag) const
    {
        const std::string button = std::to_string(drag.button);
        const int x = START_WIDTH / 2;
        const int y = START_HEIGHT / 2;
        std::vector<std::string> steps = {"mousemove", "--window", windowId(), std::to_string(x), std::to_string(y)};
        const std::vector<std::string> motion = {"mousemove", "--window", windowId(), std::to_string(x + drag.dx),
                                                 std::to_string(y + drag.dy)};
        const auto add = [&steps](const std::vector<std::string>& more) {
            steps.insert(steps.end(), more.begin(), more.end());
        };
        switch (drag.when) {
        case Modifier::None:
            add({"mousedown", button});
            add(motion);
            add({"mouseup", button});
            break;
        case Modifier::AtPress:
            add({"keydown", drag.key, "mousedown", button, "keyup", drag.key});
            add(motion);
            add({"mouseup", button});
            break;
        case Modifier::AfterPress:
            add({"mousedown", button, "keydown", drag.key});
            add(motion);
            add({"mouseup", button, "keyup", drag.key});
            break;
        }
        return steps;
    }
};

// A drag sets the camera or the light as its button and the modifiers held at the press say; the
// picture shows the sphere and the marker where that view puts them.
TEST_P(MouseTest, DragMovesTheView)
{
    const ViewState& expected = GetParam().expected;
    ASSERT_TRUE(markerInsideWindow(START_VIEW, START_WIDTH, START_HEIGHT));
    ASSERT_TRUE(markerInsideWindow(expected, START_WIDTH, START_HEIGHT)) << "the case's marker is off the window";

    ASSERT_NO_FATAL_FAILURE(startViewer({FLAT_SHADER}));
    ASSERT_NO_FATAL_FAILURE(pressKeys({"c", "c"}));
    std::string why;
    ASSERT_TRUE(waitForPicture([&](const Image& image) {
        return showsSphere(image, START_VIEW.cameraDistance, &why) && showsMarkerAt(image, START_VIEW, &why);
    })) << why;
    ASSERT_EQ(lastShot_.width, START_WIDTH);
    ASSERT_EQ(lastShot_.height, START_HEIGHT);
    keepShot(lastShot_, "before");

    for (const Drag& drag : GetParam().drags)
        ASSERT_NO_FATAL_FAILURE(input(dragSteps(drag)));

    std::string sphere;
    std::string marker;
    EXPECT_TRUE(waitForPicture([&](const Image& image) {
        const bool sphereShown = showsSphere(image, expected.cameraDistance, &sphere);
        return showsMarkerAt(image, expected, &marker) && sphereShown;
    })) << sphere << "\n" << marker;
    keepShot(lastShot_, "after");
}

INSTANTIATE_TEST_SUITE_P(
    Drags, MouseTest,
    ::testing::Values(
        // 128 of 640 pixels right and 96 of 480 up: a fifth of each, 10 degrees.
        DragCase{"LeftTurnsCamera", {{LEFT, 128, -96}}, view(20, 10, 10, 10, 0, 180)},
        DragCase{"RightTurnsLight", {{RIGHT, 128, -96}}, view(20, 20, 0, 10, 10, 190)},
        // 48 pixels up: a tenth of the height, so the distance shrinks by a tenth.
        DragCase{"MiddleUpZoomsIn", {{MIDDLE, 0, -48}}, view(18, 20, 0, 10, 0, 180)},
        DragCase{"MiddleDownZoomsOut", {{MIDDLE, 0, 48}}, view(22, 20, 0, 10, 0, 180)},
        // Ctrl is read at the press, so releasing it before the motion still moves the light.
        DragCase{"CtrlAtPressMovesLight", {{MIDDLE, 0, -96, Modifier::AtPress}}, view(20, 20, 0, 8, 0, 180)},
        DragCase{"CtrlAfterPressZooms", {{MIDDLE, 0, -48, Modifier::AfterPress}}, view(18, 20, 0, 10, 0, 180)},
        // Shift with the left button has no action; the zoom after it shows the drag was taken.
        DragCase{"ShiftLeftDoesNothing",
                 {{LEFT, 128, -96, Modifier::AtPress, "shift"}, {MIDDLE, 0, -24}},
                 view(19, 20, 0, 10, 0, 180)},
        // Two drags add up: right 64 and down 48, then left 128 and up 96.
        DragCase{"LeftDragsAddUp", {{LEFT, 64, 48}, {LEFT, -128, -96}}, view(20, 15, -5, 10, 0, 180)}),
    [](const ::testing::TestParamInfo<DragCase>& info) { return std::string(info.param.name); });
} // namespace
