// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The four computer-side button functions on this desktop (sound, program, file, folder).
#include "desktop/desktop_launcher.h"
#include "shell/software_launcher.h"

namespace z408 {

class DesktopSoftwareLauncher final : public SoftwareLauncher {
  public:
    void playSound(const std::string& path) override { launcher_.playSound(path); }
    void startProgram(const std::string& path) override { launcher_.startProgram(path); }
    void openFile(const std::string& target) override { launcher_.openFile(target); }
    void openFolder(const std::string& target) override { launcher_.openFolder(target); }

  private:
    desktop::DesktopLauncher launcher_;
};

}  // namespace z408
