// The renderer's command line, read without a GL: what each option sets and what is refused.
#include "render_tool/render_options.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(RenderOptions, NoArgumentsGiveTheViewersDefaults)
{
    const ParsedOptions parsed = parseRenderOptions({});
    ASSERT_EQ(parsed.error, "");
    const RenderOptions& options = parsed.options;
    EXPECT_EQ(options.shaderName, "toon");
    EXPECT_EQ(options.texture2DPath, "textures/crate.jpg");
    EXPECT_EQ(options.cubeMapBase, "textures/uffizi");
    EXPECT_EQ(options.objectIndex, 0);
    EXPECT_EQ(options.time, 0.0f);
    EXPECT_EQ(options.width, 640);
    EXPECT_EQ(options.height, 480);
    EXPECT_FALSE(options.wireframe);
    EXPECT_FALSE(options.cameraGiven);
    EXPECT_FALSE(options.lightGiven);
    EXPECT_EQ(options.outputPath, "out.png");
    EXPECT_FALSE(options.checkOnly);
    EXPECT_FALSE(options.helpWanted);
}

// An accepted command line and what it must have set.
struct AcceptedCase {
    std::vector<std::string> arguments;
    std::function<void(const RenderOptions&)> expect;
};

TEST(RenderOptions, EachOptionSetsItsField)
{
    const AcceptedCase cases[] = {
        {{"phong"}, [](const RenderOptions& o) { EXPECT_EQ(o.shaderName, "phong"); EXPECT_EQ(o.texture2DPath, "textures/crate.jpg"); }},
        {{"a", "b.png", "c"}, [](const RenderOptions& o) {
             EXPECT_EQ(o.shaderName, "a"); EXPECT_EQ(o.texture2DPath, "b.png"); EXPECT_EQ(o.cubeMapBase, "c"); }},
        {{"--object", "cube"}, [](const RenderOptions& o) { EXPECT_EQ(o.objectIndex, 1); }},
        {{"--object=sphere"}, [](const RenderOptions& o) { EXPECT_EQ(o.objectIndex, 2); }},
        {{"--object", "teapot"}, [](const RenderOptions& o) { EXPECT_EQ(o.objectIndex, 0); }},
        {{"--time", "-2.5"}, [](const RenderOptions& o) { EXPECT_EQ(o.time, -2.5f); }},
        {{"--time", "1e2"}, [](const RenderOptions& o) { EXPECT_EQ(o.time, 100.0f); }},
        {{"--size", "1x16384"}, [](const RenderOptions& o) { EXPECT_EQ(o.width, 1); EXPECT_EQ(o.height, 16384); }},
        {{"--size=320x240"}, [](const RenderOptions& o) { EXPECT_EQ(o.width, 320); EXPECT_EQ(o.height, 240); }},
        {{"--wireframe"}, [](const RenderOptions& o) { EXPECT_TRUE(o.wireframe); }},
        {{"--camera", "-30,15.5,40"}, [](const RenderOptions& o) {
             EXPECT_TRUE(o.cameraGiven); EXPECT_EQ(o.camera.yaw, -30.0);
             EXPECT_EQ(o.camera.pitch, 15.5); EXPECT_EQ(o.camera.distance, 40.0); EXPECT_FALSE(o.lightGiven); }},
        {{"--light", "90,180,5"}, [](const RenderOptions& o) {
             EXPECT_TRUE(o.lightGiven); EXPECT_EQ(o.light.yaw, 90.0);
             EXPECT_EQ(o.light.pitch, 180.0); EXPECT_EQ(o.light.distance, 5.0); EXPECT_FALSE(o.cameraGiven); }},
        {{"-o", "pictures/x.png"}, [](const RenderOptions& o) { EXPECT_EQ(o.outputPath, "pictures/x.png"); }},
        {{"--check"}, [](const RenderOptions& o) { EXPECT_TRUE(o.checkOnly); }},
        {{"--help"}, [](const RenderOptions& o) { EXPECT_TRUE(o.helpWanted); }},
        // Options and positional arguments mix in any order; a later option wins.
        {{"--time", "1", "wobble", "--object", "cube", "-", "--time", "2"}, [](const RenderOptions& o) {
             EXPECT_EQ(o.shaderName, "wobble"); EXPECT_EQ(o.texture2DPath, "-");
             EXPECT_EQ(o.objectIndex, 1); EXPECT_EQ(o.time, 2.0f); }},
        // A value is taken whole, even when it starts with a dash.
        {{"-o", "--check"}, [](const RenderOptions& o) { EXPECT_EQ(o.outputPath, "--check"); EXPECT_FALSE(o.checkOnly); }},
    };
    for (const AcceptedCase& entry : cases) {
        SCOPED_TRACE(::testing::PrintToString(entry.arguments));
        const ParsedOptions parsed = parseRenderOptions(entry.arguments);
        ASSERT_EQ(parsed.error, "");
        entry.expect(parsed.options);
    }
}

