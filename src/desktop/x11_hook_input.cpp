// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "desktop/x11_hook_input.h"

namespace z408::desktop {

bool X11HookInput::start() {
    if (x11_.running()) return true;
    error_.clear();
    return x11_.start(deliver_, error_);
}

void X11HookInput::stop() {
    x11_.stop();
}

std::vector<unsigned> X11HookInput::syncGrabs(const InputHook& hook) {
    // Only what the hook itself would swallow: a left-button entry in the list, say, is never
    // swallowed, so grabbing it would take every left click from the desktop for nothing.
    std::vector<unsigned> buttons;
    for (unsigned b = 1; b <= 9; ++b)
        if (hook.takesOverXButton(b)) buttons.push_back(b);
    return x11_.setGrabbedButtons(buttons);
}

}  // namespace z408::desktop
