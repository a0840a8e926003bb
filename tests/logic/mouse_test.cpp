// Mouse navigation: the drag code built at button events, the four drag actions it selects, the
// pointer normalised to the drawing area, and pointer events while that area has no size.
#include "logic_fixture.h"

#include "input/input.h"

#include <GL/freeglut.h>

#include <cmath>
#include <initializer_list>

namespace {
constexpr int SHIFT = GLUT_ACTIVE_SHIFT;
constexpr int CTRL = GLUT_ACTIVE_CTRL;
constexpr int ALT = GLUT_ACTIVE_ALT;

// Presses a button with the given modifiers held.
void press(int button, int x, int y, int modifiers = 0)
{
    standIn.modifierMask = modifiers;
    onMouseButton(button, GLUT_DOWN, x, y);
}

// Releases a button with the given modifiers held.
void release(int button, int x, int y, int modifiers = 0)
{
    standIn.modifierMask = modifiers;
    onMouseButton(button, GLUT_UP, x, y);
}

// The camera and light fields a drag can change.
struct Viewer {
    double cameraDistance, cameraPitch, cameraYaw, lightDistance, lightYaw, lightPitch;
};

// The viewer that main sets before the loop.
constexpr Viewer START_VIEWER = {20.0, 20.0, 0.0, 10.0, 0.0, 180.0};

// Checks the six camera and light fields against exact values.
void expectViewer(const Viewer& expected)
{
    EXPECT_EQ(app.cameraDistance, expected.cameraDistance);
    EXPECT_EQ(app.cameraPitch, expected.cameraPitch);
    EXPECT_EQ(app.cameraYaw, expected.cameraYaw);
    EXPECT_EQ(app.lightDistance, expected.lightDistance);
    EXPECT_EQ(app.lightYaw, expected.lightYaw);
    EXPECT_EQ(app.lightPitch, expected.lightPitch);
}

// Every double field of the record.
double AppState::*const DOUBLE_FIELDS[] = {
    &AppState::cameraDistance, &AppState::cameraPitch, &AppState::cameraYaw,
    &AppState::lightDistance,  &AppState::lightYaw,    &AppState::lightPitch,
    &AppState::mouseX,         &AppState::mouseY,      &AppState::prevMouseX,
    &AppState::prevMouseY,     &AppState::mouseDX,     &AppState::mouseDY,
};
} // namespace

using MouseTest = LogicTest;

