// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The three pointer values of a profile that belong to the computer, not the mouse: enhanced
// pointer precision, pointer speed and wheel scroll lines. The desktop backends implement
// PointerSettings; the mapping from the profile's values is fixed here.
#include <array>
#include <cstdint>
#include <memory>

namespace z408 {

// One page per wheel step.
inline constexpr uint32_t kWheelScrollPage = 0xFFFFFFFF;

struct PointerValues {
    // First threshold, second threshold, acceleration: 6, 10, 1 with precision on, else 0, 0, 0
    // (no acceleration at all, not the desktop's earlier values).
    std::array<int32_t, 3> mouse{};
    uint32_t speed = 0;       // passed on unchanged, even outside 1..20
    uint32_t wheelLines = 0;  // -1 in the profile becomes kWheelScrollPage
    friend bool operator==(const PointerValues&, const PointerValues&) = default;
};

PointerValues pointerValuesOf(uint32_t enhancePrecision, uint32_t pointerSpeed, int32_t wheelLines);

class PointerSettings {
  public:
    virtual ~PointerSettings() = default;
    // Each returns false when the desktop refused; callers go on with the next value.
    virtual bool setMouse(const std::array<int32_t, 3>& thresholdsAndAcceleration) = 0;
    virtual bool setMouseSpeed(uint32_t speed) = 0;
    virtual bool setWheelScrollLines(uint32_t lines) = 0;
};

// Applies the three values in their fixed order; a failure of one does not stop the others.
void ApplyPointerSettings(PointerSettings& settings, const PointerValues& values);

// Seam for the desktop backends (X11 core pointer, GNOME, KDE), which live outside this library:
// the backend registers its factory at start-up; until one does, openPointerSettings() returns
// nullptr and callers say that the pointer settings were not applied.
using PointerSettingsFactory = std::unique_ptr<PointerSettings> (*)();
void setPointerSettingsFactory(PointerSettingsFactory factory);
std::unique_ptr<PointerSettings> openPointerSettings();

}  // namespace z408
