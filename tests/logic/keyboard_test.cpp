// The character and special keys: quit, next object, help, outlines, shader rebuild, and every
// other code doing nothing at all.
#include "logic_fixture.h"

#include "console_capture.h"
#include "help_text.h"
#include "input/input.h"

#include <GL/freeglut.h>

#include <climits>
#include <iterator>
#include <set>

namespace {
constexpr char ESCAPE = 27;

// The character codes that have an action.
const std::set<int> ACTION_KEYS = {ESCAPE, 'Q', 'q', 'C', 'c', 'H', 'h', 'W', 'w'};

// The program path the help is to show.
const char* const PROGRAM_PATH = "./build/tesmorel";

// The help as it reads with the default files.
std::string defaultHelp()
{
    return expectedHelp(PROGRAM_PATH, "toon", "textures/crate.jpg", "textures/uffizi");
}
} // namespace

class KeyTest : public LogicTest {
protected:
    // The viewer's starting record, with a program path for the help.
    void SetUp() override
    {
        LogicTest::SetUp();
        app.programName = PROGRAM_PATH;
    }

    // No frame asked for, no modifier read and no rebuild: the key handlers call nothing of GLUT.
    void expectNoCallsOut()
    {
        EXPECT_EQ(standIn.redisplayRequests, 0);
        EXPECT_EQ(standIn.modifierReads, 0);
        EXPECT_EQ(standIn.shaderBuilds, 0);
    }
};

using KeyDeathTest = KeyTest;

// The quit keys end the process from inside the handler.
TEST_F(KeyDeathTest, EscapeAndBothQsEndTheProcessWithStatusZero)
{
    for (char key : {ESCAPE, 'Q', 'q'}) {
        SCOPED_TRACE(static_cast<int>(key));
        EXPECT_EXIT(onKey(static_cast<unsigned char>(key), 10, 20), testing::ExitedWithCode(0), "");
    }
}

// Both cases advance the same counter: teapot, cube, sphere, teapot again.
TEST_F(KeyTest, CAndLowerCaseCCycleTheObjectsAndChangeNothingElse)
{
    const unsigned char presses[] = {'C', 'C', 'C', 'c', 'c', 'C', 'c'};
    const int expectedIndex[] = {1, 2, 0, 1, 2, 0, 1};
    for (std::size_t i = 0; i < std::size(presses); ++i) {
        SCOPED_TRACE(i);
        AppState expected = copyOf(app);
        onKey(presses[i], 0, 0);
        expected.objectIndex = expectedIndex[i];
        EXPECT_TRUE(sameBytes(app, expected));
        EXPECT_EQ(app.objectIndex, expectedIndex[i]);
    }
    expectNoCallsOut();
}

// Both cases flip the same toggle.
TEST_F(KeyTest, WAndLowerCaseWToggleTheOutlines)
{
    const unsigned char presses[] = {'W', 'W', 'w', 'w', 'W'};
    const unsigned char expectedWireframe[] = {1, 0, 1, 0, 1};
    for (std::size_t i = 0; i < std::size(presses); ++i) {
        SCOPED_TRACE(i);
        AppState expected = copyOf(app);
        onKey(presses[i], 0, 0);
        expected.wireframe = expectedWireframe[i];
        EXPECT_TRUE(sameBytes(app, expected));
    }
    // Any nonzero value counts as on, so the next toggle turns the outlines off.
    app.wireframe = 7;
    onKey('w', 0, 0);
    EXPECT_EQ(app.wireframe, 0);
    expectNoCallsOut();
}

// Three keys, one help, with the values the record holds.
TEST_F(KeyTest, HLowerCaseHAndF1PrintTheSameHelpAndChangeNothing)
{
    const AppState before = copyOf(app);
    EXPECT_EQ(captureStdout([] { onKey('H', 0, 0); }), defaultHelp());
    EXPECT_EQ(captureStdout([] { onKey('h', 0, 0); }), defaultHelp());
    EXPECT_EQ(captureStdout([] { onSpecialKey(GLUT_KEY_F1, 0, 0); }), defaultHelp());
    EXPECT_TRUE(sameBytes(app, before));
    expectNoCallsOut();
}

// The rebuild runs inside the handler; the next idle call brings the frame.
TEST_F(KeyTest, F5RebuildsTheShaderProgramOnceAndAsksForNoFrame)
{
    const AppState before = copyOf(app);
    EXPECT_EQ(captureStdout([] { onSpecialKey(GLUT_KEY_F5, 0, 0); }), "");
    EXPECT_EQ(standIn.shaderBuilds, 1);
    EXPECT_EQ(standIn.redisplayRequests, 0);
    EXPECT_TRUE(sameBytes(app, before));
}

// Every other character code, the neighbours of the action keys and all codes above 127
// included, leaves the record byte for byte as it was, prints nothing and calls nothing.
TEST_F(KeyTest, EveryOtherCharacterCodeDoesNothing)
{
    const AppState before = copyOf(app);
    const std::string written = captureStdout([] {
        for (int code = 0; code <= UCHAR_MAX; ++code) {
            if (ACTION_KEYS.count(code) == 0)
                onKey(static_cast<unsigned char>(code), 0, 0);
        }
    });
    EXPECT_EQ(written, "");
    EXPECT_TRUE(sameBytes(app, before));
    expectNoCallsOut();
}

// Every special key but F1 and F5, the other function keys, the arrows and codes GLUT never
// sends included, does nothing.
TEST_F(KeyTest, EveryOtherSpecialKeyDoesNothing)
{
    const AppState before = copyOf(app);
    const std::string written = captureStdout([] {
        for (int code = -1; code <= 512; ++code) {
            if (code != GLUT_KEY_F1 && code != GLUT_KEY_F5)
                onSpecialKey(code, 0, 0);
        }
        for (int code : {INT_MIN, INT_MAX})
            onSpecialKey(code, 0, 0);
    });
    EXPECT_EQ(written, "");
    EXPECT_TRUE(sameBytes(app, before));
    expectNoCallsOut();
}
