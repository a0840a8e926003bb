// The renderer's command line: the viewer's three positional arguments and the renderer's own options.
#include "render_tool/render_options.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <iterator>

namespace {
// The largest side of a picture, in pixels.
constexpr long MAX_PICTURE_SIDE = 16384;

// The object names that --object takes, at their objectIndex.
const char* const OBJECT_NAMES[] = {"teapot", "cube", "sphere"};

// The fields the positional arguments fill, in their order on the command line.
std::string RenderOptions::*const POSITIONAL_FIELDS[] = {
    &RenderOptions::shaderName,
    &RenderOptions::texture2DPath,
    &RenderOptions::cubeMapBase,
};

// Reads a whole text as a finite number; false when anything is left over or it overflows.
bool readNumber(const std::string& text, double& number)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    number = std::strtod(text.c_str(), &end);
    return *end == '\0' && errno == 0 && std::isfinite(number);
}

// Reads a whole text as a picture side between 1 and MAX_PICTURE_SIDE.
bool readSide(const std::string& text, int& side)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos
        || text.size() > 5)
        return false;
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (value < 1 || value > MAX_PICTURE_SIDE)
        return false;
    side = static_cast<int>(value);
    return true;
}

// --object: one of the three object names.
bool takeObject(RenderOptions& options, const std::string& value)
{
    for (int i = 0; i < static_cast<int>(std::size(OBJECT_NAMES)); ++i) {
        if (value == OBJECT_NAMES[i]) {
            options.objectIndex = i;
            return true;
        }
    }
    return false;
}

// --time: any finite number that a float holds.
bool takeTime(RenderOptions& options, const std::string& value)
{
    double time = 0.0;
    if (!readNumber(value, time))
        return false;
    options.time = static_cast<float>(time);
    return std::isfinite(options.time);
}

// WxH, both sides positive whole numbers.
bool takeSize(RenderOptions& options, const std::string& value)
{
    const std::size_t cross = value.find('x');
    if (cross == std::string::npos)
        return false;
    return readSide(value.substr(0, cross), options.width)
        && readSide(value.substr(cross + 1), options.height);
}

// YAW,PITCH,DISTANCE: exactly three numbers.
bool readOrbit(const std::string& value, Orbit& orbit)
{
    double* const parts[] = {&orbit.yaw, &orbit.pitch, &orbit.distance};
    std::size_t start = 0;
    for (std::size_t i = 0; i < std::size(parts); ++i) {
        const bool last = i + 1 == std::size(parts);
        const std::size_t comma = value.find(',', start);
        if (last != (comma == std::string::npos))
            return false;
        const std::size_t end = last ? value.size() : comma;
        if (!readNumber(value.substr(start, end - start), *parts[i]))
            return false;
        start = end + 1;
    }
    return true;
}

// --camera: the camera's yaw, pitch and distance.
bool takeCamera(RenderOptions& options, const std::string& value)
{
    options.cameraGiven = readOrbit(value, options.camera);
    return options.cameraGiven;
}

// --light: the light's yaw, pitch and distance.
bool takeLight(RenderOptions& options, const std::string& value)
{
    options.lightGiven = readOrbit(value, options.light);
    return options.lightGiven;
}

// -o: any path but an empty one.
bool takeOutput(RenderOptions& options, const std::string& value)
{
    options.outputPath = value;
    return !value.empty();
}

// --wireframe: outlines in place of filled polygons.
bool takeWireframe(RenderOptions& options, const std::string&)
{
    options.wireframe = true;
    return true;
}

// --check: build only, draw nothing.
bool takeCheck(RenderOptions& options, const std::string&)
{
    options.checkOnly = true;
    return true;
}

// --help: the usage, and nothing else.
bool takeHelp(RenderOptions& options, const std::string&)
{
    options.helpWanted = true;
    return true;
}

