// The shader program, built from the two files of the shader pair with a report on standard output.
#include "resources/shader_program.h"

#include "app/app_state.h"
#include "app/console.h"

#include <fstream>
#include <string>
#include <vector>

namespace {
constexpr const char* REPORT_HEADER = "-Compiling-------------------------------------";
constexpr const char* NO_EXTENSIONS = "GLSL or multitexture extensions not available";
constexpr const char* LINK_HEADING = "Compile log for link : ";
constexpr const char* LINK_OK = "Link Ok";

// One stage of the pair: its file extension, its GL type and the lines that report it.
struct ShaderStage {
    const char* extension;
    GLenum type;
    const char* logHeading;
    const char* okLine;
};

const ShaderStage FRAGMENT_STAGE = {
    ".fs", GL_FRAGMENT_SHADER_ARB, "Compile log for fragment shader : ", "Fragment shader Ok"};
const ShaderStage VERTEX_STAGE = {
    ".vs", GL_VERTEX_SHADER_ARB, "Compile log for vertex shader : ", "Vertex shader Ok"};

// The working storage of one build, released however the build ends.
struct BuildBuffers {
    std::vector<GLcharARB> source = std::vector<GLcharARB>(SOURCE_BUFFER_SIZE);
    std::vector<GLcharARB> log = std::vector<GLcharARB>(SOURCE_BUFFER_SIZE);
};

// True when GLEW found every extension the viewer's shaders and textures need.
bool shaderExtensionsAvailable()
{
    return GLEW_ARB_shading_language_100 && GLEW_ARB_fragment_shader && GLEW_ARB_shader_objects
        && GLEW_ARB_vertex_shader && GLEW_ARB_multitexture;
}

std::string shaderPath(const ShaderStage& stage)
{
    return std::string("shaders/") + app.shaderName + stage.extension;
}

// Reads at most SOURCE_BUFFER_SIZE bytes of the file into the source buffer; false when it
// cannot be opened.
bool readSource(const std::string& path, std::vector<GLcharARB>& source, GLint& length)
{
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open())
        return false;
    file.read(source.data(), static_cast<std::streamsize>(source.size()));
    length = static_cast<GLint>(file.gcount());
    return true;
}

// Prints the Ok line when the object's log is empty and its status says it succeeded, otherwise
// the heading and the log as it stands, empty or not.
void report(GLhandleARB object, GLenum statusName, const char* heading, const char* okLine,
            std::vector<GLcharARB>& log)
{
    GLsizei logLength = 0;
    glGetInfoLogARB(object, static_cast<GLsizei>(log.size()), &logLength, log.data());
    GLint status = GL_FALSE;
    glGetObjectParameterivARB(object, statusName, &status);
    if (logLength == 0 && status == GL_TRUE) {
        printLine(okLine);
        return;
    }
    printLine(heading);
    printLine(std::string(log.data(), static_cast<std::size_t>(logLength)));
}

// Reads and compiles one stage and reports it; 0 when its file cannot be opened.
GLhandleARB compileStage(const ShaderStage& stage, BuildBuffers& buffers)
{
    const std::string path = shaderPath(stage);
    GLint length = 0;
    if (!readSource(path, buffers.source, length)) {
        printLine("Could not open " + path + " for reading");
        return 0;
    }
    const GLhandleARB shader = glCreateShaderObjectARB(stage.type);
    const GLcharARB* text = buffers.source.data();
    glShaderSourceARB(shader, 1, &text, &length);
    glCompileShaderARB(shader);
    report(shader, GL_OBJECT_COMPILE_STATUS_ARB, stage.logHeading, stage.okLine, buffers.log);
    return shader;
}

// Links the two stages into a new program that replaces app.program; the shaders and the
// replaced program are flagged for deletion, so the GL frees them once nothing uses them.
void linkProgram(GLhandleARB fragment, GLhandleARB vertex, BuildBuffers& buffers)
{
    const GLhandleARB replaced = app.program;
    app.program = glCreateProgramObjectARB();
    glAttachObjectARB(app.program, fragment);
    glAttachObjectARB(app.program, vertex);
    glDeleteObjectARB(fragment);
    glDeleteObjectARB(vertex);
    glLinkProgramARB(app.program);
    report(app.program, GL_OBJECT_LINK_STATUS_ARB, LINK_HEADING, LINK_OK, buffers.log);
    if (replaced != 0)
        glDeleteObjectARB(replaced);
}
} // namespace

// Builds the shader pair named by app.shaderName; a file that cannot be opened ends the build and
// leaves app.program as it was.
void buildShaderProgram()
{
    printLine(REPORT_HEADER);
    if (!shaderExtensionsAvailable()) {
        app.program = 0;
        printLine(NO_EXTENSIONS);
        return;
    }

    BuildBuffers buffers;
    const GLhandleARB fragment = compileStage(FRAGMENT_STAGE, buffers);
    if (fragment == 0)
        return;
    const GLhandleARB vertex = compileStage(VERTEX_STAGE, buffers);
    if (vertex == 0) {
        glDeleteObjectARB(fragment);
        return;
    }
    linkProgram(fragment, vertex, buffers);
}
