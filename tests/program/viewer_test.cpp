// The test fixture: an X server and a scratch directory of the test's own, the viewer started in
// them, and the means to look at its window, read its output and send it input.
#include "viewer_test.h"

#include "child_process.h"
#include "x_window.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace {
constexpr auto POLL_STEP = std::chrono::milliseconds(20);
constexpr double INPUT_SECONDS = 10.0;
constexpr int MIDDLE_HALF_SIZE = 10;
constexpr const char* FAILURE_SHOTS_DIR = "tesmorel-program-failures";

// Asks a condition again and again until it holds or the time is up.
bool pollUntil(const std::function<bool()>& condition, double seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    for (;;) {
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(POLL_STEP);
    }
}

// The running test's name, fit for a file name.
std::string testFileName()
{
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name) {
        if (c == '/')
            c = '_';
    }
    return name;
}
} // namespace

// Starts the X server and makes the scratch directory with the repository's shaders, the flat
// red pair and the default textures.
void ViewerTest::SetUp()
{
    ASSERT_TRUE(x_.start()) << x_.error();
    ASSERT_TRUE(scratch_.create());
    ASSERT_TRUE(scratch_.addRepositoryShaders());
    ASSERT_TRUE(scratch_.write("shaders/flat.vs", flatVertexShader()));
    ASSERT_TRUE(scratch_.write("shaders/flat.fs", flatFragmentShader(FLAT_RED)));
    ASSERT_TRUE(scratch_.addDefaultTextures());
}

// Saves the last picture when the test failed, and says where.
void ViewerTest::TearDown()
{
    if (HasFailure() && !lastShot_.empty()) {
        const std::filesystem::path dir = std::filesystem::temp_directory_path() / FAILURE_SHOTS_DIR;
        std::error_code ignored;
        std::filesystem::create_directories(dir, ignored);
        const std::string path = (dir / (testFileName() + ".png")).string();
        if (saveImage(lastShot_, path))
            std::cerr << "Last picture of the failed test: " << path << std::endl;
    }
    if (HasFailure() && viewer_)
        std::cerr << "Viewer's standard output:\n" << viewer_->standardOutput() << "Viewer's standard error:\n"
                  << viewer_->standardError() << std::endl;
}

// Starts the viewer and waits only until its window exists, is on the screen and has the focus.
void ViewerTest::launchViewer(const std::vector<std::string>& arguments, const std::string& invocation)
{
    viewer_ = std::make_unique<ViewerProcess>(invocation, arguments, scratch_.path(), x_.name());
    ASSERT_TRUE(viewer_->started());
    Display* display = x_.display();
    const bool shown = pollUntil(
        [&] {
            window_ = findWindowByTitle(display, WINDOW_TITLE);
            return window_ != 0 && isViewable(display, window_);
        },
        WAIT_SECONDS);
    ASSERT_TRUE(shown) << "no viewable window titled " << WINDOW_TITLE << "; the viewer "
                       << (viewer_->running() ? "still runs" : viewer_->exitDescription());
    placeAndFocus(display, window_);
}

// Starts the viewer and waits until its window is on the screen with a picture in its middle.
void ViewerTest::startViewer(const std::vector<std::string>& arguments, const std::string& invocation)
{
    ASSERT_NO_FATAL_FAILURE(launchViewer(arguments, invocation));
    ASSERT_TRUE(waitForPicture(drawsInMiddle)) << "the window shows nothing in its middle";
}

// The window's picture now.
Image ViewerTest::shot()
{
    lastShot_ = captureWindow(x_.display(), window_);
    return lastShot_;
}

// Takes pictures until one meets the condition; false at the time limit.
bool ViewerTest::waitForPicture(const std::function<bool(const Image&)>& condition, double seconds)
{
    return pollUntil(
        [&] {
            const Image image = shot();
            return !image.empty() && condition(image);
        },
        seconds);
}

// Waits until standard output has at least this many complete lines.
bool ViewerTest::waitForOutputLines(std::size_t count, double seconds)
{
    return waitForOutput([count](const std::vector<std::string>& lines) { return lines.size() >= count; }, seconds);
}

// Waits until the complete lines of standard output meet the condition.
bool ViewerTest::waitForOutput(const std::function<bool(const std::vector<std::string>&)>& condition,
                               double seconds)
{
    return pollUntil([&] { return condition(viewer_->outputLines()); }, seconds);
}

// Runs xdotool with these arguments against the test's display.
void ViewerTest::input(const std::vector<std::string>& arguments)
{
    SpawnRequest request;
    request.program = "xdotool";
    request.argv = {"xdotool"};
    request.argv.insert(request.argv.end(), arguments.begin(), arguments.end());
    request.display = x_.name();
    std::string failure;
    ASSERT_TRUE(runToEnd(request, INPUT_SECONDS, &failure)) << failure;
}

// Presses and releases keys, given by their X key names, one after another.
void ViewerTest::pressKeys(const std::vector<std::string>& keys)
{
    std::vector<std::string> arguments = {"key"};
    arguments.insert(arguments.end(), keys.begin(), keys.end());
    input(arguments);
}

// The window's id as xdotool takes it after --window.
std::string ViewerTest::windowId() const
{
    return std::to_string(window_);
}

// Saves a picture under a label in TESMOREL_SHOTS_DIR, when that is set, to look at.
void ViewerTest::keepShot(const Image& image, const std::string& label) const
{
    const char* dir = std::getenv("TESMOREL_SHOTS_DIR");
    if (dir != nullptr && *dir != '\0')
        saveImage(image, std::string(dir) + "/" + testFileName() + "-" + label + ".png");
}

// True when the middle of the picture holds something other than the background.
bool drawsInMiddle(const Image& image)
{
    const int all = (2 * MIDDLE_HALF_SIZE + 1) * (2 * MIDDLE_HALF_SIZE + 1);
    const int dark = countNear(image, isBackground, image.width / 2, image.height / 2, MIDDLE_HALF_SIZE);
    return dark < all;
}

// The lines of a text from a given line on, as one text for failure messages.
std::string joinLines(const std::vector<std::string>& lines, std::size_t from)
{
    std::string text;
    for (std::size_t i = from; i < lines.size(); ++i)
        text += lines[i] + "\n";
    return text;
}
