// The console help and the command line it reports.
#include "logic_fixture.h"

#include "app/command_line.h"
#include "app/help.h"
#include "console_capture.h"
#include "help_text.h"

#include <string>
#include <vector>

using ShellTest = LogicTest;

// The seventeen lines, tabs included, reach standard output without the caller flushing it.
TEST_F(ShellTest, HelpShowsTheDefaultFilesAndTheProgramPathAsGiven)
{
    app.programName = "/usr/local/bin/tesmorel";
    EXPECT_EQ(captureStdout(printHelp),
              expectedHelp("/usr/local/bin/tesmorel", "toon", "textures/crate.jpg", "textures/uffizi"));
}

// argv[0] is always taken; the positional arguments fill shader, 2D texture and cube map in that
// order, and a fourth one is ignored.
TEST_F(ShellTest, CommandLineTakesUpToThreePositionalArguments)
{
    struct Case {
        int argc;
        const char* shader;
        const char* texture2D;
        const char* cubeMap;
    };
    const Case cases[] = {
        {1, "toon", "textures/crate.jpg", "textures/uffizi"},
        {2, "glass", "textures/crate.jpg", "textures/uffizi"},
        {3, "glass", "img/wood.png", "textures/uffizi"},
        {4, "glass", "img/wood.png", "cubes/sky"},
        {5, "glass", "img/wood.png", "cubes/sky"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.argc);
        resetViewer();
        std::string words[] = {"bin/tesmorel", "glass", "img/wood.png", "cubes/sky", "extra"};
        std::vector<char*> argv;
        for (int i = 0; i < c.argc; ++i)
            argv.push_back(words[i].data());
        argv.push_back(nullptr);
        const AppState before = copyOf(app);

        takeCommandLine(c.argc, argv.data());

        EXPECT_STREQ(app.programName, "bin/tesmorel");
        EXPECT_STREQ(app.shaderName, c.shader);
        EXPECT_STREQ(app.texture2DPath, c.texture2D);
        EXPECT_STREQ(app.cubeMapBase, c.cubeMap);
        EXPECT_EQ(captureStdout(printHelp), expectedHelp("bin/tesmorel", c.shader, c.texture2D, c.cubeMap));

        // Only the four texts change.
        AppState expected = copyOf(app);
        expected.programName = before.programName;
        expected.shaderName = before.shaderName;
        expected.texture2DPath = before.texture2DPath;
        expected.cubeMapBase = before.cubeMapBase;
        EXPECT_TRUE(sameBytes(expected, before));
    }
}

// An empty argument is an empty value, not a missing one: its help line ends after "= ".
TEST_F(ShellTest, EmptyArgumentsAreTakenAsEmptyValues)
{
    std::string words[] = {"tesmorel", "", "", "cubes/sky"};
    char* argv[] = {words[0].data(), words[1].data(), words[2].data(), words[3].data(), nullptr};
    takeCommandLine(4, argv);

    EXPECT_STREQ(app.shaderName, "");
    EXPECT_STREQ(app.texture2DPath, "");
    const std::string help = captureStdout(printHelp);
    EXPECT_EQ(help, expectedHelp("tesmorel", "", "", "cubes/sky"));
    EXPECT_NE(help.find("\tshader = \n\t2d_texture = \n"), std::string::npos);
}