// One press at the window's centre and one motion, on the 512 by 512 area, for every combination
// that has an action and for the ones that must have none.
TEST_F(MouseTest, DragFromCentreActsOnlyForItsExactButtonAndModifiers)
{
    struct Case {
        const char* name;
        int button;
        int modifiers;
        int toX, toY;
        Viewer expected;
    };
    const Case cases[] = {
        {"left orbits the camera", GLUT_LEFT_BUTTON, 0, 384, 128, {20.0, 7.5, 12.5, 10.0, 0.0, 180.0}},
        {"middle zooms the camera", GLUT_MIDDLE_BUTTON, 0, 256, 128, {15.0, 20.0, 0.0, 10.0, 0.0, 180.0}},
        {"ctrl+middle moves the light", GLUT_MIDDLE_BUTTON, CTRL, 256, 128, {20.0, 20.0, 0.0, 7.5, 0.0, 180.0}},
        {"right turns the light", GLUT_RIGHT_BUTTON, 0, 384, 128, {20.0, 20.0, 0.0, 10.0, 12.5, 192.5}},
        {"shift+left", GLUT_LEFT_BUTTON, SHIFT, 384, 128, START_VIEWER},
        {"alt+left", GLUT_LEFT_BUTTON, ALT, 384, 128, START_VIEWER},
        {"ctrl+left", GLUT_LEFT_BUTTON, CTRL, 384, 128, START_VIEWER},
        {"shift+middle", GLUT_MIDDLE_BUTTON, SHIFT, 256, 128, START_VIEWER},
        {"alt+middle", GLUT_MIDDLE_BUTTON, ALT, 256, 128, START_VIEWER},
        {"ctrl+shift+middle", GLUT_MIDDLE_BUTTON, CTRL | SHIFT, 256, 128, START_VIEWER},
        {"ctrl+alt+middle", GLUT_MIDDLE_BUTTON, CTRL | ALT, 256, 128, START_VIEWER},
        {"ctrl+right", GLUT_RIGHT_BUTTON, CTRL, 384, 128, START_VIEWER},
        {"shift+right", GLUT_RIGHT_BUTTON, SHIFT, 384, 128, START_VIEWER},
        {"alt+right", GLUT_RIGHT_BUTTON, ALT, 384, 128, START_VIEWER},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetViewer();
        press(c.button, 256, 256, c.modifiers);
        onMouseDrag(c.toX, c.toY);

        expectViewer(c.expected);
        EXPECT_EQ(app.prevMouseX, 0.5);
        EXPECT_EQ(app.prevMouseY, 0.5);
        EXPECT_EQ(app.mouseX, c.toX / 512.0);
        EXPECT_EQ(app.mouseY, (512 - c.toY) / 512.0);
        EXPECT_EQ(app.mouseDX, app.mouseX - 0.5);
        EXPECT_EQ(app.mouseDY, app.mouseY - 0.5);
        // The press and the motion each ask for a frame, whether or not the drag acted.
        EXPECT_EQ(standIn.redisplayRequests, 2);
        // Only the press reads the modifiers.
        EXPECT_EQ(standIn.modifierReads, 1);
    }
}

// The drag code holds what the latest button event saw: Ctrl pressed during a middle drag does
// not turn the zoom into a light move.
TEST_F(MouseTest, CtrlPressedAfterTheMiddleButtonStillZoomsTheCamera)
{
    press(GLUT_MIDDLE_BUTTON, 256, 256);
    standIn.modifierMask = CTRL;
    onMouseDrag(256, 128);
    expectViewer({15.0, 20.0, 0.0, 10.0, 0.0, 180.0});
    EXPECT_EQ(app.ctrlDown, 0);
    EXPECT_EQ(app.dragState, 32);
}

// Two buttons make a code without an action; releasing one brings the other's action back, with
// the motion measured from the release position.
TEST_F(MouseTest, TwoButtonsHeldStopTheDragUntilOneIsReleased)
{
    press(GLUT_LEFT_BUTTON, 256, 256);
    press(GLUT_RIGHT_BUTTON, 256, 256);
    EXPECT_EQ(app.dragState, 80);
    onMouseDrag(384, 128);
    onMouseDrag(400, 100);
    expectViewer(START_VIEWER);
    EXPECT_EQ(standIn.redisplayRequests, 4);

    release(GLUT_RIGHT_BUTTON, 384, 128);
    EXPECT_EQ(app.dragState, 16);
    onMouseDrag(512, 0);
    expectViewer({20.0, 7.5, 12.5, 10.0, 0.0, 180.0});
}

