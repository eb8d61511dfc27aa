#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// A private X session for integration tests: an Xvfb server on a free display,
// a window manager, and X clients started by the tests. Everything started is
// stopped when the session is stopped or destroyed.
class VEXSession {
public:
    VEXSession() = default;
    ~VEXSession();
    VEXSession(const VEXSession&) = delete;
    VEXSession& operator=(const VEXSession&) = delete;

    // Starts Xvfb with one screen of the given size (or several, side by side,
    // as Xinerama monitors when screens > 1) and sets DISPLAY. False on failure.
    bool startServer(int width = 1280, int height = 800, int screens = 1);
    // Starts (or replaces) the window manager ("openbox", "fluxbox", or "" for
    // none) and waits until it has taken over the screen.
    bool startWindowManager(const std::string& name = "openbox");
    void stopWindowManager();
    // Starts an X client; returns its pid, or -1.
    pid_t startClient(const std::vector<std::string>& argv);
    // Stops a client started here (SIGTERM, then SIGKILL after a second).
    static void stopProcess(pid_t pid);
    void stop();

    const std::string& display() const { return mDisplay; }
    // Runs a shell command with this session's DISPLAY; returns its exit status.
    int run(const std::string& command) const;
    // Runs a shell command and returns what it printed on standard output.
    std::string output(const std::string& command) const;

    // The session of the running integration-test program.
    static VEXSession& current();

private:
    bool waitForWindowManager(double seconds) const;

    pid_t mServer = -1;
    pid_t mWindowManager = -1;
    std::vector<pid_t> mClients;
    std::string mDisplay;
};
