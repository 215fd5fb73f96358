// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Connects the upload's three pointer calls to this desktop's backends.
#include <array>
#include <cstdint>

#include "desktop/desktop_pointer_settings.h"
#include "shell/pointer_settings.h"

namespace z408::desktop {

// The upload sets the values in a fixed order (mouse, speed, wheel lines); the desktop backends
// take all three at once, so the first two are kept and the wheel-lines call applies them.
class DesktopPointerSettingsAdapter final : public z408::PointerSettings {
  public:
    bool setMouse(const std::array<int32_t, 3>& thresholdsAndAcceleration) override;
    bool setMouseSpeed(uint32_t speed) override;
    bool setWheelScrollLines(uint32_t lines) override;
    bool anyDesktopPresent() const;

  private:
    DesktopPointerSettings desktop_;
    int precision_ = 0;
    int speed_ = 10;
};

// Registers the adapter as the pointer settings of the upload (z408::openPointerSettings); it
// opens nothing when this session has no X server and no desktop settings.
void installDesktopPointerSettings();

}  // namespace z408::desktop