// Each flag and modifier goes into its own bit; the modifier flags are 0 or 1 whatever GLUT's
// mask values are, and button events of one button keep the other buttons' flags.
TEST_F(MouseTest, EveryButtonEventRebuildsTheDragCodeBitByBit)
{
    struct Step {
        int button, state, modifiers;
        int left, middle, right, shift, ctrl, alt, dragState;
    };
    const Step steps[] = {
        {GLUT_LEFT_BUTTON, GLUT_DOWN, SHIFT, 1, 0, 0, 1, 0, 0, 17},
        {GLUT_MIDDLE_BUTTON, GLUT_DOWN, CTRL, 1, 1, 0, 0, 1, 0, 50},
        {GLUT_RIGHT_BUTTON, GLUT_DOWN, ALT, 1, 1, 1, 0, 0, 1, 116},
        {GLUT_RIGHT_BUTTON, GLUT_DOWN, SHIFT | CTRL | ALT, 1, 1, 1, 1, 1, 1, 119},
        {GLUT_MIDDLE_BUTTON, GLUT_UP, SHIFT | CTRL | ALT, 1, 0, 1, 1, 1, 1, 87},
        {GLUT_LEFT_BUTTON, GLUT_UP, 0, 0, 0, 1, 0, 0, 0, 64},
        {GLUT_RIGHT_BUTTON, GLUT_UP, CTRL, 0, 0, 0, 0, 1, 0, 2},
        {GLUT_RIGHT_BUTTON, GLUT_UP, 0, 0, 0, 0, 0, 0, 0, 0},
    };
    int events = 0;
    for (const Step& s : steps) {
        SCOPED_TRACE(++events);
        standIn.modifierMask = s.modifiers;
        onMouseButton(s.button, s.state, 100, 100);
        EXPECT_EQ(app.leftDown, s.left);
        EXPECT_EQ(app.middleDown, s.middle);
        EXPECT_EQ(app.rightDown, s.right);
        EXPECT_EQ(app.shiftDown, s.shift);
        EXPECT_EQ(app.ctrlDown, s.ctrl);
        EXPECT_EQ(app.altDown, s.alt);
        EXPECT_EQ(app.dragState, s.dragState);
        EXPECT_EQ(standIn.modifierReads, events);
        EXPECT_EQ(standIn.redisplayRequests, events);
    }
}

// Wheel and extra buttons arrive with other numbers: they keep the button flags but still
// sample the modifiers, rebuild the code, store the pointer and ask for a frame.
TEST_F(MouseTest, OtherButtonNumbersKeepTheFlagsButDoEverythingElse)
{
    for (int button : {3, 4, 7, -1}) {
        for (int state : {GLUT_DOWN, GLUT_UP}) {
            SCOPED_TRACE(testing::Message() << "button " << button << " state " << state);
            resetViewer();
            press(GLUT_LEFT_BUTTON, 256, 256);
            AppState expected = copyOf(app);

            standIn.modifierMask = SHIFT | ALT;
            onMouseButton(button, state, 128, 384);

            expected.shiftDown = 1;
            expected.altDown = 1;
            expected.dragState = 16 + 1 + 4;
            expected.prevMouseX = 0.5;
            expected.prevMouseY = 0.5;
            expected.mouseX = 0.25;
            expected.mouseY = 0.25;
            EXPECT_TRUE(sameBytes(app, expected));
            EXPECT_EQ(app.leftDown, 1);
            EXPECT_EQ(app.dragState, 21);
            EXPECT_EQ(app.mouseX, 0.25);
            EXPECT_EQ(standIn.modifierReads, 2);
            EXPECT_EQ(standIn.redisplayRequests, 2);
        }
    }
}

// Passive motion follows the pointer and nothing else, even with a drag code left standing.
TEST_F(MouseTest, PassiveMotionChangesOnlyThePointerAndAsksForNoFrame)
{
    press(GLUT_LEFT_BUTTON, 256, 256);
    AppState expected = copyOf(app);
    const int redisplays = standIn.redisplayRequests;

    onMousePassive(384, 128);

    expected.prevMouseX = 0.5;
    expected.prevMouseY = 0.5;
    expected.mouseX = 0.75;
    expected.mouseY = 0.75;
    expected.mouseDX = 0.25;
    expected.mouseDY = 0.25;
    EXPECT_TRUE(sameBytes(app, expected));
    EXPECT_EQ(app.mouseDX, 0.25);
    EXPECT_EQ(app.mouseDY, 0.25);
    EXPECT_EQ(standIn.redisplayRequests, redisplays);
}

