// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "desktop/process_runner.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <sstream>

extern char** environ;

namespace z408::desktop {
namespace {

constexpr size_t kMaxOutput = 64 * 1024;

std::vector<char*> argvOf(const std::vector<std::string>& argv) {
    std::vector<char*> out;
    for (const auto& a : argv) out.push_back(const_cast<char*>(a.c_str()));
    out.push_back(nullptr);
    return out;
}

int waitFor(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

int runAndCapture(const std::vector<std::string>& argv, std::string* output) {
    if (argv.empty()) return -1;
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    pid_t pid = 0;
    auto args = argvOf(argv);
    const int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (rc != 0) {
        close(fds[0]);
        return -1;
    }
    std::string text;
    char buf[4096];
    for (;;) {
        const ssize_t n = read(fds[0], buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        if (text.size() < kMaxOutput)
            text.append(buf, std::min(static_cast<size_t>(n), kMaxOutput - text.size()));
    }
    close(fds[0]);
    if (output) *output = std::move(text);
    return waitFor(pid);
}

bool startDetached(const std::vector<std::string>& argv) {
    if (argv.empty() || argv[0].empty()) return false;
    // A short-lived shell starts the program in the background and exits at once: the program
    // is then adopted by init, and a program that keeps running (xdg-open may wait for the
    // viewer) never blocks us. "$@" passes every argument through untouched.
    std::vector<std::string> shell = {"/bin/sh", "-c", "\"$@\" </dev/null >/dev/null 2>&1 &", "sh"};
    shell.insert(shell.end(), argv.begin(), argv.end());
    auto args = argvOf(shell);
    pid_t pid = 0;
    if (posix_spawn(&pid, "/bin/sh", nullptr, nullptr, args.data(), environ) != 0) return false;
    return waitFor(pid) == 0;
}

bool programInPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    if (path == nullptr) return false;
    std::stringstream dirs(path);
    std::string dir;
    while (std::getline(dirs, dir, ':'))
        if (!dir.empty() && access((dir + "/" + name).c_str(), X_OK) == 0) return true;
    return false;
}

CommandRunner& systemCommands() {
    class System final : public CommandRunner {
      public:
        int run(const std::vector<std::string>& argv, std::string* output) override {
            return runAndCapture(argv, output);
        }
        bool available(const std::string& program) override { return programInPath(program); }
    };
    static System system;
    return system;
}

}  // namespace z408::desktop
