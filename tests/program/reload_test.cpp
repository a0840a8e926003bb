// F5 and Time: the shader pair rebuilt from its files while the viewer runs, with its report, and
// the animation time the shaders are handed.
#include "console_text.h"
#include "scene_checks.h"
#include "viewer_test.h"

#include <algorithm>

namespace {
constexpr const char* FLAT_FRAGMENT = "shaders/flat.fs";
constexpr const char* FLAT_VERTEX = "shaders/flat.vs";
constexpr const char* FRAGMENT_LOG_HEADING = "Compile log for fragment shader : ";
constexpr const char* LINK_LOG_HEADING = "Compile log for link : ";
constexpr const char* VERTEX_OK = "Vertex shader Ok";

// A fragment stage that does not compile.
constexpr const char* BROKEN_FRAGMENT = "void main()\n{\n    gl_FragColor = vec4(1.0, 0.0;\n}\n";

// A pair whose colour follows Time: red, with green going up and round once per time unit.
constexpr const char* TIMED_SHADER = "timed";
constexpr const char* TIMED_FRAGMENT =
    "uniform float Time;\nvoid main()\n{\n    gl_FragColor = vec4(1.0, fract(Time), 0.0, 1.0);\n}\n";

using ReloadTest = ViewerTest;

// True when every object pixel in the picture is the flat green and none is red.
bool showsGreenObject(const Image& image)
{
    return findRegion(image, isFlatRed).count == 0 && findRegion(image, isFlatGreen).count > 0;
}

// The lines printed since a given line.
std::vector<std::string> linesFrom(const std::vector<std::string>& lines, std::size_t from)
{
    return std::vector<std::string>(lines.begin() + static_cast<long>(std::min(from, lines.size())), lines.end());
}

// After the fragment file is rewritten, F5 prints a fresh clean report and the next pictures use the
// new program: the red teapot turns green, outline unchanged.
TEST_F(ReloadTest, F5BuildsTheRewrittenShader)
{
    ASSERT_NO_FATAL_FAILURE(startViewer({FLAT_SHADER}));
    const PixelRegion red = findRegion(shot(), isFlatRed);
    const std::size_t before = viewer_->outputLines().size();

    ASSERT_TRUE(scratch_.write(FLAT_FRAGMENT, flatFragmentShader(FLAT_GREEN)));
    ASSERT_NO_FATAL_FAILURE(pressKeys({"F5"}));
    ASSERT_TRUE(waitForOutputLines(before + CLEAN_REPORT.size())) << viewer_->standardOutput();
    EXPECT_EQ(linesFrom(viewer_->outputLines(), before), CLEAN_REPORT);

    ASSERT_TRUE(waitForPicture(showsGreenObject)) << "the object did not turn green";
    keepShot(lastShot_, "green");
    const PixelRegion green = findRegion(lastShot_, isFlatGreen);
    EXPECT_NEAR(green.count, red.count, red.count / 100) << describe(green) << " against " << describe(red);
    EXPECT_EQ(green.left, red.left);
    EXPECT_EQ(green.right, red.right);
}

// F5 with a fragment stage that does not compile prints the fragment heading and the compiler's
// log, the vertex stage's report and the link heading with its log; the viewer goes on.
TEST_F(ReloadTest, F5ReportsABrokenShader)
{
    ASSERT_NO_FATAL_FAILURE(startViewer({FLAT_SHADER}));
    const std::size_t before = viewer_->outputLines().size();

    ASSERT_TRUE(scratch_.write(FLAT_FRAGMENT, BROKEN_FRAGMENT));
    ASSERT_NO_FATAL_FAILURE(pressKeys({"F5"}));
    // The link report comes last: its heading and the log after it.
    const bool reported = waitForOutput([before](const std::vector<std::string>& lines) {
        const std::vector<std::string> report = linesFrom(lines, before);
        const auto link = std::find(report.begin(), report.end(), LINK_LOG_HEADING);
        return link != report.end() && link + 1 != report.end();
    });
    const std::vector<std::string> report = linesFrom(viewer_->outputLines(), before);
    ASSERT_TRUE(reported) << joinLines(report);

    ASSERT_GE(report.size(), 6u) << joinLines(report);
    EXPECT_EQ(report[0], REPORT_HEADER);
    EXPECT_EQ(report[1], FRAGMENT_LOG_HEADING);
    EXPECT_NE(report[2], "") << "the fragment log is empty";
    const auto vertex = std::find(report.begin() + 2, report.end(), VERTEX_OK);
    const auto link = std::find(report.begin() + 2, report.end(), LINK_LOG_HEADING);
    EXPECT_TRUE(vertex != report.end() && vertex < link) << joinLines(report);
    EXPECT_NE(*(link + 1), "") << "the link log is empty";

    // The frames go on: the next object still shows.
    const Image afterBuild = shot();
    ASSERT_NO_FATAL_FAILURE(pressKeys({"c"}));
    EXPECT_TRUE(waitForPicture([&](const Image& image) { return !samePicture(image, afterBuild); }))
        << "no new picture after the failed build";
    EXPECT_TRUE(viewer_->running()) << viewer_->exitDescription();
}

// One shader file gone at F5: what the rebuild prints; the other file may have changed meanwhile.
struct MissingFileCase {
    const char* name;
    const char* removed;
    bool fragmentMadeGreen;
    std::vector<std::string> report;
};

// Names the case in test output.
void PrintTo(const MissingFileCase& c, std::ostream* out)
{
    *out << c.name;
}

class MissingShaderFileTest : public ViewerTest, public ::testing::WithParamInterface<MissingFileCase> {};

// A rebuild that cannot open a file names it and ends; the frames go on with the program of the
// last complete build: after one c the cube shows, still red.
TEST_P(MissingShaderFileTest, F5KeepsTheLastCompleteProgram)
{
    ASSERT_NO_FATAL_FAILURE(startViewer({FLAT_SHADER}));
    const Image teapot = shot();
    const std::size_t before = viewer_->outputLines().size();

    ASSERT_TRUE(scratch_.remove(GetParam().removed));
    if (GetParam().fragmentMadeGreen) {
        ASSERT_TRUE(scratch_.write(FLAT_FRAGMENT, flatFragmentShader(FLAT_GREEN)));
    }
    ASSERT_NO_FATAL_FAILURE(pressKeys({"F5"}));
    ASSERT_TRUE(waitForOutputLines(before + GetParam().report.size())) << viewer_->standardOutput();
    EXPECT_EQ(linesFrom(viewer_->outputLines(), before), GetParam().report);

    ASSERT_NO_FATAL_FAILURE(pressKeys({"c"}));
    ASSERT_TRUE(waitForPicture([&](const Image& image) { return !samePicture(image, teapot); }));
    keepShot(lastShot_, "after");
    std::string why;
    EXPECT_TRUE(showsCube(lastShot_, START_VIEW, &why)) << why;
    EXPECT_EQ(findRegion(lastShot_, isFlatGreen).count, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MissingShaderFileTest,
    ::testing::Values(
        MissingFileCase{"Fragment", FLAT_FRAGMENT, false,
                        {REPORT_HEADER, "Could not open shaders/flat.fs for reading"}},
        MissingFileCase{"Vertex", FLAT_VERTEX, true,
                        {REPORT_HEADER, "Fragment shader Ok", "Could not open shaders/flat.vs for reading"}}),
    [](const ::testing::TestParamInfo<MissingFileCase>& info) { return std::string(info.param.name); });

// The shaders get a time that moves on by itself: with nothing pressed, the colour it drives changes.
TEST_F(ReloadTest, TimeAnimates)
{
    ASSERT_TRUE(scratch_.write("shaders/timed.vs", flatVertexShader()));
    ASSERT_TRUE(scratch_.write("shaders/timed.fs", TIMED_FRAGMENT));
    ASSERT_NO_FATAL_FAILURE(startViewer({TIMED_SHADER}));
    const Image first = shot();
    const Rgb start = first.at(first.width / 2, first.height / 2);
    EXPECT_EQ(start.r, 255);

    ASSERT_TRUE(waitForPicture([&](const Image& image) {
        return image.at(image.width / 2, image.height / 2).g != start.g;
    })) << "the green driven by Time stayed at " << int(start.g);
    keepShot(lastShot_, "later");
    const Rgb later = lastShot_.at(lastShot_.width / 2, lastShot_.height / 2);
    EXPECT_EQ(later.r, 255);
    EXPECT_EQ(later.b, 0);
}
} // namespace
