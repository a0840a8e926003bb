// The one program-wide record: every handler reads and writes it directly.
#pragma once

#include <GL/glew.h>

#include <cstdint>

struct AppState {
    // Drawing area, pixels, as the latest reshape reported it.
    std::int32_t windowWidth = 512;
    std::int32_t windowHeight = 512;

    // The command line: argv[0] and the three positional arguments.
    const char* programName = nullptr;
    const char* shaderName = "toon";
    const char* texture2DPath = "textures/crate.jpg";
    const char* cubeMapBase = "textures/uffizi";

    // Camera and light: angles in degrees, distances in scene units.
    double cameraDistance = 0.0;
    double cameraPitch = 0.0;
    double cameraYaw = 0.0;
    double lightDistance = 0.0;
    double lightYaw = 0.0;
    double lightPitch = 0.0;

    // Pointer, normalised to the drawing area (0 left and bottom, 1 right and top).
    double mouseX = 0.0;
    double mouseY = 0.0;
    double prevMouseX = 0.0;
    double prevMouseY = 0.0;
    double mouseDX = 0.0;
    double mouseDY = 0.0;

    // Buttons and modifiers as the latest button event left them, and the drag code built from them.
    std::int32_t leftDown = 0;
    std::int32_t middleDown = 0;
    std::int32_t rightDown = 0;
    std::int32_t shiftDown = 0;
    std::int32_t ctrlDown = 0;
    std::int32_t altDown = 0;
    std::int32_t dragState = 0;

    // Display toggles and the animation time handed to the shaders as "Time".
    unsigned char wireframe = 0;
    std::int32_t objectIndex = 0;
    float shaderTime = 0.0f;

    // GL objects, and whether the one-time graphics start-up has run.
    GLhandleARB program = 0;
    GLuint texture2D = 0;
    GLuint cubeMapTexture = 0;
    std::int32_t graphicsStarted = 0;
};

// The objects that objectIndex names: 0 teapot, 1 cube, 2 sphere.
constexpr std::int32_t OBJECT_COUNT = 3;

extern AppState app;

// The camera and light that main sets before the loop starts.
void setViewerDefaults();
