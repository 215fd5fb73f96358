// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Starting other programs without a shell: one that we wait for (with its output), and one that
// runs on its own after we return.
#include <string>
#include <vector>

namespace z408::desktop {

// Runs argv[0] (looked up in PATH) with the arguments, waits for it and returns its exit status
// (-1 when it could not be started or did not exit normally). Its standard output goes to
// `output` (at most 64 KiB); its standard error is discarded.
int runAndCapture(const std::vector<std::string>& argv, std::string* output = nullptr);

// Starts argv[0] (a path, or a name looked up in PATH) detached from this process: it is not our
// child, so it never becomes a zombie and may outlive us. False when the launch itself failed
// (a program that is missing fails later, unseen: check it first where that matters).
bool startDetached(const std::vector<std::string>& argv);

// True when an executable of that name is in PATH.
bool programInPath(const std::string& name);

// The two calls above behind an interface, for code that tests fake (the settings tools of the
// desktops: gsettings, xfconf-query).
class CommandRunner {
  public:
    virtual ~CommandRunner() = default;
    virtual int run(const std::vector<std::string>& argv, std::string* output = nullptr) = 0;
    virtual bool available(const std::string& program) = 0;
};
// The real one: runAndCapture and programInPath.
CommandRunner& systemCommands();

}  // namespace z408::desktop