// x over the width, y flipped against the height, the difference taken in integers; nothing is
// clamped. A 640 by 480 area tells width and height apart.
TEST_F(MouseTest, PointerIsNormalisedToTheDrawingAreaWithoutClamping)
{
    onReshape(640, 480);
    struct Case {
        int x, y;
        double mouseX, mouseY;
    };
    const Case cases[] = {
        {0, 0, 0.0, 1.0},                       // left edge, top row
        {639, 479, 639.0 / 640, 1.0 / 480},     // right column, bottom row
        {320, 240, 0.5, 0.5},
        {0, 480, 0.0, 0.0},                     // just below the bottom row
        {960, 600, 1.5, -0.25},                 // beyond the right and bottom edges
        {-64, -240, -0.1, 1.5},                 // beyond the left and top edges
    };
    double previousX = app.mouseX;
    double previousY = app.mouseY;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.x << ", " << c.y << ")");
        onMousePassive(c.x, c.y);
        EXPECT_EQ(app.mouseX, c.mouseX);
        EXPECT_EQ(app.mouseY, c.mouseY);
        EXPECT_EQ(app.prevMouseX, previousX);
        EXPECT_EQ(app.prevMouseY, previousY);
        EXPECT_EQ(app.mouseDX, c.mouseX - previousX);
        EXPECT_EQ(app.mouseDY, c.mouseY - previousY);
        previousX = c.mouseX;
        previousY = c.mouseY;
    }
}

// The distances scale by (1 - mouseDY) without bound: a zoom by the whole height lands exactly on
// 0 and stays there; a pointer that leaves the area upwards takes the distance below 0.
TEST_F(MouseTest, ZoomByTheWholeHeightReachesZeroAndFartherGoesNegative)
{
    struct Case {
        const char* name;
        int modifiers;
        double AppState::*distance;
        double AppState::*other;
    };
    const Case cases[] = {
        {"camera", 0, &AppState::cameraDistance, &AppState::lightDistance},
        {"light", CTRL, &AppState::lightDistance, &AppState::cameraDistance},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetViewer();
        const double start = app.*c.distance;
        const double other = app.*c.other;

        press(GLUT_MIDDLE_BUTTON, 256, 512, c.modifiers); // mouseY 0
        onMouseDrag(256, 0);                             // mouseDY exactly 1
        EXPECT_EQ(app.mouseDY, 1.0);
        EXPECT_EQ(app.*c.distance, 0.0);
        onMouseDrag(256, 256); // down: would move away from a nonzero distance
        onMouseDrag(256, 128);
        EXPECT_EQ(app.*c.distance, 0.0);

        resetViewer();
        press(GLUT_MIDDLE_BUTTON, 256, 512, c.modifiers);
        onMouseDrag(256, -512); // mouseY 2, mouseDY 2
        EXPECT_EQ(app.*c.distance, -start);
        onMouseDrag(256, -256); // mouseDY -0.5: scaled by 1.5
        EXPECT_EQ(app.*c.distance, -1.5 * start);
        EXPECT_EQ(app.*c.other, other);
    }
}

