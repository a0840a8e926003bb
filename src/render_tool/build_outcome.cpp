// Whether the latest shader build gave a working program, read back from the GL objects it left.
#include "render_tool/build_outcome.h"

#include "app/app_state.h"

#include <iterator>

namespace {
// The two stages of a pair; a program with more or fewer attached is not a complete build.
constexpr GLsizei PAIR_STAGES = 2;

struct OutcomeText {
    BuildOutcome outcome;
    const char* text;
};

const OutcomeText OUTCOME_TEXTS[] = {
    {BuildOutcome::Built, "the shader pair built"},
    {BuildOutcome::NotBuilt, "no program was built (a shader file could not be read)"},
    {BuildOutcome::CompileFailed, "a shader did not compile"},
    {BuildOutcome::LinkFailed, "the program did not link"},
};

// One parameter of a shader or program object, such as its compile or link status.
GLint objectParameter(GLhandleARB object, GLenum name)
{
    GLint value = GL_FALSE;
    glGetObjectParameterivARB(object, name, &value);
    return value;
}
} // namespace

// Reads the outcome of the build that ran since app.program held programBefore. The build makes a
// new program whenever both files were read; its shaders, flagged for deletion, live on while
// they are attached to it, so their compile status can still be asked.
BuildOutcome buildOutcome(GLhandleARB programBefore)
{
    if (app.program == 0 || app.program == programBefore)
        return BuildOutcome::NotBuilt;

    GLhandleARB shaders[PAIR_STAGES + 1] = {};
    GLsizei count = 0;
    glGetAttachedObjectsARB(app.program, static_cast<GLsizei>(std::size(shaders)), &count, shaders);
    if (count != PAIR_STAGES)
        return BuildOutcome::NotBuilt;
    for (GLsizei i = 0; i < count; ++i) {
        if (objectParameter(shaders[i], GL_OBJECT_COMPILE_STATUS_ARB) != GL_TRUE)
            return BuildOutcome::CompileFailed;
    }
    if (objectParameter(app.program, GL_OBJECT_LINK_STATUS_ARB) != GL_TRUE)
        return BuildOutcome::LinkFailed;
    return BuildOutcome::Built;
}

// A short phrase for the outcome, for the renderer's closing message.
const char* describeOutcome(BuildOutcome outcome)
{
    for (const OutcomeText& entry : OUTCOME_TEXTS) {
        if (entry.outcome == outcome)
            return entry.text;
    }
    return "unknown outcome";
}
