// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// What the main window does with a button event the input hook reports: count it, then run the
// button's computer-side function (sound, program, file, folder) when it has one.
#include <cstdint>
#include <optional>
#include <string>

#include "common/messages.h"
#include "config/profile_settings.h"
#include "shell/software_launcher.h"

namespace z408 {

// The profile button an event code stands for: middle 1, right 2, forward 3, back 4, wheel up 5,
// wheel down 6. None for the left button (0x201) and every other code.
std::optional<int> buttonOfEventCode(uint64_t code);

struct SoftwareAction {
    int button = 0;
    SoftwareKind kind = SoftwareKind::Sound;
    std::string target;  // the path, quoted for files and folders that contain a space
};

// The action an event code asks of the active profile, or none: no button, a function other
// than the software one, an empty path or an unknown kind.
std::optional<SoftwareAction> softwareActionFor(uint64_t eventCode, const ProfileSettings& active);

void runSoftwareAction(const SoftwareAction& action, SoftwareLauncher& launcher);

class SoftwareFunctionDispatcher {
  public:
    // `statistics` receives every event first, as the click counter's input.
    SoftwareFunctionDispatcher(SoftwareLauncher& launcher, MessageSink& statistics);

    // The main window's handler of the hook's button event (wParam the event code, lParam as
    // posted). Always handled.
    bool handleButtonEvent(uintptr_t wParam, intptr_t lParam, const ProfileSettings& active);

  private:
    SoftwareLauncher& launcher_;
    MessageSink& statistics_;
};

}  // namespace z408
