// The viewer as a running process: started in a scratch directory on a private display, its
// standard output and standard error kept in files, its exit status collected.
#include "viewer_process.h"

#include "child_process.h"

#include <signal.h>
#include <sys/wait.h>

#include <fstream>
#include <sstream>

namespace {
constexpr double STOP_SECONDS = 5.0;

// The whole content of a file, empty when there is none.
std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
} // namespace

// Starts the viewer as invoked by this path, with the arguments, in the directory, on the display;
// its output goes to two files beside the directory's shaders/ and textures/.
ViewerProcess::ViewerProcess(const std::string& invocation, const std::vector<std::string>& arguments,
                             const std::string& workingDirectory, const std::string& display)
    : outputPath_(workingDirectory + "/viewer.stdout")
    , errorPath_(workingDirectory + "/viewer.stderr")
{
    SpawnRequest request;
    request.program = invocation;
    request.argv.push_back(invocation);
    request.argv.insert(request.argv.end(), arguments.begin(), arguments.end());
    request.workingDirectory = workingDirectory;
    request.display = display;
    request.standardOutput = outputPath_;
    request.standardError = errorPath_;
    pid_ = spawnProcess(request);
}

// Ends the viewer if it still runs.
ViewerProcess::~ViewerProcess()
{
    if (pid_ > 0 && !ended_)
        endChild(pid_, SIGKILL, STOP_SECONDS);
}

// Everything the viewer has written to standard output so far.
std::string ViewerProcess::standardOutput() const
{
    return readFile(outputPath_);
}

// Everything the viewer has written to standard error so far.
std::string ViewerProcess::standardError() const
{
    return readFile(errorPath_);
}

// Standard output in complete lines, without their newlines; a line still being written is left out.
std::vector<std::string> ViewerProcess::outputLines() const
{
    const std::string text = standardOutput();
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// Waits until the viewer ends; its exit status, or nothing when it still runs at the time limit or
// ended by a signal.
std::optional<int> ViewerProcess::waitForExit(double seconds)
{
    if (!ended_ && pid_ > 0) {
        if (const std::optional<int> status = waitForChild(pid_, seconds)) {
            ended_ = true;
            waitStatus_ = *status;
            exitDescription_ = WIFEXITED(waitStatus_)
                ? "exited with status " + std::to_string(WEXITSTATUS(waitStatus_))
                : "ended by signal " + std::to_string(WTERMSIG(waitStatus_));
        }
    }
    if (ended_ && WIFEXITED(waitStatus_))
        return WEXITSTATUS(waitStatus_);
    return std::nullopt;
}

// True while the process has not ended.
bool ViewerProcess::running()
{
    waitForExit(0.0);
    return !ended_;
}
