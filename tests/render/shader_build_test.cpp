// The shader build on Mesa's real compiler: the report line by line for every way a build ends,
// what it leaves in app.program, and that no build leaves GL objects behind it.
#include "render_harness.h"

#include "app/app_state.h"
#include "resources/shader_program.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {
const std::string HEADER = "-Compiling-------------------------------------";
const std::string NO_EXTENSIONS = "GLSL or multitexture extensions not available";
const std::string FRAGMENT_OK = "Fragment shader Ok";
const std::string VERTEX_OK = "Vertex shader Ok";
const std::string LINK_OK = "Link Ok";
const std::string FRAGMENT_HEADING = "Compile log for fragment shader : ";
const std::string VERTEX_HEADING = "Compile log for vertex shader : ";
const std::string LINK_HEADING = "Compile log for link : ";

// Stand-ins in an expected report for the logs the GL wrote, taken from the objects themselves.
const std::string FRAGMENT_LOG = "<fragment log>";
const std::string VERTEX_LOG = "<vertex log>";
const std::string LINK_LOG = "<link log>";

const std::string GOOD_FRAGMENT = "void main() { gl_FragColor = vec4(0.2, 0.4, 0.6, 1.0); }\n";
const std::string GOOD_VERTEX = PLAIN_VERTEX_SHADER;

// Every shader and program object the builds create, in order, recorded around GLEW's real
// entry points.
std::vector<GLhandleARB> createdShaders;
std::vector<GLhandleARB> createdPrograms;
PFNGLCREATESHADEROBJECTARBPROC realCreateShader = nullptr;
PFNGLCREATEPROGRAMOBJECTARBPROC realCreateProgram = nullptr;

// glCreateShaderObjectARB, noting the new shader.
GLhandleARB GLAPIENTRY recordShader(GLenum type)
{
    const GLhandleARB shader = realCreateShader(type);
    createdShaders.push_back(shader);
    return shader;
}

// glCreateProgramObjectARB, noting the new program.
GLhandleARB GLAPIENTRY recordProgram()
{
    const GLhandleARB program = realCreateProgram();
    createdPrograms.push_back(program);
    return program;
}

// The object's info log as the GL holds it.
std::string infoLog(GLhandleARB object)
{
    GLint length = 0;
    glGetObjectParameterivARB(object, GL_OBJECT_INFO_LOG_LENGTH_ARB, &length);
    std::string log(static_cast<std::size_t>(std::max(length, 1)), '\0');
    GLsizei written = 0;
    glGetInfoLogARB(object, static_cast<GLsizei>(log.size()), &written, log.data());
    log.resize(static_cast<std::size_t>(written));
    return log;
}

// One parameter of a shader or program object (its status, its deletion flag).
GLint objectParameter(GLhandleARB object, GLenum name)
{
    GLint value = -1;
    glGetObjectParameterivARB(object, name, &value);
    return value;
}

// Whether the GL still knows the object at all (a deleted shader or program is gone).
bool objectExists(GLhandleARB object)
{
    return glIsShader(object) == GL_TRUE || glIsProgram(object) == GL_TRUE;
}

// Built before GLEW has looked at the GL: every extension flag is still false (and every entry
// point null), so the build says so and sets the program to 0. GLEW must not have been
// initialised in the process yet: this is the executable's first test (a shuffled or repeated run
// skips it).
using BuildBeforeGlewTest = GlTest;

TEST_F(BuildBeforeGlewTest, ReportsMissingExtensions)
{
    if (glCreateShaderObjectARB != nullptr)
        GTEST_SKIP() << "GLEW was initialised earlier in this process; run this test on its own";
    writeShaderPair("good", GOOD_VERTEX, GOOD_FRAGMENT);
    app.program = 1;
    app.shaderName = "good";
    EXPECT_EQ(splitLines(captureStdout(buildShaderProgram)),
              (std::vector<std::string>{HEADER, NO_EXTENSIONS}));
    EXPECT_EQ(app.program, 0u);
}

// Builds with GLEW initialised and the object-creating entry points recorded.
class ShaderBuildTest : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        if (HasFatalFailure())
            return;
        glewInit();
        createdShaders.clear();
        createdPrograms.clear();
        realCreateShader = glCreateShaderObjectARB;
        realCreateProgram = glCreateProgramObjectARB;
        shaderSpy_.emplace(__glewCreateShaderObjectARB, recordShader);
        programSpy_.emplace(__glewCreateProgramObjectARB, recordProgram);
    }

    void TearDown() override
    {
        shaderSpy_.reset();
        programSpy_.reset();
    }

    // Runs one build of the named pair and returns its report lines.
    std::vector<std::string> build(const std::string& name)
    {
        const std::string keptName = name;
        app.shaderName = keptName.c_str();
        const std::vector<std::string> lines = splitLines(captureStdout(buildShaderProgram));
        app.shaderName = nullptr;
        return lines;
    }

    // A complete build of a good pair, so that a later build has a program to keep or replace.
    GLhandleARB buildGoodProgram()
    {
        writeShaderPair("good", GOOD_VERTEX, GOOD_FRAGMENT);
        build("good");
        createdShaders.clear();
        createdPrograms.clear();
        return app.program;
    }

