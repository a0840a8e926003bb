// Child processes of the tests: started with their own working directory, environment and output
// files, waited for with a time limit, and ended.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

// How to start a child: the program, its whole argument list (argv[0] included), and where it runs.
struct SpawnRequest {
    std::string program;             // path of the executable, or a name looked up in PATH
    std::vector<std::string> argv;   // argv[0] first
    std::string workingDirectory;    // empty: the test's own
    std::string display;             // DISPLAY for the child; empty: unset
    std::string standardOutput = "/dev/null";
    std::string standardError = "/dev/null";
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
