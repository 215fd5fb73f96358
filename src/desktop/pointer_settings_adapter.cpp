// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "desktop/pointer_settings_adapter.h"

#include <algorithm>

namespace z408::desktop {

bool DesktopPointerSettingsAdapter::setMouse(
    const std::array<int32_t, 3>& thresholdsAndAcceleration) {
    // Precision on is the only setting with acceleration.
    precision_ = thresholdsAndAcceleration[2] != 0 ? 1 : 0;
    return true;
}

bool DesktopPointerSettingsAdapter::setMouseSpeed(uint32_t speed) {
    speed_ = static_cast<int>(std::min<uint32_t>(speed, 1000));
    return true;
}

bool DesktopPointerSettingsAdapter::setWheelScrollLines(uint32_t lines) {
    const int wheel =
        lines == kWheelScrollPage ? -1 : static_cast<int>(std::min<uint32_t>(lines, 1000));
    return desktop_.apply(speed_, precision_, wheel);
}

bool DesktopPointerSettingsAdapter::anyDesktopPresent() const {
    return desktop_.anyPresent();
}

void installDesktopPointerSettings() {
    // No X server and no desktop settings: nothing could take the values.
    setPointerSettingsFactory([]() -> std::unique_ptr<z408::PointerSettings> {
        auto adapter = std::make_unique<DesktopPointerSettingsAdapter>();
        if (!adapter->anyDesktopPresent()) return nullptr;
        return adapter;
    });
}

}  // namespace z408::desktop