private:
    std::optional<GlewOverride<PFNGLCREATESHADEROBJECTARBPROC>> shaderSpy_;
    std::optional<GlewOverride<PFNGLCREATEPROGRAMOBJECTARBPROC>> programSpy_;
};

// The expected report with each log stand-in replaced by the lines of the log the GL holds.
std::vector<std::string> expandLogs(const std::vector<std::string>& expected)
{
    std::map<std::string, std::string> logs;
    if (createdShaders.size() >= 1)
        logs[FRAGMENT_LOG] = infoLog(createdShaders[0]);
    if (createdShaders.size() >= 2)
        logs[VERTEX_LOG] = infoLog(createdShaders[1]);
    if (!createdPrograms.empty())
        logs[LINK_LOG] = infoLog(createdPrograms[0]);
    std::vector<std::string> lines;
    for (const std::string& line : expected) {
        const auto log = logs.find(line);
        if (log == logs.end()) {
            lines.push_back(line);
            continue;
        }
        // A log is printed as text followed by a newline: an empty log leaves an empty line.
        const std::vector<std::string> logLines = splitLines(log->second);
        if (logLines.empty())
            lines.push_back("");
        lines.insert(lines.end(), logLines.begin(), logLines.end());
        if (!log->second.empty() && log->second.back() == '\n')
            lines.push_back("");
    }
    return lines;
}

// What a build leaves in app.program.
enum class Outcome {
    KEPT,             // the program of the build before
    LINKED,           // a new program whose link succeeded
    FAILED_TO_LINK,   // a new program whose link failed
};

// One way a build of a shader pair can end: the two files (none when missing), the report and
// the program.
struct BuildCase {
    const char* label;
    std::optional<std::string> fragment;
    std::optional<std::string> vertex;
    std::vector<std::string> report;
    Outcome outcome;
};

// Names the case in test output.
std::ostream& operator<<(std::ostream& out, const BuildCase& buildCase)
{
    return out << buildCase.label;
}

// A fragment shader padded with a comment to the given size, whose last byte is its closing brace.
std::string fragmentOfSize(std::size_t size)
{
    const std::string body = "\nvoid main() { gl_FragColor = vec4(1.0); }";
    return "//" + std::string(size - 2 - body.size(), 'x') + body;
}

const std::vector<BuildCase> BUILD_CASES = {
    {"clean_pair", GOOD_FRAGMENT, GOOD_VERTEX, {HEADER, FRAGMENT_OK, VERTEX_OK, LINK_OK}, Outcome::LINKED},
    {"missing_fragment_file", std::nullopt, GOOD_VERTEX,
     {HEADER, "Could not open shaders/case.fs for reading"}, Outcome::KEPT},
    {"missing_vertex_file", GOOD_FRAGMENT, std::nullopt,
     {HEADER, FRAGMENT_OK, "Could not open shaders/case.vs for reading"}, Outcome::KEPT},
    {"fragment_syntax_error", "void main() { gl_FragColor = vec4(1.0) }\n", GOOD_VERTEX,
     {HEADER, FRAGMENT_HEADING, FRAGMENT_LOG, VERTEX_OK, LINK_HEADING, LINK_LOG}, Outcome::FAILED_TO_LINK},
    {"vertex_syntax_error", GOOD_FRAGMENT, "void main() { gl_Position = ; }\n",
     {HEADER, FRAGMENT_OK, VERTEX_HEADING, VERTEX_LOG, LINK_HEADING, LINK_LOG}, Outcome::FAILED_TO_LINK},
    {"link_error_only", GOOD_FRAGMENT, "void helper() {}\n",
     {HEADER, FRAGMENT_OK, VERTEX_OK, LINK_HEADING, LINK_LOG}, Outcome::FAILED_TO_LINK},
    {"compile_with_remarks", "#extension GL_TESMOREL_unknown : warn\n" + GOOD_FRAGMENT, GOOD_VERTEX,
     {HEADER, FRAGMENT_HEADING, FRAGMENT_LOG, VERTEX_OK, LINK_OK}, Outcome::LINKED},
    {"empty_fragment_file", std::string(), GOOD_VERTEX,
     {HEADER, FRAGMENT_HEADING, FRAGMENT_LOG, VERTEX_OK, LINK_HEADING, LINK_LOG}, Outcome::FAILED_TO_LINK},
    // The source buffer holds SOURCE_BUFFER_SIZE bytes: a file of that size is used whole (its
    // last byte closes main), and of a longer file the bytes past it are dropped, wanted or not.
    {"file_of_buffer_size", fragmentOfSize(SOURCE_BUFFER_SIZE), GOOD_VERTEX,
     {HEADER, FRAGMENT_OK, VERTEX_OK, LINK_OK}, Outcome::LINKED},
    {"stray_byte_past_buffer", fragmentOfSize(SOURCE_BUFFER_SIZE) + "}", GOOD_VERTEX,
     {HEADER, FRAGMENT_OK, VERTEX_OK, LINK_OK}, Outcome::LINKED},
    {"needed_byte_past_buffer", fragmentOfSize(SOURCE_BUFFER_SIZE + 1), GOOD_VERTEX,
     {HEADER, FRAGMENT_HEADING, FRAGMENT_LOG, VERTEX_OK, LINK_HEADING, LINK_LOG}, Outcome::FAILED_TO_LINK},
};

