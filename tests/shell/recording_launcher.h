// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// A SoftwareLauncher that writes down what it was asked to do.
#include <string>
#include <vector>

#include "shell/software_launcher.h"

namespace z408::test {

class RecordingLauncher : public SoftwareLauncher {
  public:
    void playSound(const std::string& path) override { calls.push_back("sound " + path); }
    void startProgram(const std::string& path) override { calls.push_back("program " + path); }
    void openFile(const std::string& target) override { calls.push_back("file " + target); }
    void openFolder(const std::string& target) override { calls.push_back("folder " + target); }
    std::vector<std::string> calls;
};

}  // namespace z408::test
