// Child processes of the tests: started with their own working directory, environment and output
// files, waited for with a time limit, and ended; run to their end with their output kept, or left
// running in the background.
#include "child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

namespace {
constexpr auto WAIT_STEP = std::chrono::milliseconds(10);
constexpr int EXEC_FAILED = 127;
// How long a child has to go after a signal before it gets SIGKILL.
constexpr double STOP_GRACE_SECONDS = 10.0;

// Opens a file onto one of the child's standard descriptors.
void redirect(const std::string& path, int flags, int target)
{
    const int fd = open(path.c_str(), flags, 0644);
    if (fd < 0)
        _exit(EXEC_FAILED);
    dup2(fd, target);
    close(fd);
}

// In the child, after fork: descriptors, directory and environment, then the program.
[[noreturn]] void becomeChild(const SpawnRequest& request)
{
    if (request.passFd >= 0) {
        if (request.passFd == PASSED_FD)
            fcntl(PASSED_FD, F_SETFD, 0);
        else
            dup2(request.passFd, PASSED_FD);
    }
    redirect("/dev/null", O_RDONLY, STDIN_FILENO);
    redirect(request.standardOutput, O_WRONLY | O_CREAT | O_TRUNC, STDOUT_FILENO);
    if (request.standardError == request.standardOutput)
        dup2(STDOUT_FILENO, STDERR_FILENO);
    else
        redirect(request.standardError, O_WRONLY | O_CREAT | O_TRUNC, STDERR_FILENO);
    if (!request.workingDirectory.empty() && chdir(request.workingDirectory.c_str()) != 0)
        _exit(EXEC_FAILED);
    if (request.display.empty())
        unsetenv("DISPLAY");
    else
        setenv("DISPLAY", request.display.c_str(), 1);
    for (const EnvironmentChange& change : request.environment) {
        if (change.unset)
            unsetenv(change.name.c_str());
        else
            setenv(change.name.c_str(), change.value.c_str(), 1);
    }

    std::vector<char*> argv;
    for (const std::string& argument : request.argv)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execvp(request.program.c_str(), argv.data());
    _exit(EXEC_FAILED);
}

// A temporary file that a child's stream is sent to, removed with the object.
struct CaptureFile {
    std::string path;
    CaptureFile()
    {
        char name[] = "/tmp/tesmorel-child-XXXXXX";
        const int fd = mkstemp(name);
        if (fd >= 0)
            close(fd);
        path = name;
    }
    ~CaptureFile() { std::remove(path.c_str()); }
    CaptureFile(const CaptureFile&) = delete;
    CaptureFile& operator=(const CaptureFile&) = delete;
    // Everything written to the file.
    std::string text() const
    {
        std::ifstream file(path);
        std::stringstream contents;
        contents << file.rdbuf();
        return contents.str();
    }
};

// The request for a command run in the current directory, with this process's DISPLAY and the
// environment changes after it.
SpawnRequest commandRequest(const std::vector<std::string>& command,
                            const std::vector<EnvironmentChange>& environment)
{
    SpawnRequest request;
    request.program = command.empty() ? std::string() : command.front();
    request.argv = command;
    if (const char* display = std::getenv("DISPLAY"))
        request.display = display;
    request.environment = environment;
    return request;
}

// The exit status in a wait status, or -1 when a signal ended the child.
int exitStatusOf(int waitStatus)
{
    return WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : -1;
}
} // namespace

// Starts the child; returns its process id, or -1 when it cannot be forked.
pid_t spawnProcess(const SpawnRequest& request)
{
    const pid_t pid = fork();
    if (pid == 0)
        becomeChild(request);
    return pid;
}

// Waits until the child ends or the time is up; returns its wait status, or nothing on time-out.
std::optional<int> waitForChild(pid_t pid, double seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid)
            return status;
        if (done < 0 && errno != EINTR)
            return std::nullopt;
        if (std::chrono::steady_clock::now() >= deadline)
            return std::nullopt;
        std::this_thread::sleep_for(WAIT_STEP);
    }
}

// Sends the signal and reaps the child, with SIGKILL should it outlast the grace time.
void endChild(pid_t pid, int signal, double graceSeconds)
{
    if (pid <= 0)
        return;
    kill(pid, signal);
    if (!waitForChild(pid, graceSeconds)) {
        kill(pid, SIGKILL);
        waitForChild(pid, graceSeconds);
    }
}

// Runs a command to its end within the time limit; true when it exits with status 0.
bool runToEnd(const SpawnRequest& request, double seconds, std::string* failure)
{
    const pid_t pid = spawnProcess(request);
    if (pid < 0) {
        *failure = "could not start " + request.program;
        return false;
    }
    const std::optional<int> status = waitForChild(pid, seconds);
    if (!status) {
        endChild(pid, SIGKILL, seconds);
        *failure = request.program + " did not finish in time";
        return false;
    }
    if (!WIFEXITED(*status) || WEXITSTATUS(*status) != 0) {
        *failure = request.program + " failed with wait status " + std::to_string(*status);
        return false;
    }
    return true;
}

// Runs the command in the current directory and waits for it, at most timeoutSeconds.
ChildResult runChild(const std::vector<std::string>& command,
                     const std::vector<EnvironmentChange>& environment, int timeoutSeconds)
{
    CaptureFile out;
    CaptureFile err;
    SpawnRequest request = commandRequest(command, environment);
    request.standardOutput = out.path;
    request.standardError = err.path;
    ChildResult result;
    const pid_t pid = spawnProcess(request);
    if (pid < 0)
        return result;

    const std::optional<int> status = waitForChild(pid, timeoutSeconds);
    if (!status) {
        endChild(pid, SIGKILL, STOP_GRACE_SECONDS);
        result.err = "(killed after " + std::to_string(timeoutSeconds) + " s)";
        return result;
    }
    result.exitStatus = exitStatusOf(*status);
    result.out = out.text();
    result.err = err.text();
    return result;
}

// Starts the command with both of its output streams going to the log file.
BackgroundChild::BackgroundChild(const std::vector<std::string>& command,
                                 const std::vector<EnvironmentChange>& environment, const std::string& logPath)
{
    SpawnRequest request = commandRequest(command, environment);
    request.standardOutput = logPath;
    request.standardError = logPath;
    pid_ = spawnProcess(request);
}

// Ends the child with SIGTERM and reaps it, unless it has ended already.
BackgroundChild::~BackgroundChild()
{
    endChild(pid_, SIGTERM, STOP_GRACE_SECONDS);
}

// True while the child has not exited; once it has, it is reaped and its status kept.
bool BackgroundChild::running()
{
    if (pid_ <= 0)
        return false;
    const std::optional<int> status = waitForChild(pid_, 0.0);
    if (!status)
        return true;
    exitStatus_ = exitStatusOf(*status);
    pid_ = -1;
    return false;
}