class BuildEndingTest : public ShaderBuildTest, public ::testing::WithParamInterface<BuildCase> {};

// Each ending prints its exact report, keeps or replaces the program as it should, and frees
// what it no longer needs: the replaced program, and the shaders once nothing holds them.
TEST_P(BuildEndingTest, ReportsAndStoresTheProgram)
{
    const BuildCase& buildCase = GetParam();
    const GLhandleARB before = buildGoodProgram();
    ASSERT_NE(before, 0u);

    std::filesystem::remove("shaders/case.fs");
    std::filesystem::remove("shaders/case.vs");
    if (buildCase.fragment)
        writeTextFile("shaders/case.fs", *buildCase.fragment);
    if (buildCase.vertex)
        writeTextFile("shaders/case.vs", *buildCase.vertex);

    const std::vector<std::string> report = build("case");
    EXPECT_EQ(report, expandLogs(buildCase.report));

    if (buildCase.outcome == Outcome::KEPT) {
        EXPECT_EQ(app.program, before);
        EXPECT_TRUE(glIsProgram(before));
        EXPECT_TRUE(createdPrograms.empty());
        // A fragment shader compiled for a build that ended at the vertex file is freed at once.
        for (GLhandleARB shader : createdShaders)
            EXPECT_FALSE(objectExists(shader)) << "shader " << shader << " left behind";
        return;
    }

    ASSERT_EQ(createdPrograms.size(), 1u);
    ASSERT_EQ(createdShaders.size(), 2u);
    EXPECT_EQ(app.program, createdPrograms[0]);
    EXPECT_EQ(objectParameter(app.program, GL_OBJECT_LINK_STATUS_ARB),
              buildCase.outcome == Outcome::LINKED ? GL_TRUE : GL_FALSE);
    EXPECT_FALSE(objectExists(before)) << "the replaced program " << before << " was not deleted";
    for (GLhandleARB shader : createdShaders) {
        EXPECT_TRUE(objectExists(shader)) << "shader " << shader << " gone while attached";
        EXPECT_EQ(objectParameter(shader, GL_OBJECT_DELETE_STATUS_ARB), GL_TRUE)
            << "shader " << shader << " not flagged for deletion";
    }
}

INSTANTIATE_TEST_SUITE_P(Endings, BuildEndingTest, ::testing::ValuesIn(BUILD_CASES),
                         [](const auto& info) { return std::string(info.param.label); });

// Rebuild after rebuild (F5 pressed again and again), only the latest program and its two shaders
// stay alive: what the GL holds does not grow with the number of builds.
TEST_F(ShaderBuildTest, RebuildsLeaveOnlyTheLatestObjects)
{
    constexpr int REBUILDS = 12;
    writeShaderPair("good", GOOD_VERTEX, GOOD_FRAGMENT);
    for (int round = 0; round < REBUILDS; ++round)
        ASSERT_EQ(build("good"), (std::vector<std::string>{HEADER, FRAGMENT_OK, VERTEX_OK, LINK_OK}));

    ASSERT_EQ(createdPrograms.size(), static_cast<std::size_t>(REBUILDS));
    ASSERT_EQ(createdShaders.size(), static_cast<std::size_t>(2 * REBUILDS));
    for (std::size_t i = 0; i + 1 < createdPrograms.size(); ++i)
        EXPECT_FALSE(objectExists(createdPrograms[i])) << "program of build " << i << " left behind";
    for (std::size_t i = 0; i + 2 < createdShaders.size(); ++i)
        EXPECT_FALSE(objectExists(createdShaders[i])) << "shader " << i << " left behind";
    EXPECT_EQ(app.program, createdPrograms.back());
    EXPECT_TRUE(glIsProgram(app.program));
    GLint attached = 0;
    glGetProgramiv(app.program, GL_ATTACHED_SHADERS, &attached);
    EXPECT_EQ(attached, 2);
}