// Eight drags across the whole area turn by 8 x 50 degrees, with nothing wrapped.
TEST_F(MouseTest, RepeatedDragsTakeTheAnglesPastAFullTurnBothWays)
{
    struct Case {
        const char* name;
        int button;
        int fromX, fromY, toX, toY;
        double AppState::*yaw;
        double AppState::*pitch;
        double yawAfter, pitchAfter;
    };
    const Case cases[] = {
        {"camera, right and up", GLUT_LEFT_BUTTON, 0, 512, 512, 0, &AppState::cameraYaw, &AppState::cameraPitch, 400.0, -380.0},
        {"camera, left and down", GLUT_LEFT_BUTTON, 512, 0, 0, 512, &AppState::cameraYaw, &AppState::cameraPitch, -400.0, 420.0},
        {"light, right and up", GLUT_RIGHT_BUTTON, 0, 512, 512, 0, &AppState::lightYaw, &AppState::lightPitch, 400.0, 580.0},
        {"light, left and down", GLUT_RIGHT_BUTTON, 512, 0, 0, 512, &AppState::lightYaw, &AppState::lightPitch, -400.0, -220.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetViewer();
        for (int drag = 0; drag < 8; ++drag) {
            press(c.button, c.fromX, c.fromY);
            onMouseDrag(c.toX, c.toY);
            release(c.button, c.toX, c.toY);
        }
        EXPECT_EQ(app.*c.yaw, c.yawAfter);
        EXPECT_EQ(app.*c.pitch, c.pitchAfter);
    }
}

// With no width or no height the pointer counts as not moved: no division by zero reaches a
// field, drags change nothing, the buttons and modifiers are still recorded, and everything works
// again once the area has a size.
TEST_F(MouseTest, EmptyDrawingAreaKeepsEveryFieldFiniteAndThePointerWhereItWas)
{
    struct Size {
        int width, height;
    };
    for (const Size size : {Size{0, 512}, Size{512, 0}, Size{0, 0}}) {
        SCOPED_TRACE(testing::Message() << size.width << " x " << size.height);
        resetViewer();
        press(GLUT_LEFT_BUTTON, 256, 256);
        onMouseDrag(384, 128);
        release(GLUT_LEFT_BUTTON, 384, 128);
        onReshape(size.width, size.height);
        const AppState before = copyOf(app);

        const auto expectPointerKept = [&](bool motion) {
            for (double AppState::*field : DOUBLE_FIELDS)
                EXPECT_TRUE(std::isfinite(app.*field));
            EXPECT_EQ(app.mouseX, before.mouseX);
            EXPECT_EQ(app.mouseY, before.mouseY);
            EXPECT_EQ(app.prevMouseX, before.mouseX);
            EXPECT_EQ(app.prevMouseY, before.mouseY);
            if (motion) {
                EXPECT_EQ(app.mouseDX, 0.0);
                EXPECT_EQ(app.mouseDY, 0.0);
            }
            EXPECT_EQ(app.cameraDistance, before.cameraDistance);
            EXPECT_EQ(app.cameraPitch, before.cameraPitch);
            EXPECT_EQ(app.cameraYaw, before.cameraYaw);
            EXPECT_EQ(app.lightDistance, before.lightDistance);
            EXPECT_EQ(app.lightYaw, before.lightYaw);
            EXPECT_EQ(app.lightPitch, before.lightPitch);
        };

        press(GLUT_LEFT_BUTTON, 100, 400, CTRL);
        expectPointerKept(false);
        EXPECT_EQ(app.leftDown, 1);
        EXPECT_EQ(app.ctrlDown, 1);
        EXPECT_EQ(app.dragState, 18);
        release(GLUT_LEFT_BUTTON, 100, 400);
        EXPECT_EQ(app.dragState, 0);

        for (int button : {GLUT_LEFT_BUTTON, GLUT_MIDDLE_BUTTON, GLUT_RIGHT_BUTTON}) {
            SCOPED_TRACE(testing::Message() << "button " << button);
            press(button, 10, 500, button == GLUT_MIDDLE_BUTTON ? CTRL : 0);
            expectPointerKept(false);
            onMouseDrag(700, -30);
            expectPointerKept(true);
            onMouseDrag(-5, 20);
            expectPointerKept(true);
            release(button, -5, 20);
        }
        onMousePassive(300, 900);
        expectPointerKept(true);

        onReshape(512, 512);
        press(GLUT_LEFT_BUTTON, 256, 256);
        onMouseDrag(384, 128);
        EXPECT_EQ(app.mouseX, 0.75);
        EXPECT_EQ(app.mouseY, 0.75);
        EXPECT_EQ(app.cameraYaw, 25.0);
        EXPECT_EQ(app.cameraPitch, -5.0);
    }
}
