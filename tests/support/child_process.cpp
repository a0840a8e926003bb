// Child processes of the tests: started with their own working directory, environment and output
// files, waited for with a time limit, and ended.
#include "child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace {
constexpr auto WAIT_STEP = std::chrono::milliseconds(10);
constexpr int EXEC_FAILED = 127;

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
    redirect(request.standardError, O_WRONLY | O_CREAT | O_TRUNC, STDERR_FILENO);
    if (!request.workingDirectory.empty() && chdir(request.workingDirectory.c_str()) != 0)
        _exit(EXEC_FAILED);
    if (request.display.empty())
        unsetenv("DISPLAY");
    else
        setenv("DISPLAY", request.display.c_str(), 1);

    std::vector<char*> argv;
    for (const std::string& argument : request.argv)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execvp(request.program.c_str(), argv.data());
    _exit(EXEC_FAILED);
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
