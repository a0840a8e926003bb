// The animation clock of the idle handler and the drawing area the reshape handler records.
#include "logic_fixture.h"

#include "input/input.h"

#include <cmath>

namespace {
// One step of the clock as the viewer defines it: the sum in double precision, stored back in
// single precision.
float nextClock(float time)
{
    return static_cast<float>(static_cast<double>(time) + 0.01);
}

// The float at which adding 0.01 no longer changes the value.
constexpr float CLOCK_LIMIT = 262144.0f; // 2 to the power 18
} // namespace

using IdleTest = LogicTest;
using ReshapeTest = LogicTest;

// Every step rounds afresh, so 100 steps fall just short of 1 and 1000 just pass 10. A sum in
// single precision drifts from this as early as the fifth step.
TEST_F(IdleTest, TimeAccumulatesInSinglePrecisionAndAsksForAFrameEachCall)
{
    float expected = 0.0f;
    for (int call = 1; call <= 1000; ++call) {
        onIdle();
        expected = nextClock(expected);
        ASSERT_EQ(app.shaderTime, expected) << "after " << call << " calls";
        ASSERT_EQ(standIn.redisplayRequests, call);
        if (call == 100) {
            EXPECT_LT(app.shaderTime, 1.0f);
            EXPECT_GT(app.shaderTime, 0.9999f);
        }
    }
    EXPECT_GT(app.shaderTime, 10.0f);
    EXPECT_LT(app.shaderTime, 10.001f);
}

// Just below 2^18 a step still rounds up to it; from there a step is below half the spacing of
// floats and the value stays.
TEST_F(IdleTest, TimeStopsAtTwoToTheEighteenth)
{
    app.shaderTime = std::nextafter(CLOCK_LIMIT, 0.0f);
    onIdle();
    EXPECT_EQ(app.shaderTime, CLOCK_LIMIT);
    for (int i = 0; i < 1000; ++i)
        onIdle();
    EXPECT_EQ(app.shaderTime, CLOCK_LIMIT);
    EXPECT_EQ(standIn.redisplayRequests, 1001);
}

// The size is stored as GLUT gives it, zero and the size already stored included, and every
// reshape sets the viewport and asks for a frame.
TEST_F(ReshapeTest, StoresTheSizeSetsTheViewportAndAsksForAFrame)
{
    struct Size {
        int width, height;
    };
    const Size sizes[] = {{640, 480}, {640, 480}, {1, 1}, {0, 480}, {640, 0}, {0, 0}, {512, 512}, {4096, 2160}};
    int reshapes = 0;
    for (const Size& s : sizes) {
        SCOPED_TRACE(testing::Message() << s.width << " x " << s.height);
        AppState expected = copyOf(app);
        onReshape(s.width, s.height);
        ++reshapes;
        expected.windowWidth = s.width;
        expected.windowHeight = s.height;
        EXPECT_TRUE(sameBytes(app, expected));
        EXPECT_EQ(app.windowWidth, s.width);
        EXPECT_EQ(app.windowHeight, s.height);
        EXPECT_EQ(standIn.viewportX, 0);
        EXPECT_EQ(standIn.viewportY, 0);
        EXPECT_EQ(standIn.viewportWidth, s.width);
        EXPECT_EQ(standIn.viewportHeight, s.height);
        EXPECT_EQ(standIn.viewportCalls, reshapes);
        EXPECT_EQ(standIn.redisplayRequests, reshapes);
    }
}
