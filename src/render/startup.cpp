// One-time graphics start-up, run by the first display callback before its clear.
#include "render/render.h"

#include "resources/shader_program.h"
#include "resources/textures.h"

// Initialises GLEW, loads the textures, builds the shader program and sets the lasting GL state.
void startGraphics()
{
    // Entry points and extension flags; the viewer goes on whatever GLEW reports.
    glewInit();

    // The scene's resources.
    loadTextures();
    buildShaderProgram();

    // Lasting state: back faces culled, depth tested, the current colour as the material.
    glEnable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
}
