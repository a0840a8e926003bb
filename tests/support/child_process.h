// Child processes of the tests: started with their own working directory, environment and output
// files, waited for with a time limit, and ended; run to their end with their output kept, or left
// running in the background.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

// One environment change for a child: a variable set to a value, or removed when unset is true.
struct EnvironmentChange {
    std::string name;
    std::string value;
    bool unset = false;
};

// How to start a child: the program, its whole argument list (argv[0] included), and where it runs.
struct SpawnRequest {
    std::string program;             // path of the executable, or a name looked up in PATH
    std::vector<std::string> argv;   // argv[0] first
    std::string workingDirectory;    // empty: the test's own
    std::string display;             // DISPLAY for the child; empty: unset
    std::vector<EnvironmentChange> environment;  // applied after DISPLAY, in order
    std::string standardOutput = "/dev/null";
    std::string standardError = "/dev/null";   // the same path as standardOutput: one shared file
    int passFd = -1;                 // a descriptor the child gets as PASSED_FD, or -1
};

// The descriptor number under which a child receives SpawnRequest::passFd.
constexpr int PASSED_FD = 3;

// Starts the child; returns its process id, or -1 when it cannot be forked.
pid_t spawnProcess(const SpawnRequest& request);

// Waits until the child ends or the time is up; returns its wait status, or nothing on time-out.
std::optional<int> waitForChild(pid_t pid, double seconds);

// Sends the signal and reaps the child, with SIGKILL should it outlast the grace time.
void endChild(pid_t pid, int signal, double graceSeconds);

// Runs a command to its end within the time limit; true when it exits with status 0.
bool runToEnd(const SpawnRequest& request, double seconds, std::string* failure);

// What a finished child left: its exit status (-1 when a signal or the time limit ended it) and
// everything it wrote on its two output streams.
struct ChildResult {
    int exitStatus = -1;
    std::string out;
    std::string err;
};

// Runs the command in the current directory, with this process's DISPLAY and then the environment
// changes, and waits for it, at most timeoutSeconds.
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
    pid_t pid_ = -1;
    int exitStatus_ = -1;
};
