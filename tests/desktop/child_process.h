// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Real helper processes of the desktop tests (an X server, an HTTP server), stopped and reaped
// when the test ends.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace z408::test {

class ChildProcess {
  public:
    ChildProcess() = default;
    ~ChildProcess() { stop(); }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts argv[0] (searched in PATH); descriptors without close-on-exec stay open in it.
    bool start(const std::vector<std::string>& argv, int stdoutFd = -1) {
        std::vector<char*> args;
        for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (stdoutFd >= 0) posix_spawn_file_actions_adddup2(&actions, stdoutFd, 1);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        const int rc = posix_spawnp(&pid_, args[0], &actions, nullptr, args.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (rc != 0) pid_ = -1;
        return rc == 0;
    }
    void stop() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        int status = 0;
        for (int i = 0; i < 200 && waitpid(pid_, &status, WNOHANG) == 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (waitpid(pid_, &status, WNOHANG) == 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
        }
        pid_ = -1;
    }
    pid_t pid() const { return pid_; }

  private:
    pid_t pid_ = -1;
};

// Reads one line that a child writes to `fd`, waiting at most `seconds`.
inline std::string readLine(int fd, int seconds) {
    std::string line;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        char c;
        const ssize_t n = read(fd, &c, 1);
        if (n == 1) {
            if (c == '\n') return line;
            line.push_back(c);
        } else if (n == 0) {
            break;
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    return line;
}

// An Xvfb of the test's own on a free display number; DISPLAY points at it while it runs.
class XvfbServer {
  public:
    bool start() {
        int fds[2];
        if (pipe2(fds, O_NONBLOCK) != 0) return false;
        const bool ok = process_.start({"Xvfb", "-displayfd", std::to_string(fds[1]), "-noreset",
                                        "-nolisten", "tcp", "-screen", "0", "1024x768x24"});
        close(fds[1]);
        if (ok) display_ = ":" + readLine(fds[0], 20);
        close(fds[0]);
        if (!ok || display_ == ":") return false;
        setenv("DISPLAY", display_.c_str(), 1);
        return true;
    }
    void stop() { process_.stop(); }
    const std::string& display() const { return display_; }

  private:
    ChildProcess process_;
    std::string display_;
};

}  // namespace z408::test