// A driver that keeps its logs to itself: every info log comes back empty.
void GLAPIENTRY emptyInfoLog(GLhandleARB, GLsizei maxLength, GLsizei* length, GLcharARB* log)
{
    if (length != nullptr)
        *length = 0;
    if (log != nullptr && maxLength > 0)
        log[0] = '\0';
}

// A failed compile and a failed link whose logs are empty still print their headings, each with
// the empty log as an empty line; only a success with an empty log is "Ok".
TEST_F(ShaderBuildTest, FailureWithEmptyLogPrintsTheHeading)
{
    writeShaderPair("silent", GOOD_VERTEX, "void main() { gl_FragColor = vec4(1.0) }\n");
    const GlewOverride<PFNGLGETINFOLOGARBPROC> silentDriver(__glewGetInfoLogARB, emptyInfoLog);
    EXPECT_EQ(build("silent"),
              (std::vector<std::string>{HEADER, FRAGMENT_HEADING, "", VERTEX_OK, LINK_HEADING, ""}));
    ASSERT_EQ(createdShaders.size(), 2u);
    EXPECT_EQ(objectParameter(createdShaders[0], GL_OBJECT_COMPILE_STATUS_ARB), GL_FALSE);
    EXPECT_EQ(objectParameter(app.program, GL_OBJECT_LINK_STATUS_ARB), GL_FALSE);
}

// A shader name far longer than any fixed path buffer: the paths are built whole, both in the
// message for a file that cannot be opened and for a pair that is there (nested folders, since a
// single file name may not be that long).
TEST_F(ShaderBuildTest, VeryLongShaderNameKeepsTheWholePath)
{
    constexpr std::size_t NAME_LENGTH = 3000;
    const std::string flatName(NAME_LENGTH, 'n');
    EXPECT_EQ(build(flatName),
              (std::vector<std::string>{HEADER, "Could not open shaders/" + flatName + ".fs for reading"}));

    std::string nestedName;
    while (nestedName.size() < NAME_LENGTH)
        nestedName += std::string(99, 'd') + "/";
    nestedName += "pair";
    std::filesystem::create_directories("shaders/" + nestedName.substr(0, nestedName.rfind('/')));
    writeShaderPair(nestedName, GOOD_VERTEX, GOOD_FRAGMENT);
    EXPECT_EQ(build(nestedName), (std::vector<std::string>{HEADER, FRAGMENT_OK, VERTEX_OK, LINK_OK}));
    EXPECT_NE(app.program, 0u);
}

// Any one of the five extensions missing gives the same short report and sets the program to 0,
// creating nothing.
class MissingExtensionTest : public ShaderBuildTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(MissingExtensionTest, ReportsAndClearsTheProgram)
{
    const std::map<std::string, GLboolean*> flags = {
        {"GL_ARB_shading_language_100", &__GLEW_ARB_shading_language_100},
        {"GL_ARB_fragment_shader", &__GLEW_ARB_fragment_shader},
        {"GL_ARB_shader_objects", &__GLEW_ARB_shader_objects},
        {"GL_ARB_vertex_shader", &__GLEW_ARB_vertex_shader},
        {"GL_ARB_multitexture", &__GLEW_ARB_multitexture},
    };
    ASSERT_NE(buildGoodProgram(), 0u);
    GLboolean& flag = *flags.at(GetParam());
    ASSERT_TRUE(flag) << GetParam() << " is missing on this GL itself";
    const GlewOverride<GLboolean> missing(flag, GL_FALSE);

    EXPECT_EQ(build("good"), (std::vector<std::string>{HEADER, NO_EXTENSIONS}));
    EXPECT_EQ(app.program, 0u);
    EXPECT_TRUE(createdShaders.empty());
    EXPECT_TRUE(createdPrograms.empty());
}

INSTANTIATE_TEST_SUITE_P(EachExtension, MissingExtensionTest,
                         ::testing::Values("GL_ARB_shading_language_100", "GL_ARB_fragment_shader",
                                           "GL_ARB_shader_objects", "GL_ARB_vertex_shader",
                                           "GL_ARB_multitexture"),
                         [](const auto& info) { return std::string(info.param).substr(3); });
} // namespace
