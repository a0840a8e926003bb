// The viewer as a running process: started in a scratch directory on a private display, its
// standard output and standard error kept in files, its exit status collected.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

class ViewerProcess {
public:
    // Starts the viewer as invoked by this path (also its argv[0]; a relative one is taken from the
    // directory) with the arguments, in the directory, on the display.
    ViewerProcess(const std::string& invocation, const std::vector<std::string>& arguments,
                  const std::string& workingDirectory, const std::string& display);
    ViewerProcess(const ViewerProcess&) = delete;
    ViewerProcess& operator=(const ViewerProcess&) = delete;
    // Ends the viewer if it still runs.
    ~ViewerProcess();

    bool started() const { return pid_ > 0; }

    // Everything the viewer has written so far.
    std::string standardOutput() const;
    std::string standardError() const;
    // Standard output in complete lines, without their newlines.
    std::vector<std::string> outputLines() const;

    // Waits until the viewer ends; its exit status, or nothing when it still runs at the time limit
    // or ended by a signal (then exitDescription() says how).
    std::optional<int> waitForExit(double seconds);
    // True while the process has not ended.
    bool running();
    // How the process ended, for failure messages.
    const std::string& exitDescription() const { return exitDescription_; }

private:
    pid_t pid_ = -1;
    bool ended_ = false;
    int waitStatus_ = 0;
    std::string exitDescription_ = "still running";
    std::string outputPath_;
    std::string errorPath_;
};
