// The command line as it stands once GLUT has taken out its own options.
#include "app/command_line.h"

#include "app/app_state.h"

namespace {
// The fields the positional arguments fill, in their order on the command line.
const char* AppState::*const POSITIONAL_FIELDS[] = {
    &AppState::shaderName,
    &AppState::texture2DPath,
    &AppState::cubeMapBase,
};
constexpr int POSITIONAL_COUNT = sizeof POSITIONAL_FIELDS / sizeof POSITIONAL_FIELDS[0];
} // namespace

// Takes argv[0] and up to three positional arguments; later ones are ignored, nothing is checked.
void takeCommandLine(int argc, char** argv)
{
    app.programName = argv[0];
    for (int i = 0; i < POSITIONAL_COUNT && i + 1 < argc; ++i)
        app.*POSITIONAL_FIELDS[i] = argv[i + 1];
}