// One option: its name, its value's form in the usage (null for a flag), what it does, and the
// function that takes its value into the options (false when the value is malformed).
struct OptionRule {
    const char* name;
    const char* valueForm;
    const char* meaning;
    bool (*take)(RenderOptions&, const std::string&);
};

const OptionRule OPTION_RULES[] = {
    {"--object", "teapot|cube|sphere", "the object drawn (teapot)", takeObject},
    {"--time", "T", "the value of the uniform Time (0)", takeTime},
    {"--size", "WxH", "the picture's size in pixels (640x480, the viewer's window)", takeSize},
    {"--wireframe", nullptr, "draw polygon outlines, as the W key does", takeWireframe},
    {"--camera", "YAW,PITCH,DISTANCE", "the camera, degrees and scene units (0,20,20)", takeCamera},
    {"--light", "YAW,PITCH,DISTANCE", "light 0 and the cube map's turn (0,180,10)", takeLight},
    {"-o", "FILE", "the PNG written (out.png)", takeOutput},
    {"--check", nullptr, "build the shader pair and print its report; render nothing", takeCheck},
    {"--help", nullptr, "print this text", takeHelp},
};

// The rule of the option with this exact name; null for an unknown option.
const OptionRule* findRule(const std::string& name)
{
    for (const OptionRule& rule : OPTION_RULES) {
        if (name == rule.name)
            return &rule;
    }
    return nullptr;
}
} // namespace

// Reads the arguments that follow the program name; the first refused argument ends the reading.
ParsedOptions parseRenderOptions(const std::vector<std::string>& arguments)
{
    ParsedOptions parsed;
    std::size_t positionalCount = 0;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];

        // A positional argument: anything that does not start with a dash, and a lone dash.
        if (argument.size() < 2 || argument[0] != '-') {
            if (positionalCount == std::size(POSITIONAL_FIELDS)) {
                parsed.error = "unexpected argument '" + argument + "': at most three (shader, 2d_texture, cube_map)";
                return parsed;
            }
            parsed.options.*POSITIONAL_FIELDS[positionalCount++] = argument;
            continue;
        }

        // An option, its value either after '=' or in the next argument.
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const OptionRule* rule = findRule(name);
        if (rule == nullptr) {
            parsed.error = "unknown option '" + name + "'";
            return parsed;
        }
        std::string value;
        if (rule->valueForm == nullptr) {
            if (equals != std::string::npos) {
                parsed.error = "option '" + name + "' takes no value";
                return parsed;
            }
        } else if (equals != std::string::npos) {
            value = argument.substr(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            parsed.error = "option '" + name + "' needs a value: " + rule->valueForm;
            return parsed;
        }
        if (!rule->take(parsed.options, value)) {
            parsed.error = "bad value '" + value + "' for option '" + name + "': expected " + rule->valueForm;
            return parsed;
        }
    }
    return parsed;
}

// The usage text, one option a line, for --help and after a refused command line.
std::string renderUsage(const std::string& programName)
{
    std::string usage = "Usage: " + programName + " [options] [shader] [2d_texture] [cube_map]\n"
        "Renders one frame of the viewer to a PNG, or checks that a shader pair builds.\n"
        "  shader      reads shaders/<shader>.vs and shaders/<shader>.fs (toon)\n"
        "  2d_texture  the image for Tex2D (textures/crate.jpg)\n"
        "  cube_map    base path of the six cube-map faces for TexCube (textures/uffizi)\n"
        "Options:\n";
    for (const OptionRule& rule : OPTION_RULES) {
        std::string left = std::string("  ") + rule.name;
        if (rule.valueForm != nullptr)
            left += std::string(" ") + rule.valueForm;
        left.resize(std::max<std::size_t>(left.size() + 1, 32), ' ');
        usage += left + rule.meaning + "\n";
    }
    usage += "Exit status: 0 when both files were read, compiled and linked and the picture (if asked)\n"
             "was written; 1 otherwise; 2 for a malformed command line.\n";
    return usage;
}
