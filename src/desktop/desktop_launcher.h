// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The four things a button can make the computer do itself: play a sound, start a program, open
// a file, open a folder. Sounds play through libcanberra; programs start directly; files and
// folders open with the desktop's handler (xdg-open). Nothing here waits for what it starts.
#include <mutex>
#include <string>

struct ca_context;

namespace z408::desktop {

class DesktopLauncher {
  public:
    DesktopLauncher();
    ~DesktopLauncher();
    DesktopLauncher(const DesktopLauncher&) = delete;
    DesktopLauncher& operator=(const DesktopLauncher&) = delete;

    // Starts the sound file and returns at once; a sound still playing is cut off first.
    // False when there is no sound output or the file cannot be played.
    bool playSound(const std::string& path);
    // An executable file (or a program name found in PATH) is started with no arguments; any
    // other existing file is opened as openFile() would.
    bool startProgram(const std::string& path);
    // The path may come wrapped in double quotes (the form used for paths with spaces); the
    // quotes are removed before it is handed on.
    bool openFile(const std::string& path);
    bool openFolder(const std::string& path);

    // The path without one pair of enclosing double quotes.
    static std::string unquoted(const std::string& path);

  private:
    bool openWithDesktop(const std::string& path);

    std::mutex soundMutex_;
    ca_context* sound_ = nullptr;
    bool soundTried_ = false;
};

}  // namespace z408::desktop
