// The renderer's command line: the viewer's three positional arguments and the renderer's own options.
#pragma once

#include <string>
#include <vector>

// A camera or a light placed as the viewer places them: two angles in degrees and a distance.
struct Orbit {
    double yaw = 0.0;
    double pitch = 0.0;
    double distance = 0.0;
};

// Everything the command line can ask of one run.
struct RenderOptions {
    // The viewer's positional arguments, with the viewer's defaults.
    std::string shaderName = "toon";
    std::string texture2DPath = "textures/crate.jpg";
    std::string cubeMapBase = "textures/uffizi";

    int objectIndex = 0;
    float time = 0.0f;
    int width = 640;
    int height = 480;
    bool wireframe = false;
    bool cameraGiven = false;
    Orbit camera;
    bool lightGiven = false;
    Orbit light;
    std::string outputPath = "out.png";
    bool checkOnly = false;
    bool helpWanted = false;
};

// The outcome of reading the command line: the options, or the one-line reason they are refused.
struct ParsedOptions {
    RenderOptions options;
    std::string error; // empty when the command line was accepted
};

// Reads the arguments that follow the program name.
ParsedOptions parseRenderOptions(const std::vector<std::string>& arguments);

// The usage text, one option a line, for --help and after a refused command line.
std::string renderUsage(const std::string& programName);
