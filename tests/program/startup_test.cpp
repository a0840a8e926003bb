// Start-up: the console text the viewer prints when it starts, its window, its first picture, and
// how it takes its command line.
#include "console_text.h"
#include "help_text.h"
#include "viewer_test.h"

#include <filesystem>

namespace {
constexpr const char* DISPLAY_PLACEHOLDER = "<display>";
constexpr const char* DEFAULT_SHADER = "toon";
constexpr const char* DEFAULT_TEXTURE = "textures/crate.jpg";
constexpr const char* DEFAULT_CUBE_MAP = "textures/uffizi";

using StartupTest = ViewerTest;

// Started as a user would from a directory with the default shaders and textures, the viewer prints
// the help, then one clean build report, opens its window and draws.
TEST_F(StartupTest, PrintsHelpThenCleanReportAndDraws)
{
    std::filesystem::create_symlink(TESMOREL_EXECUTABLE, scratch_.file("tesmorel"));
    ASSERT_NO_FATAL_FAILURE(startViewer({}, "./tesmorel"));

    std::vector<std::string> expected = helpLines("./tesmorel", DEFAULT_SHADER, DEFAULT_TEXTURE, DEFAULT_CUBE_MAP);
    expected.insert(expected.end(), CLEAN_REPORT.begin(), CLEAN_REPORT.end());
    EXPECT_EQ(viewer_->outputLines(), expected);
    EXPECT_EQ(viewer_->standardError(), "");

    const Image first = shot();
    keepShot(first, "start");
    EXPECT_TRUE(drawsInMiddle(first));
    const PixelRegion drawn = findRegion(first, [](Rgb p) { return !isBackground(p); });
    EXPECT_GT(drawn.count, first.width * first.height / 10) << describe(drawn);
    EXPECT_EQ(first.width, START_WIDTH);
    EXPECT_EQ(first.height, START_HEIGHT);
}

// One command line and the three values its help shows.
struct CommandLineCase {
    const char* name;
    std::vector<std::string> arguments;
    std::string shader;
    std::string texture2D;
    std::string cubeMap;
};

// Names the case in test output.
void PrintTo(const CommandLineCase& c, std::ostream* out)
{
    *out << c.name;
}

class CommandLineTest : public ViewerTest, public ::testing::WithParamInterface<CommandLineCase> {};

// The positional arguments fill shader, 2D texture and cube map in that order; GLUT's own options
// are taken out first and do not count.
TEST_P(CommandLineTest, HelpShowsTheValuesTaken)
{
    std::vector<std::string> arguments = GetParam().arguments;
    for (std::string& argument : arguments) {
        if (argument == DISPLAY_PLACEHOLDER)
            argument = x_.name();
    }
    ASSERT_NO_FATAL_FAILURE(launchViewer(arguments));
    ASSERT_TRUE(waitForOutputLines(HELP_LINE_COUNT)) << viewer_->standardOutput();

    std::vector<std::string> lines = viewer_->outputLines();
    lines.resize(HELP_LINE_COUNT);
    EXPECT_EQ(lines, helpLines(TESMOREL_EXECUTABLE, GetParam().shader, GetParam().texture2D, GetParam().cubeMap));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineTest,
    ::testing::Values(
        CommandLineCase{"None", {}, DEFAULT_SHADER, DEFAULT_TEXTURE, DEFAULT_CUBE_MAP},
        CommandLineCase{"ShaderOnly", {"flat"}, "flat", DEFAULT_TEXTURE, DEFAULT_CUBE_MAP},
        CommandLineCase{"ShaderAndTexture", {"flat", "textures/wood.png"}, "flat", "textures/wood.png",
                        DEFAULT_CUBE_MAP},
        CommandLineCase{"AllThree", {"flat", "textures/wood.png", "textures/sky"}, "flat", "textures/wood.png",
                        "textures/sky"},
        CommandLineCase{"FourthIgnored", {"flat", "textures/wood.png", "textures/sky", "fourth"}, "flat",
                        "textures/wood.png", "textures/sky"},
        CommandLineCase{"GeometryOptionNotCounted", {"-geometry", "300x200", "flat", "textures/wood.png"}, "flat",
                        "textures/wood.png", DEFAULT_CUBE_MAP},
        CommandLineCase{"DisplayOptionBetween", {"flat", "-display", DISPLAY_PLACEHOLDER, "textures/wood.png"},
                        "flat", "textures/wood.png", DEFAULT_CUBE_MAP},
        CommandLineCase{"EmptyShaderName", {""}, "", DEFAULT_TEXTURE, DEFAULT_CUBE_MAP}),
    [](const ::testing::TestParamInfo<CommandLineCase>& info) { return std::string(info.param.name); });
} // namespace
