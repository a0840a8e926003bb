// The viewer's scene written out as bare GL calls, and the bare build of a shader pair: the
// yardsticks that the viewer's own functions are measured against.
#pragma once

#include <GL/glew.h>

#include <string>

// What a bare frame draws with: the viewer's GL objects, and the program's uniform locations,
// looked up once.
struct BareScene {
    GLhandleARB program = 0;
    GLuint cubeMapTexture = 0;
    GLuint texture2D = 0;
    GLint timeLocation = -1;
    GLint texCubeLocation = -1;
    GLint tex2DLocation = -1;
};

// Takes the textures and the program and looks the three uniforms up on the program.
BareScene makeBareScene(GLhandleARB program, GLuint cubeMapTexture, GLuint texture2D);

// One frame of the viewer's default view of the object (0 teapot, 1 cube, 2 sphere) at the given
// time, in inline GL calls, ending with the flush and the buffer swap.
void drawBareFrame(const BareScene& scene, int objectIndex, float time);

// The two sources of a shader pair, read once.
struct ShaderSources {
    std::string vertex;
    std::string fragment;
};

// Reads "shaders/<name>.vs" and "shaders/<name>.fs" whole; empty texts for a missing file.
ShaderSources readShaderSources(const std::string& name);

// Compiles the pair and links it into a new program with nothing but the GL calls; the shader
// objects are flagged for deletion, so they go with the program.
GLhandleARB compileAndLinkBare(const ShaderSources& sources);
