// Running a program of the build as a child process, with its output and exit status kept.
#pragma once

#include <string>
#include <vector>

// What a finished child left: its exit status (-1 when a signal or the time limit ended it) and
// everything it wrote on its two output streams.
struct ChildResult {
    int exitStatus = -1;
    std::string out;
    std::string err;
};

// One environment change for a child: a variable set to a value, or removed when unset is true.
struct EnvironmentChange {
    std::string name;
    std::string value;
    bool unset = false;
};

// Runs the command in the current directory and waits for it, at most timeoutSeconds.
ChildResult runChild(const std::vector<std::string>& command,
                     const std::vector<EnvironmentChange>& environment = {}, int timeoutSeconds = 60);

// A child left running until the object goes, then ended with SIGTERM and reaped; both of its
// output streams go to the log file.
class BackgroundChild {
public:
    BackgroundChild(const std::vector<std::string>& command, const std::vector<EnvironmentChange>& environment,
                    const std::string& logPath);
    ~BackgroundChild();
    BackgroundChild(const BackgroundChild&) = delete;
    BackgroundChild& operator=(const BackgroundChild&) = delete;

    // True while the child has not exited.
    bool running();
    // How it ended, once running() has seen it end: its exit status, or -1 for a signal.
    int exitStatus() const { return exitStatus_; }

private:
    int pid_ = -1;
    int exitStatus_ = -1;
};