// A refused command line and the message it must get.
struct RefusedCase {
    std::vector<std::string> arguments;
    std::string error;
};

TEST(RenderOptions, MalformedArgumentsAreRefusedByName)
{
    const RefusedCase cases[] = {
        {{"--colour"}, "unknown option '--colour'"},
        {{"-x"}, "unknown option '-x'"},
        {{"--object", "torus"}, "bad value 'torus' for option '--object': expected teapot|cube|sphere"},
        {{"--object"}, "option '--object' needs a value: teapot|cube|sphere"},
        {{"--time", "soon"}, "bad value 'soon' for option '--time': expected T"},
        {{"--time", "1.5s"}, "bad value '1.5s' for option '--time': expected T"},
        {{"--time", "nan"}, "bad value 'nan' for option '--time': expected T"},
        {{"--time", "1e60"}, "bad value '1e60' for option '--time': expected T"},
        {{"--time="}, "bad value '' for option '--time': expected T"},
        {{"--size", "640"}, "bad value '640' for option '--size': expected WxH"},
        {{"--size", "0x480"}, "bad value '0x480' for option '--size': expected WxH"},
        {{"--size", "640x-480"}, "bad value '640x-480' for option '--size': expected WxH"},
        {{"--size", "16385x1"}, "bad value '16385x1' for option '--size': expected WxH"},
        {{"--size", "64x48x2"}, "bad value '64x48x2' for option '--size': expected WxH"},
        {{"--camera", "1,2"}, "bad value '1,2' for option '--camera': expected YAW,PITCH,DISTANCE"},
        {{"--camera", "1,2,3,4"}, "bad value '1,2,3,4' for option '--camera': expected YAW,PITCH,DISTANCE"},
        {{"--light", "1,,3"}, "bad value '1,,3' for option '--light': expected YAW,PITCH,DISTANCE"},
        {{"--light", "a,b,c"}, "bad value 'a,b,c' for option '--light': expected YAW,PITCH,DISTANCE"},
        {{"-o", ""}, "bad value '' for option '-o': expected FILE"},
        {{"-o"}, "option '-o' needs a value: FILE"},
        {{"--check=yes"}, "option '--check' takes no value"},
        {{"a", "b", "c", "d"}, "unexpected argument 'd': at most three (shader, 2d_texture, cube_map)"},
    };
    for (const RefusedCase& entry : cases) {
        SCOPED_TRACE(::testing::PrintToString(entry.arguments));
        EXPECT_EQ(parseRenderOptions(entry.arguments).error, entry.error);
    }
}

TEST(RenderOptions, UsageListsEveryOption)
{
    const std::string usage = renderUsage("tesmorel-render");
    EXPECT_EQ(usage.rfind("Usage: tesmorel-render [options] [shader] [2d_texture] [cube_map]\n", 0), 0u);
    for (const char* option : {"--object teapot|cube|sphere", "--time T", "--size WxH", "--wireframe",
                               "--camera YAW,PITCH,DISTANCE", "--light YAW,PITCH,DISTANCE", "-o FILE",
                               "--check", "--help"})
        EXPECT_NE(usage.find(std::string("  ") + option + " "), std::string::npos) << option;
}

} // namespace
