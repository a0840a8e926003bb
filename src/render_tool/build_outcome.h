// Whether the latest shader build gave a working program, read back from the GL objects it left.
#pragma once

#include <GL/glew.h>

// How a build of the shader pair ended.
enum class BuildOutcome {
    Built,         // both files read, both stages compiled, the program linked
    NotBuilt,      // no new program: a file could not be read or the extensions are missing
    CompileFailed, // a stage did not compile
    LinkFailed,    // both stages compiled but the program did not link
};

// Reads the outcome of the build that ran since app.program held programBefore.
BuildOutcome buildOutcome(GLhandleARB programBefore);

// A short phrase for the outcome, for the renderer's closing message.
const char* describeOutcome(BuildOutcome outcome);
