// The installed copy: cmake --install into a scratch prefix, the files a user finds there, the
// installed renderer run from the installed data directory, and the manual pages.
#include "gallery_support.h"
#include "rgb_picture.h"
#include "x_server.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

namespace {
namespace fs = std::filesystem;

const fs::path BUILD_DIRECTORY = TESMOREL_BUILD_DIRECTORY;
const fs::path SOURCE_DIRECTORY = TESMOREL_SOURCE_DIRECTORY;
constexpr const char* CMAKE_PROGRAM = TESMOREL_CMAKE_COMMAND;
const char* const MAN_PAGES[] = {"tesmorel.1", "tesmorel-render.1"};
const char* const DEFAULT_TEXTURES[] = {
    "crate.jpg", "uffizi_front.png", "uffizi_back.png", "uffizi_up.png",
    "uffizi_down.png", "uffizi_left.png", "uffizi_right.png",
};

// A regular file that its owner may run.
bool isExecutable(const fs::path& path)
{
    return fs::is_regular_file(path)
        && (fs::status(path).permissions() & fs::perms::owner_exec) != fs::perms::none;
}

TEST(InstalledCopy, HasBothProgramsTheDataAndTheManualPages)
{
    const fs::path prefix = fs::temp_directory_path() / ("tesmorel-install-" + std::to_string(getpid()));
    fs::remove_all(prefix);
    const ChildResult install = runChild(
        {CMAKE_PROGRAM, "--install", BUILD_DIRECTORY.string(), "--prefix", prefix.string()});
    ASSERT_EQ(install.exitStatus, 0) << install.out << install.err;

    EXPECT_TRUE(isExecutable(prefix / "bin/tesmorel"));
    EXPECT_TRUE(isExecutable(prefix / "bin/tesmorel-render"));
    for (const char* page : MAN_PAGES)
        EXPECT_TRUE(fs::is_regular_file(prefix / "share/man/man1" / page)) << page;
    const fs::path data = prefix / "share/tesmorel";
    for (const GalleryPair& pair : readGalleryPairs()) {
        EXPECT_TRUE(fs::is_regular_file(data / "shaders" / (pair.name + ".vs"))) << pair.name;
        EXPECT_TRUE(fs::is_regular_file(data / "shaders" / (pair.name + ".fs"))) << pair.name;
    }
    for (const char* texture : DEFAULT_TEXTURES)
        EXPECT_TRUE(fs::is_regular_file(data / "textures" / texture)) << texture;

    // Run from the installed data directory, the installed renderer finds every file it reads.
    const fs::path picture = prefix / "installed.png";
    const fs::path previous = fs::current_path();
    fs::current_path(data);
    const ChildResult render = runChild({(prefix / "bin/tesmorel-render").string(), "phong", "--size",
                                         "160x120", "-o", picture.string()},
                                        {{"DISPLAY", privateDisplay()}});
    fs::current_path(previous);
    EXPECT_EQ(render.exitStatus, 0) << render.out << render.err;
    EXPECT_EQ(render.out.find("Could not"), std::string::npos) << render.out;
    EXPECT_TRUE(showsSomething(readPicture(picture.string())));

    fs::remove_all(prefix);
}

// The manual pages format without a warning from groff.
TEST(InstalledCopy, ManualPagesFormatCleanly)
{
    for (const char* page : MAN_PAGES) {
        const ChildResult format = runChild(
            {"groff", "-man", "-Tutf8", "-ww", "-z", (SOURCE_DIRECTORY / "man" / page).string()});
        if (format.exitStatus == 127)
            GTEST_SKIP() << "groff is not installed";
        EXPECT_EQ(format.exitStatus, 0) << page;
        EXPECT_EQ(format.err, "") << page;
    }
}

} // namespace
