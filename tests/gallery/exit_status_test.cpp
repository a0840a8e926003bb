// tesmorel-render as a build check: its exit status and messages for clean, missing and broken
// shader pairs and for malformed command lines, run as a real process on a real GL.
#include "console_text.h"
#include "gallery_support.h"
#include "x_server.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace {
constexpr const char* FIXTURES = "../tests/gallery/fixtures/"; // relative to shaders/

// True when the path leads to a readable file.
bool fileExists(const std::string& path)
{
    return std::ifstream(path).good();
}

// One run: its arguments (an output path is added unless the case writes its own), whether the
// display is taken away, and what the run must give.
struct StatusCase {
    const char* name;
    std::vector<std::string> arguments;
    int exitStatus;
    std::string outContains;
    std::string errStartsWith;
    bool withoutDisplay = false;
};

// A case as test names and messages show it: its name.
std::ostream& operator<<(std::ostream& out, const StatusCase& entry)
{
    return out << entry.name;
}

// A fixture pair's shader name, which leads from shaders/ to tests/gallery/fixtures/.
std::string fixture(const char* pair)
{
    return std::string(FIXTURES) + pair;
}

const StatusCase STATUS_CASES[] = {
    {"CleanPairChecks", {"phong", "--check"}, 0, CLEAN_REPORT_TEXT, ""},
    {"CleanPairRenders", {"phong"}, 0, CLEAN_REPORT_TEXT, ""},
    {"MissingFragmentFile", {"no_such_pair", "--check"}, 1,
     "Could not open shaders/no_such_pair.fs for reading\n",
     "tesmorel-render: no program was built (a shader file could not be read)"},
    {"MissingVertexFile", {fixture("fragment_only"), "--check"}, 1,
     "Fragment shader Ok\nCould not open shaders/../tests/gallery/fixtures/fragment_only.vs for reading\n",
     "tesmorel-render: no program was built"},
    {"CompileError", {fixture("compile_error"), "--check"}, 1, "Compile log for fragment shader : \n",
     "tesmorel-render: a shader did not compile"},
    {"CompileErrorRendersNothing", {fixture("compile_error")}, 1, "Compile log for fragment shader : \n",
     "tesmorel-render: a shader did not compile; no picture written"},
    {"LinkErrorUnwrittenVarying", {fixture("unwritten_varying"), "--check"}, 1,
     "Vertex shader Ok\nCompile log for link : \n", "tesmorel-render: the program did not link"},
    {"LinkErrorNoMain", {fixture("no_main"), "--check"}, 1, "Vertex shader Ok\nCompile log for link : \n",
     "tesmorel-render: the program did not link"},
    {"LinkErrorRendersNothing", {fixture("no_main")}, 1, "Compile log for link : \n",
     "tesmorel-render: the program did not link; no picture written"},
    {"UnwritablePicture", {"phong", "-o", "/no/such/directory/out.png"}, 1, CLEAN_REPORT_TEXT,
     "tesmorel-render: cannot write /no/such/directory/out.png"},
    {"NoDisplay", {"phong", "--check"}, 1, "", "tesmorel-render: no X display (DISPLAY is not set)", true},
    {"UnknownOption", {"phong", "--colour", "red"}, 2, "",
     "tesmorel-render: unknown option '--colour'\nUsage: "},
    {"BadValue", {"--size", "big"}, 2, "",
     "tesmorel-render: bad value 'big' for option '--size': expected WxH\nUsage: "},
    {"Help", {"--help"}, 0, "  --check ", ""},
};

class ExitStatus : public ::testing::TestWithParam<StatusCase> {};

TEST_P(ExitStatus, GivesItsStatusAndMessage)
{
    const StatusCase& entry = GetParam();
    const std::string picture = scratchPicturePath(entry.name);
    std::vector<std::string> command = {RENDER_PROGRAM};
    command.insert(command.end(), entry.arguments.begin(), entry.arguments.end());
    const bool ownOutput = std::find(command.begin(), command.end(), "-o") != command.end();
    if (!ownOutput)
        command.insert(command.end(), {"-o", picture});

    const EnvironmentChange display = entry.withoutDisplay ? EnvironmentChange{"DISPLAY", "", true}
                                                           : EnvironmentChange{"DISPLAY", privateDisplay()};
    const ChildResult result = runChild(command, {display});

    EXPECT_EQ(result.exitStatus, entry.exitStatus) << result.out << result.err;
    EXPECT_NE(result.out.find(entry.outContains), std::string::npos) << result.out;
    EXPECT_EQ(result.err.rfind(entry.errStartsWith, 0), 0u) << result.err;
    // A picture exists exactly when a render succeeded.
    const bool rendered = entry.exitStatus == 0 && std::find(command.begin(), command.end(), "--check") == command.end()
        && std::find(command.begin(), command.end(), "--help") == command.end();
    EXPECT_EQ(fileExists(picture), rendered);
    std::remove(picture.c_str());
}

INSTANTIATE_TEST_SUITE_P(Renderer, ExitStatus, ::testing::ValuesIn(STATUS_CASES),
                         [](const ::testing::TestParamInfo<StatusCase>& info) { return info.param.name; });

// A clean report for a clean pair is exactly the four lines, and nothing else goes to either stream.
TEST(ExitStatus, CheckPrintsOnlyTheReport)
{
    const ChildResult result = runRenderer({"phong", "--check"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.out, CLEAN_REPORT_TEXT);
    EXPECT_EQ(result.err, "");
}

} // namespace
