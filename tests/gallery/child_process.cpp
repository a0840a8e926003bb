// Running a program of the build as a child process, with its output and exit status kept.
#include "child_process.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
constexpr auto POLL_INTERVAL = std::chrono::milliseconds(10);

// A temporary file that a child's stream is sent to, removed with the object.
struct CaptureFile {
    std::string path;
    int fd = -1;
    CaptureFile()
    {
        char name[] = "/tmp/tesmorel-gallery-XXXXXX";
        fd = mkstemp(name);
        path = name;
    }
    ~CaptureFile()
    {
        if (fd >= 0)
            close(fd);
        std::remove(path.c_str());
    }
    std::string text() const
    {
        std::ifstream file(path);
        std::stringstream contents;
        contents << file.rdbuf();
        return contents.str();
    }
};

// In the child, after fork: applies the environment changes and the stream redirections, then
// replaces itself with the command.
[[noreturn]] void becomeCommand(const std::vector<std::string>& command,
                                const std::vector<EnvironmentChange>& environment, int outFd, int errFd)
{
    for (const EnvironmentChange& change : environment) {
        if (change.unset)
            unsetenv(change.name.c_str());
        else
            setenv(change.name.c_str(), change.value.c_str(), 1);
    }
    const int nullFd = open("/dev/null", O_RDONLY);
    dup2(nullFd, STDIN_FILENO);
    if (outFd >= 0)
        dup2(outFd, STDOUT_FILENO);
    if (errFd >= 0)
        dup2(errFd, STDERR_FILENO);
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
}

// Forks and starts the command in the child; the child's pid, or -1.
int startChild(const std::vector<std::string>& command,
               const std::vector<EnvironmentChange>& environment, int outFd, int errFd)
{
    const pid_t pid = fork();
    if (pid == 0)
        becomeCommand(command, environment, outFd, errFd);
    return pid;
}
} // namespace

// Runs the command in the current directory and waits for it, at most timeoutSeconds.
ChildResult runChild(const std::vector<std::string>& command,
                     const std::vector<EnvironmentChange>& environment, int timeoutSeconds)
{
    CaptureFile out;
    CaptureFile err;
    ChildResult result;
    const pid_t pid = startChild(command, environment, out.fd, err.fd);
    if (pid < 0)
        return result;

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            result.err = "(killed after " + std::to_string(timeoutSeconds) + " s)";
            return result;
        }
        std::this_thread::sleep_for(POLL_INTERVAL);
    }
    if (WIFEXITED(status))
        result.exitStatus = WEXITSTATUS(status);
    result.out = out.text();
    result.err += err.text();
    return result;
}

// Starts the command with its output going to the log file.
BackgroundChild::BackgroundChild(const std::vector<std::string>& command,
                                 const std::vector<EnvironmentChange>& environment, const std::string& logPath)
{
    const int logFd = open(logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_ = startChild(command, environment, logFd, logFd);
    if (logFd >= 0)
        close(logFd);
}

// Ends the child with SIGTERM and reaps it, unless it has ended already.
BackgroundChild::~BackgroundChild()
{
    if (pid_ <= 0)
        return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}

// True while the child has not exited; once it has, it is reaped and its status kept.
bool BackgroundChild::running()
{
    if (pid_ <= 0)
        return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == 0)
        return true;
    exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    pid_ = -1;
    return false;
}
