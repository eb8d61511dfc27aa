#include "tests/support/VEXSession.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

pid_t spawn(const std::vector<std::string>& argv, int keepFd = -1)
{
    std::vector<char*> args;
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // Quiet children: their chatter is not the test's output.
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    (void)keepFd;
    pid_t pid = -1;
    if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

bool exited(pid_t pid)
{
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == pid;
}

} // namespace

VEXSession::~VEXSession()
{
    stop();
}

VEXSession& VEXSession::current()
{
    static VEXSession session;
    return session;
}

bool VEXSession::startServer(int width, int height, int screens)
{
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    const std::string fd = std::to_string(fds[1]);
    std::vector<std::string> argv = {"Xvfb", "-displayfd", fd, "-nolisten", "tcp", "-noreset", "+extension", "RANDR"};
    const std::string geometry = std::to_string(width) + "x" + std::to_string(height) + "x24";
    if (screens > 1) {
        argv.push_back("+xinerama");
        for (int i = 0; i < screens; ++i) {
            argv.push_back("-screen");
            argv.push_back(std::to_string(i));
            argv.push_back(geometry);
        }
    } else {
        argv.push_back("-screen");
        argv.push_back("0");
        argv.push_back(geometry);
    }
    // Xvfb writes its display number to the inherited pipe end.
    std::vector<char*> args;
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int rc = posix_spawnp(&pid, "Xvfb", &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (rc != 0) {
        close(fds[0]);
        return false;
    }
    mServer = pid;
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
        if (poll(&p, 1, 200) > 0) {
            char buf[32];
            const ssize_t n = read(fds[0], buf, sizeof buf);
            if (n <= 0)
                break;
            number.append(buf, static_cast<size_t>(n));
            if (number.find('\n') != std::string::npos)
                break;
        }
        if (exited(mServer)) {
            mServer = -1;
            break;
        }
    }
    close(fds[0]);
    while (!number.empty() && (number.back() == '\n' || number.back() == ' '))
        number.pop_back();
    if (number.empty()) {
        stop();
        return false;
    }
    mDisplay = ":" + number;
    setenv("DISPLAY", mDisplay.c_str(), 1);
    unsetenv("WAYLAND_DISPLAY");
    return true;
}

bool VEXSession::startWindowManager(const std::string& name)
{
    stopWindowManager();
    if (name.empty())
        return true;
    if (name == "openbox")
        mWindowManager = spawn({"openbox", "--sm-disable", "--config-file", "/dev/null"});
    else
        mWindowManager = spawn({name});
    if (mWindowManager < 0)
        return false;
    return waitForWindowManager(20);
}

void VEXSession::stopWindowManager()
{
    if (mWindowManager > 0) {
        stopProcess(mWindowManager);
        mWindowManager = -1;
        // The supporting-WM property may be left behind; a new manager replaces it.
    }
}

bool VEXSession::waitForWindowManager(double seconds) const
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(static_cast<int>(seconds * 1000));
    while (std::chrono::steady_clock::now() < deadline) {
        const std::string check = output("xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null");
        if (check.find("window id") != std::string::npos && mWindowManager > 0 && !exited(mWindowManager)) {
            // The manager sets the property once it owns the screen; give it a moment
            // to finish its own start-up.
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

pid_t VEXSession::startClient(const std::vector<std::string>& argv)
{
    const pid_t pid = spawn(argv);
    if (pid > 0)
        mClients.push_back(pid);
    return pid;
}

void VEXSession::stopProcess(pid_t pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (exited(pid))
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
}

void VEXSession::stop()
{
    for (pid_t pid : mClients)
        stopProcess(pid);
    mClients.clear();
    stopWindowManager();
    if (mServer > 0) {
        stopProcess(mServer);
        mServer = -1;
    }
}

int VEXSession::run(const std::string& command) const
{
    const std::string full = "DISPLAY=" + mDisplay + " " + command;
    const int status = std::system(full.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string VEXSession::output(const std::string& command) const
{
    const std::string full = "DISPLAY=" + mDisplay + " " + command;
    std::string result;
    FILE* pipe = popen(full.c_str(), "r");
    if (!pipe)
        return result;
    std::array<char, 4096> buffer{};
    size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.append(buffer.data(), n);
    pclose(pipe);
    return result;
}
