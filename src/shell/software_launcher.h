// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The desktop services behind the four functions the computer runs for a button: play a sound,
// start a program, open a file, open a folder. Results are not examined: a missing file gives no
// message of the program's own.
#include <string>

namespace z408 {

class SoftwareLauncher {
  public:
    virtual ~SoftwareLauncher() = default;
    // Asynchronous; a new sound cuts off the one still playing.
    virtual void playSound(const std::string& path) = 0;
    // The path as stored, never quoted.
    virtual void startProgram(const std::string& path) = 0;
    // `target` is the path wrapped in double quotes when it contains a space, as a command line
    // would carry it; a backend that takes a plain path removes that one pair of quotes.
    virtual void openFile(const std::string& target) = 0;
    virtual void openFolder(const std::string& target) = 0;
};

}  // namespace z408
